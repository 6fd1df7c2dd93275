#pragma once

#include "skinframe/TbsSkinFrameTypes.h"

#include <QIcon>
#include <QImage>
#include <QRect>
#include <QString>

// The rectangles a frame object's looks are cut from.
struct ObjectLooks {
    QRect normal;
    QRect hot;
    QRect inactive;
    QRect down;
    QRect disabled;
};

// The state an object is drawn in.
enum class ObjectLookFlag {
    FormActive = 0x1,
    Enabled = 0x2,
    Hot = 0x4,   // the pointer is over it
    Down = 0x8,  // pressed
};
Q_DECLARE_FLAGS(ObjectLookState, ObjectLookFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(ObjectLookState)

enum class ObjectLookKind { Normal, Hot, Inactive, Down, Disabled };

// The look for a state: disabled when disabled, down when pressed and hot, inactive while the
// form is inactive, hot while the pointer is over it, else normal; a look whose rectangle is
// empty gives way to the next one.
ObjectLookKind PickObjectLook(const ObjectLooks& looks, ObjectLookState state);
QRect LookRect(const ObjectLooks& looks, ObjectLookKind kind);

// What every frame object's drawing needs to know of the form.
struct FrameObjectPaint {
    const QImage* framePicture = nullptr;  // the active or the inactive frame picture; null without skin
    const QImage* frameDoubleSize = nullptr;  // its double-size form; null for none
    bool formActive = true;
    TbsFrameWindowState windowState = TbsFrameWindowState::Normal;
    bool rolledUp = false;
    QString caption;  // the form's caption text
    QIcon icon;       // the form's icon
    bool showIcon = false;
};
