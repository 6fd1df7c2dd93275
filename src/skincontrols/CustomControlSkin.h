#pragma once

#include "skinui/SkinObjectMapping.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <QSize>

#include <optional>

class QPainter;
class TbsDataSkinCustomControl;
class TbsSkinData;

// The settings of a custom control that choose its text's look: its own font and colour, used
// without a skin font, and whether it takes the skin's font and size.
struct ControlFontSettings {
    QFont defaultFont;
    QColor defaultFontColor;
    bool useSkinFont = true;
    bool useSkinSize = true;
};

// What every custom control draws with, copied from its skin object at the skin change: the
// picture and its mask, the skin rectangle, how the picture grows (corner points, client
// rectangle, stretch settings and the resize mode they give) and the store's button face. A
// default value is the plain look.
struct CustomControlSkin {
    bool valid = false;
    QImage picture;
    QImage doubleSize;  // the picture's double-size form; null for none
    QImage mask;
    QRect skinRect;
    ControlGrowth growth;
    QColor face;

    static CustomControlSkin Read(const TbsSkinData& store, const TbsDataSkinCustomControl& object);

    TbsResizeMode Mode() const { return growth.mode; }
    // The corner points and client rectangle moved to a control of size.
    NinePieceGeometry GeometryAt(const QSize& size) const;
    // The size a control takes when asked for requested.
    QSize SizeFor(const QSize& requested) const { return growth.SizeFor(requested, skinRect); }
    // The part source of the picture (the skin rectangle or a state rectangle of its size)
    // grown to size by the resize mode; scaled to size instead when the control does not take
    // the skin's size and the skin does not grow both ways. Null without a picture. At a ratio
    // above 1 it is cut from the double-size form where there is one.
    QImage StateImage(const QRect& source, const QSize& size, bool useSkinSize, qreal ratio = 1) const;
    // The skin's face, then that image: an object without a picture (a label that only gives
    // fonts) sits on the face.
    void PaintPicture(QPainter& painter, const QRect& source, const QSize& size, bool useSkinSize) const;
    // The window region the mask gives a control of size; nullopt for none.
    std::optional<QRegion> Region(const QSize& size, bool useSkinSize) const;
};
