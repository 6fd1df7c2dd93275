#pragma once

#include "skincontrols/TbsSkinControl.h"
#include "skinui/SkinObjectMapping.h"

#include <QColor>
#include <QFont>
#include <QImage>

class TbsDataSkinCustomControl;

// A skinned control drawn from a custom-control skin object (corner points, client rectangle,
// stretch settings). It keeps a copy of the object's common fields, grows the skin picture to
// its size by its resize mode, follows the size rule of that mode and takes its window region
// from the skin's mask picture.
class TbsSkinCustomControl : public TbsSkinControl {
    Q_OBJECT
public:
    explicit TbsSkinCustomControl(QWidget* parent = nullptr);

    // The font (and its colour) used without a skin font; "Arial", 14 pixels high, no style.
    QFont DefaultFont() const { return defaultFont_; }
    void SetDefaultFont(const QFont& font);
    QColor DefaultFontColor() const { return defaultFontColor_; }
    void SetDefaultFontColor(const QColor& color);
    int DefaultWidth() const { return defaultWidth_; }
    void SetDefaultWidth(int width) { defaultWidth_ = width; }
    int DefaultHeight() const { return defaultHeight_; }
    void SetDefaultHeight(int height) { defaultHeight_ = height; }
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool use);
    // Take size and shape from the skin; otherwise the skin picture is scaled to the control.
    bool UseSkinSize() const { return useSkinSize_; }
    void SetUseSkinSize(bool use);

    // How the control grows its skin picture; None without a skin object.
    TbsResizeMode ResizeMode() const { return growth_.mode; }
    // The skin rectangle in the picture; empty without a skin object.
    QRect SkinRect() const { return skinRect_; }
    // The corner points and client rectangle moved to the control's size.
    NinePieceGeometry CurrentGeometry() const;

    void ChangeSkinData() override;

protected:
    // The custom-control object of the kind this control draws from; nullptr for none.
    virtual const TbsDataSkinCustomControl* FindSkinObject() const;
    void GetSkinData() override;
    // The skin picture's part source grown to the control's size the way this control grows
    // its skin rectangle (source is the skin rectangle or a state rectangle of its size).
    QImage SkinImage(const QRect& source) const;
    // SkinImage, or with UseSkinSize off and a skin that does not grow both ways, the part
    // scaled to the control.
    QImage StateImage(const QRect& source) const;
    void PaintSkinned(QPainter& painter) override;
    // The skin's face colour, then the part source of the picture as StateImage grows it: an
    // object without a picture (a label that only gives fonts) sits on the skin's face.
    void PaintSkinPicture(QPainter& painter, const QRect& source) const;
    QColor SkinFace() const;
    const QImage& Picture() const { return picture_; }
    // The size rule: the size the control takes when asked for requested.
    QSize SizeUnderSkin(const QSize& requested) const;
    // Gives the control the window region its mask describes at its size, or none.
    void SetSkinRegion();

    void resizeEvent(QResizeEvent* event) override;

private:
    bool SkinsSize() const;
    void ClearSkinCopy();

    QFont defaultFont_;
    QColor defaultFontColor_;
    int defaultWidth_ = 0;
    int defaultHeight_ = 0;
    bool useSkinFont_ = true;
    bool useSkinSize_ = true;
    QImage picture_;
    QImage mask_;
    QRect skinRect_;
    ControlGrowth growth_;
};
