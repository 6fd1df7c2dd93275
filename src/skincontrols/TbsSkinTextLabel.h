#pragma once

#include "framework/TControl.h"
#include "skincontrols/SkinDataLink.h"
#include "skincontrols/TextLabelPainting.h"

#include <QStringList>

// Multi-line text drawn straight on its parent (a graphic control: no window or background of
// its own, so whatever lies behind shows between the letters), from a "stdlabel" skin object's
// font and colour or from its own font. Disabled, the text is drawn embossed.
//
// Its skin change (SkinDataLink: a load of its store, setting a store with a skin, a new
// SkinDataName) copies the object's font and colours, auto-sizes and repaints; painting reads
// only that copy.
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
    QString Text() const { return face_.text; }
    QFont Font() const { return face_.font; }
    void SetFont(const QFont& font);
    QColor FontColor() const { return face_.fontColor; }
    void SetFontColor(const QColor& color);
    QFont DefaultFont() const { return face_.defaultFont; }
    void SetDefaultFont(const QFont& font);
    QColor DefaultFontColor() const { return face_.defaultFontColor; }
    void SetDefaultFontColor(const QColor& color);
    bool UseSkinFont() const { return face_.useSkinFont; }
    void SetUseSkinFont(bool use);
    bool UseSkinColor() const { return face_.useSkinColor; }
    void SetUseSkinColor(bool use);
    bool WordWrap() const { return face_.wordWrap; }
    void SetWordWrap(bool wrap);
    // Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter.
    Qt::Alignment Alignment() const { return face_.alignment; }
    void SetAlignment(Qt::Alignment alignment);
    TbsTextLayout Layout() const { return face_.layout; }
    void SetLayout(TbsTextLayout layout);
    // After a change of text, font, wrapping or skin the control takes the text's size,
    // keeping its right edge when right-aligned.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

    // The font and colour the text is drawn in.
    QFont TextFont() const { return face_.TextFont(skin_); }
    QColor TextColor() const { return face_.TextColor(skin_); }
    // The text's size laid out in the control's width (wrapping) or unbounded, without the
    // empty line the last line break adds.
    QSize TextSize() const { return face_.TextSize(skin_, width()); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void SkinChanged();
    // A change that moves the text: auto-size, then repaint.
    void Changed();
    // Sets one field of the face; relays the text out when layout, else only repaints.
    template <class Field>
    void SetFaceField(Field TextLabelFace::*field, const Field& value, bool layout);

    SkinDataLink link_;
    QString skinDataName_;
    QStringList lines_;
    TextLabelFace face_;
    bool autoSize_ = true;
    TextLabelSkin skin_;
};
