#pragma once

#include "skincontrols/ButtonLook.h"
#include "skincontrols/CustomControlSkin.h"
#include "skinui/GlyphCaption.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPixmap>
#include <QRect>
#include <QString>

#include <functional>

class QPainter;
class TbsDataSkinButtonControl;

// Draws a button's content instead of the button: canvas, a flag to clear to suppress the
// glyph and caption, the active and down flags and the client rectangle.
using TbsButtonPaintEvent =
    std::function<void(QPainter* Cnvs, bool& DefaultPaint, bool IsActive, bool IsDown, QRect ClientRect)>;

// The fields of a "button" skin object a button draws with besides those every custom control
// copies, copied at the skin change.
struct ButtonSkin {
    QFont font;
    QColor normalColor;
    QColor activeColor;
    QColor downColor;
    QColor disabledColor;  // grey when the skin gives the normal colour
    QRect activeRect;      // the skin rectangle when the skin leaves it empty
    QRect downRect;        // the active one when empty
    QRect focusedRect;
    QRect disabledRect;
    bool showFocus = false;

    static ButtonSkin Read(const TbsDataSkinButtonControl& object);
    // The picture part of a look; the normal one is the skin rectangle.
    QRect Source(TbsButtonLook look, const QRect& skinRect) const;
};

// What a button shows besides its skin: caption, glyph or image-list image, the layout of the
// two, and the fonts and settings that choose the text's look.
struct ButtonFace : ControlFontSettings {
    QString caption;
    QImage glyph;
    int numGlyphs = 1;
    QList<QPixmap> images;
    int imageIndex = -1;
    int margin = -1;
    int spacing = 1;
    TbsButtonLayout layout = blGlyphLeft;
    bool useSkinFontColor = true;
};

// The look of a button in a state under its skin (custom not valid: the plain look).
TbsButtonLook ButtonLookIn(const CustomControlSkin& custom, const ButtonSkin& skin, ButtonState state);

// Paints a button of size in a state: the skin's picture of its look (or the plain frame and
// fill), the focus frame the skin asks for, then onPaint's drawing or glyph and caption.
void PaintButton(QPainter& painter, const QSize& size, const CustomControlSkin& custom, const ButtonSkin& skin,
                 const ButtonFace& face, ButtonState state, const TbsButtonPaintEvent& onPaint);
