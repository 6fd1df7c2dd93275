#pragma once

#include "skinframe/TbsSkinFrameTypes.h"
#include "skinui/NinePieceGeometry.h"

#include <QMargins>
#include <QRect>
#include <QSize>

class TbsDataSkinFormInfo;

// Where the parts of a frame lie for a form of a given size. With a skin everything is grown
// from the frame picture's [FORMINFO] (Pw x Ph the picture's size, dW and dH the growth);
// without one it is the default frame: a 3-pixel border and a caption bar below it.
// Rectangles are in form coordinates, right and bottom exclusive.
struct FrameGeometry {
    bool skinned = false;
    QSize picture;          // the frame picture's size; empty for the default frame
    QSize form;
    NinePieceGeometry skin;   // the skin's corner points and client rectangle
    NinePieceGeometry grown;  // the same for the form's size (clRect: the client rectangle)
    QRect captionRect;
    QRect buttonsRect;
    bool buttonsAtLeft = false;  // the buttons rectangle lies in the picture's left half
    bool buttonsInLeft = false;  // the skin's own "buttonsinleft"
    int buttonsOffset = 0;
    int borderWidth = 0;
    QPoint hitLeftTop;
    QPoint hitRightTop;
    QPoint hitLeftBottom;
    QPoint hitRightBottom;
    QRect maskRect;  // the mask rectangle grown to the form

    static FrameGeometry OfSkin(const TbsDataSkinFormInfo& info, const QSize& picture, const QSize& form);
    static FrameGeometry OfDefault(TFormBorderStyle style, const QSize& form);

    const QRect& ClientRect() const { return grown.clRect; }
    // The borders around the client rectangle: the form's contents margins.
    QMargins Borders() const;
};

// The plain frame drawn without a skin.
namespace DefaultFrame {
constexpr int kBorder = 3;
// 19 pixels, 15 for the tool-window styles.
int CaptionHeight(TFormBorderStyle style);
// 17 pixels, 13 for the tool-window styles.
int ButtonSize(TFormBorderStyle style);
}  // namespace DefaultFrame
