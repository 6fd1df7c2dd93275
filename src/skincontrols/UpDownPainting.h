#pragma once

#include "skincontrols/CustomControlSkin.h"
#include "skincontrols/UpDownGeometry.h"

#include <QColor>
#include <QImage>
#include <QRect>

class QPainter;
class TbsDataSkinButtonControl;
class TbsDataSkinUpDownControl;

// The button object ("resizebutton") that draws the arrows of an up-down that does not take
// the skin's size, copied at the skin change.
struct ResizeButtonSkin {
    bool valid = false;
    QImage picture;
    QImage doubleSize;  // the picture's double-size form; null for none
    QRect normal;
    QRect active;  // the normal one when the skin leaves it empty
    QRect down;    // the active one when empty
    NinePieceGeometry geometry;
    NinePieceOptions options;
    MiddleStretchType stretchType = MiddleStretchType::Whole;
    QColor fontColor;
    QColor activeFontColor;
    QColor downFontColor;

    static ResizeButtonSkin Read(const TbsSkinData& store, const TbsDataSkinButtonControl& object);
};

// The fields of an "updown" skin object besides those every custom control copies: the two
// buttons' rectangles in the control and their hot and pressed pictures in the skin picture
// (an empty pressed picture is the hot one); with the resize button's.
struct UpDownSkin {
    QRect up;
    QRect activeUp;
    QRect downUp;
    QRect down;
    QRect activeDown;
    QRect downDown;
    ResizeButtonSkin resizeButton;

    static UpDownSkin Read(const TbsDataSkinUpDownControl& object);
    // The hot picture of a button, or its pressed one.
    QRect StateRect(int button, bool pressed) const;
};

// Which buttons are hot (under the pointer) and pressed.
struct UpDownState {
    bool hot[2] = {false, false};
    bool pressed[2] = {false, false};
};

// Where the buttons of a control of size lie: the skin's rectangles as written (in the
// control's coordinates) while it takes the skin's size, else the control's halves.
UpDownButtons UpDownButtonsOf(const QSize& size, const CustomControlSkin& custom, const UpDownSkin& skin,
                              bool useSkinSize, Qt::Orientation orientation);

// Paints an up-down of size: plain buttons with their arrows; or the skin's normal picture
// with the hot or pressed picture of each lit button copied unscaled onto its rectangle; or,
// without the skin's size, each button from the resize button object.
void PaintUpDown(QPainter& painter, const QSize& size, const CustomControlSkin& custom, const UpDownSkin& skin,
                 const UpDownState& state, bool useSkinSize, Qt::Orientation orientation);
