#pragma once

#include "framework/TControl.h"
#include "skincontrols/EditPainting.h"
#include "skincontrols/EditSkin.h"
#include "skincontrols/SkinDataLink.h"

class QLineEdit;
class TbsSkinData;

// A single-line text field drawn from an "edit" skin object (or plainly): the face grows with
// the control, the text sits in the skin's client rectangle in the skin's font and colours,
// and the face lights up while the pointer is over it or it has the keyboard. The typing
// itself (caret, selection, clipboard, input methods) is the toolkit's line editor inside it.
// In password mode the text shows as dots.
//
// The skin is copied when the store's skin changes (see SkinDataLink) and when the store or
// the object's name is set; painting reads only that copy.
class TbsSkinEdit : public TControl {
    Q_OBJECT
public:
    explicit TbsSkinEdit(QWidget* parent = nullptr);

    TbsSkinData* SkinData() const { return link_.Store(); }
    void SetSkinData(TbsSkinData* store);
    QString SkinDataName() const { return skinDataName_; }
    void SetSkinDataName(const QString& name);

    QString Text() const;
    void SetText(const QString& text);
    bool PasswordMode() const;
    void SetPasswordMode(bool password);
    void SelectAll();

    EditState State() const;
    const EditSkin& Skin() const { return skin_; }
    // The line editor the keys go to, which takes the control's focus.
    QLineEdit* Editor() const { return editor_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void SkinChanged();
    // Places the editor and gives it the font and colour of the current skin and state.
    void ApplyLook();
    void SetHot(bool hot);

    SkinDataLink link_;
    QString skinDataName_;
    EditSkin skin_;
    QLineEdit* editor_;
    bool hot_ = false;
};
