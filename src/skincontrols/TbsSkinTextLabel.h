#pragma once

#include "framework/TControl.h"
#include "skincontrols/SkinDataLink.h"

#include <QColor>
#include <QFont>
#include <QStringList>

// Where a text label puts its text block in its height.
enum TbsTextLayout { tlTop, tlCenter, tlBottom };

// Multi-line text drawn straight on its parent (a graphic control: no window or background of
// its own, so whatever lies behind shows between the letters), from a "stdlabel" skin object's
// font and colour or from its own font. Disabled, the text is drawn embossed.
//
// Skin changes as for TbsSkinControl: a TbsSkinMessageEvent of its store sent to it is handled
// in event() (1225 forgets the skin object, 1226 re-reads it, auto-sizes and repaints); the
// same when the store itself broadcasts them, and when SkinData is set.
class TbsSkinTextLabel : public TControl {
    Q_OBJECT
public:
    explicit TbsSkinTextLabel(QWidget* parent = nullptr);

    TbsSkinData* SkinData() const { return link_.Store(); }
    void SetSkinData(TbsSkinData* store);
    QString SkinDataName() const { return skinDataName_; }
    void SetSkinDataName(const QString& name);

    QStringList Lines() const { return lines_; }
    void SetLines(const QStringList& lines);
    // The lines, each followed by a line break.
    QString Text() const;
    QFont Font() const { return font_; }
    void SetFont(const QFont& font);
    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& color);
    QFont DefaultFont() const { return defaultFont_; }
    void SetDefaultFont(const QFont& font);
    QColor DefaultFontColor() const { return defaultFontColor_; }
    void SetDefaultFontColor(const QColor& color);
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool use);
    bool UseSkinColor() const { return useSkinColor_; }
    void SetUseSkinColor(bool use);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap);
    // Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter.
    Qt::Alignment Alignment() const { return alignment_; }
    void SetAlignment(Qt::Alignment alignment);
    TbsTextLayout Layout() const { return layout_; }
    void SetLayout(TbsTextLayout layout);
    // After a change of text, font, wrapping or skin the control takes the text's size,
    // keeping its right edge when right-aligned.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

    // The font and colour the text is drawn in.
    QFont TextFont() const;
    QColor TextColor() const;
    // The text's size laid out in the control's width (wrapping) or unbounded, without the
    // empty line the last line break adds.
    QSize TextSize() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The fields of the skin object a text label draws with.
    struct Skin {
        bool found = false;
        QFont font;
        QColor color;
    };

    void ReadSkin();
    void SkinChanged();
    void Changed();
    int TextFlags() const;
    void DrawText(QPainter& painter, const QRect& rect, const QColor& color) const;

    SkinDataLink link_;
    QString skinDataName_;
    QStringList lines_;
    QFont font_;
    QColor fontColor_;
    QFont defaultFont_;
    QColor defaultFontColor_;
    bool useSkinFont_ = true;
    bool useSkinColor_ = true;
    bool wordWrap_ = false;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    TbsTextLayout layout_ = tlTop;
    bool autoSize_ = true;
    Skin skin_;
};
