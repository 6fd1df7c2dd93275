#pragma once

#include "framework/TControl.h"
#include "skincontrols/SkinDataLink.h"

#include <QString>

class QPainter;
class TbsSkinData;

// Base of the windowed skinned controls: a control that draws itself from the skin object its
// SkinDataName names in its SkinData store, or in a plain look when the store is missing or
// empty or has no such object.
//
// Every paint reads the skin object again and draws the whole control into an off-screen
// picture of its size (PaintPlain or PaintSkinned), which is then copied to the control.
//
// Skin changes (see SkinDataLink): a TbsSkinMessageEvent sent to the control with its own store
// is handled in event(): 1225 (a load begins) forgets the skin object, 1226 (skin changed)
// runs ChangeSkinData(). The same steps run when the store itself broadcasts them, and
// ChangeSkinData() runs when SkinData is set to a store that is not empty. Events of other
// stores are left to the base.
class TbsSkinControl : public TControl {
    Q_OBJECT
public:
    explicit TbsSkinControl(QWidget* parent = nullptr);
    ~TbsSkinControl() override;

    TbsSkinData* SkinData() const { return link_.Store(); }
    void SetSkinData(TbsSkinData* store);
    QString SkinDataName() const { return skinDataName_; }
    void SetSkinDataName(const QString& name);
    // The position of the skin object in the store's control list as the last read found it;
    // -1 without one.
    int SkinIndex() const { return skinIndex_; }

    // The skin-changed step: reads the skin object and repaints. Kinds add their own part.
    virtual void ChangeSkinData();

protected:
    // Reads the skin object: its index, and the fields a kind copies from it.
    virtual void GetSkinData();
    virtual void PaintPlain(QPainter& painter);
    virtual void PaintSkinned(QPainter& painter);
    // Drops the skin object (index -1) until the next read.
    void ForgetSkinObject();

    // The skin object when it is of the kind Kind; nullptr otherwise. Valid until the store's
    // next load, so kinds copy what they keep.
    template <class Kind>
    const Kind* SkinObject() const
    {
        return SkinObjectNamed<Kind>(skinDataName_);
    }
    // Another control object of the store, by name and kind; nullptr when there is none.
    template <class Kind>
    const Kind* SkinObjectNamed(const QString& name) const
    {
        return link_.Find<Kind>(name);
    }

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    SkinDataLink link_;
    QString skinDataName_;
    int skinIndex_ = -1;
};
