#pragma once

#include "skincontrols/CustomControlSkin.h"
#include "skincontrols/TbsSkinControl.h"

#include <QColor>
#include <QFont>

class TbsDataSkinCustomControl;

// A skinned control drawn from a custom-control skin object (corner points, client rectangle,
// stretch settings). Its skin change copies the object's common fields (CustomControlSkin),
// applies the size rule of the resize mode they give and takes the window region from the
// skin's mask picture; the size rule and the region follow every later resize.
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

    // Its own font and colour and whether it takes the skin's font and size.
    ControlFontSettings FontSettings() const { return {defaultFont_, defaultFontColor_, useSkinFont_, useSkinSize_}; }
    // The copied skin; not valid while the control draws plainly.
    const CustomControlSkin& CustomSkin() const { return custom_; }
    // How the control grows its skin picture; None without a skin object.
    TbsResizeMode ResizeMode() const { return custom_.Mode(); }
    // The skin rectangle in the picture; empty without a skin object.
    QRect SkinRect() const { return custom_.skinRect; }
    // The corner points and client rectangle moved to the control's size.
    NinePieceGeometry CurrentGeometry() const { return custom_.GeometryAt(size()); }

    void ChangeSkinData() override;

protected:
    // The custom-control object of the kind this control draws from; nullptr for none.
    virtual const TbsDataSkinCustomControl* FindSkinObject() const;
    void GetSkinData() override;
    void ForgetSkinData() override;
    void PaintSkinned(QPainter& painter) override;
    // The size rule: the size the control takes when asked for requested.
    QSize SizeUnderSkin(const QSize& requested) const { return custom_.SizeFor(requested); }
    // Gives the control the window region its mask describes at its size, or none.
    void SetSkinRegion();

    void resizeEvent(QResizeEvent* event) override;

private:
    QFont defaultFont_;
    QColor defaultFontColor_;
    int defaultWidth_ = 0;
    int defaultHeight_ = 0;
    bool useSkinFont_ = true;
    bool useSkinSize_ = true;
    CustomControlSkin custom_;
};
