#pragma once

#include "skincontrols/CustomControlSkin.h"

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;
class TbsDataSkinLabelControl;

// The border a skinned label draws without a skin.
enum TbsLabelBorderStyle { bvNone, bvFrame, bvRaised, bvLowered };
// Whether a label's caption that does not fit is shortened with "...".
enum TbsEllipsType { bsetNoneEllips, bsetEllips };

// The font of a "label" (or "stdlabel") skin object, copied at the skin change.
struct LabelSkin {
    QFont font;
    QColor fontColor;

    template <class Object>
    static LabelSkin Read(const Object& object);
};

// What a label shows and how.
struct LabelFace : ControlFontSettings {
    QString caption;
    TbsLabelBorderStyle borderStyle = bvFrame;
    Qt::Alignment alignment = Qt::AlignLeft;
    TbsEllipsType ellipsType = bsetNoneEllips;
    bool shadowEffect = false;
    int shadowSize = 3;
    int shadowOffset = 0;
    QColor shadowColor = Qt::black;
    bool reflectionEffect = false;
    int reflectionOffset = -5;
    bool useSkinFontColor = true;
};

// Where a label of size draws its caption: the skin's client rectangle grown to the size, or
// the label inset by 3 without a skin.
QRect LabelTextArea(const QSize& size, const CustomControlSkin& custom);
// The font the caption is drawn in.
QFont LabelFont(const CustomControlSkin& custom, const LabelSkin& skin, const LabelFace& face);
// Paints a label of size: the skin's picture (or the plain fill and border) and the caption,
// vertically centred in its text area, aligned, shortened and with its effect as the face asks.
void PaintLabel(QPainter& painter, const QSize& size, const CustomControlSkin& custom, const LabelSkin& skin,
                const LabelFace& face);
