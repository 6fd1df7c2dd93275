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
// The skin is read in one place, the skin-change step (ChangeSkinData): each kind copies the
// fields it draws with into a value of its own there. The step runs when the store's skin
// changes (SkinDataLink), when SkinData is set to a store that is not empty, and when a
// setter changes something the copy depends on. Painting draws the whole control into an
// off-screen picture of its size from that value and the control's state (PaintPlain or
// PaintSkinned), then copies it to the control; it reads no store and changes no state.
class TbsSkinControl : public TControl {
    Q_OBJECT
public:
    explicit TbsSkinControl(QWidget* parent = nullptr);
    ~TbsSkinControl() override;

    TbsSkinData* SkinData() const { return link_.Store(); }
    void SetSkinData(TbsSkinData* store);
    QString SkinDataName() const { return skinDataName_; }
    void SetSkinDataName(const QString& name);
    // The position of the skin object in the store's control list as the last skin change
    // found it; -1 without one.
    int SkinIndex() const { return skinIndex_; }

    // The skin-changed step: copies the skin and repaints. Kinds add their own part.
    virtual void ChangeSkinData();

protected:
    // Copies what the kind draws with from the store (only ever called by the skin change).
    virtual void GetSkinData();
    // Drops the copy: a load begins, or the control is left without a skin.
    virtual void ForgetSkinData();
    // Runs the skin change when a store with a skin is set; for setters the copy depends on.
    void SkinSettingChanged();
    virtual void PaintPlain(QPainter& painter);
    virtual void PaintSkinned(QPainter& painter);

    // The skin object when it is of the kind Kind; nullptr otherwise. For GetSkinData only.
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
