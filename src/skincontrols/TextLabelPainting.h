#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;
class TbsDataSkinStdLabelControl;
class TbsSkinData;

// Where a text label puts its text block in its height.
enum TbsTextLayout { tlTop, tlCenter, tlBottom };

// What a text label draws with from a "stdlabel" skin object, copied at the skin change: the
// font and colour, and the store's highlight and shadow for the embossed disabled look.
struct TextLabelSkin {
    bool found = false;
    QFont font;
    QColor color;
    QColor highlight;
    QColor shadow;

    static TextLabelSkin Read(const TbsSkinData& store, const TbsDataSkinStdLabelControl& object);
};

// What a text label shows and how.
struct TextLabelFace {
    QString text;  // the lines, each followed by a line break
    QFont font;
    QColor fontColor;
    QFont defaultFont;
    QColor defaultFontColor;
    bool useSkinFont = true;
    bool useSkinColor = true;
    bool wordWrap = false;
    Qt::Alignment alignment = Qt::AlignLeft;
    TbsTextLayout layout = tlTop;

    QFont TextFont(const TextLabelSkin& skin) const;
    QColor TextColor(const TextLabelSkin& skin) const;
    int TextFlags() const;
    // The text's size laid out in width (when wrapping) or unbounded, without the empty line
    // the last line break adds.
    QSize TextSize(const TextLabelSkin& skin, int width) const;
};

// Paints the text into rect (the label's own rectangle), moved down by its layout, embossed
// when not enabled.
void PaintTextLabel(QPainter& painter, const QRect& rect, const TextLabelSkin& skin, const TextLabelFace& face,
                    bool enabled);
