#pragma once

#include "framework/TControl.h"
#include "skincontrols/CheckBoxPainting.h"
#include "skincontrols/CheckBoxSkin.h"
#include "skincontrols/SkinDataLink.h"

class TbsSkinData;

// A check box drawn from a "checkradio" skin object (or plainly): a box that shows whether it
// is ticked, and a caption beside it. A click anywhere on it, or Space while it has the
// keyboard, ticks or clears it; pressing shows the box pressed until the release, and a
// release away from it changes nothing. Every change by the player is reported by OnClick.
//
// The skin is copied when the store's skin changes (see SkinDataLink) and when the store or
// the object's name is set; painting reads only that copy.
class TbsSkinCheckBox : public TControl {
    Q_OBJECT
public:
    explicit TbsSkinCheckBox(QWidget* parent = nullptr);

    TbsSkinData* SkinData() const { return link_.Store(); }
    void SetSkinData(TbsSkinData* store);
    QString SkinDataName() const { return skinDataName_; }
    void SetSkinDataName(const QString& name);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    CheckBoxState State() const;
    const CheckBoxSkin& Skin() const { return skin_; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void SkinChanged();
    void Toggle();
    void SetFlag(bool& flag, bool value);

    SkinDataLink link_;
    QString skinDataName_;
    CheckBoxSkin skin_;
    QString caption_;
    bool checked_ = false;
    bool hot_ = false;
    bool down_ = false;
};
