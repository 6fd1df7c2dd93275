#pragma once

#include "platform/NotificationIcon.h"
#include "skin/TbsSkinData.h"
#include "skinframe/FormFadeIn.h"
#include "skinframe/FrameGeometry.h"
#include "skinframe/FrameObjectLook.h"
#include "skinframe/FrameMouse.h"
#include "skinframe/FrameShape.h"
#include "skinframe/FrameSystemMenu.h"
#include "skinframe/FrameWindowState.h"
#include "skinframe/SystemMenuItems.h"
#include "skinframe/TbsActiveSkinObject.h"
#include "skinframe/TbsSkinFrameTypes.h"
#include "skinui/FrameStrips.h"

#include <QFont>
#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <functional>
#include <memory>
#include <optional>

class FrameSystemMenu;
class QMouseEvent;
class QPaintEvent;
class QShortcut;
class TMenuItem;
class TbsSkinMenu;
class TbsSkinMessageEvent;
class WindowManager;

// The skinned frame of a form (a top-level widget). It watches the form's events and, while
// the form is skinnable and its border style is not bsNone, makes it a frameless window whose
// contents margins are the frame's borders: it paints the frame picture's strips with the
// caption and the caption buttons into the margins (never over the client area and its
// children), shapes the window with the frame mask, answers the pointer with the frame's hit
// codes (moving and sizing through the window manager), tracks the frame object under the
// pointer and runs the window commands of the caption buttons and the system menu. On every
// form it paints the client background, fades the window in as it is shown (where a
// compositing manager allows window opacity) and offers Alt+Space for the system menu.
// Without a skin (or with an empty one) it draws the default frame. Skin notifications reach
// it through the form; it passes the load's begin and end on to the form's controls.
//
// Its frame objects are data (TbsActiveSkinObject) held by index; the pointer core
// (FramePointer) turns the pointer into state changes and actions, which the frame carries
// out with the user's notices last, looking the objects up again after anything that runs a
// handler. The window state lives in FrameWindowState, the system menu in FrameSystemMenu.
class TbsSkinFrame : public QObject {
    Q_OBJECT
public:
    // The frame of form, whose border style is style. windows: the window-system services for
    // moving, sizing and the screen's area; nullptr makes the frame use the real ones.
    explicit TbsSkinFrame(QWidget* form, TFormBorderStyle style = TFormBorderStyle::bsSizeable,
                          WindowManager* windows = nullptr);
    ~TbsSkinFrame() override;

    QWidget* Form() const { return form_; }

    TbsSkinData* SkinData() const { return skinData_; }
    // Takes the store's SkinnableForm and applies the store's skin.
    void SetSkinData(TbsSkinData* store);
    TbsSkinData* MenusSkinData() const { return menusSkinData_; }
    void SetMenusSkinData(TbsSkinData* store);
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TbsBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TbsBorderIcons icons);
    bool HideCaptionButtons() const { return hideCaptionButtons_; }
    void SetHideCaptionButtons(bool hide);
    bool DisableSystemMenu() const { return disableSystemMenu_; }
    void SetDisableSystemMenu(bool disable);
    bool AlwaysResize() const { return alwaysResize_; }
    void SetAlwaysResize(bool value) { alwaysResize_ = value; }
    TbsPositionInMonitor PositionInMonitor() const { return positionInMonitor_; }
    void SetPositionInMonitor(TbsPositionInMonitor value) { positionInMonitor_ = value; }
    int ClientWidth() const { return clientWidth_; }
    void SetClientWidth(int width) { clientWidth_ = width; }
    int ClientHeight() const { return clientHeight_; }
    void SetClientHeight(int height) { clientHeight_ = height; }
    bool AlwaysMinimizeToTray() const { return alwaysMinimizeToTray_; }
    void SetAlwaysMinimizeToTray(bool value) { alwaysMinimizeToTray_ = value; }
    bool AlwaysShowInTray() const { return alwaysShowInTray_; }
    void SetAlwaysShowInTray(bool value) { alwaysShowInTray_ = value; }
    bool ShowIcon() const { return showIcon_; }
    void SetShowIcon(bool value);
    bool MaximizeOnFullScreen() const { return maximizeOnFullScreen_; }
    void SetMaximizeOnFullScreen(bool value) { maximizeOnFullScreen_ = value; }
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool value) { alphaBlend_ = value; }
    bool AlphaBlendAnimation() const { return alphaBlendAnimation_; }
    void SetAlphaBlendAnimation(bool value) { alphaBlendAnimation_ = value; }
    int AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(int value) { alphaBlendValue_ = value; }
    bool ShowObjectHint() const { return showObjectHint_; }
    void SetShowObjectHint(bool value) { showObjectHint_ = value; }
    // The caption font of the default frame (its colour is the button text's, or the button
    // shadow's while inactive).
    QFont DefCaptionFont() const { return defCaptionFont_; }
    void SetDefCaptionFont(const QFont& font);
    NotificationIcon* TrayIcon() const { return trayIcon_; }
    void SetTrayIcon(NotificationIcon* icon);
    int MinWidth() const { return minWidth_; }
    int MinHeight() const { return minHeight_; }
    int MaxWidth() const { return maxWidth_; }
    int MaxHeight() const { return maxHeight_; }
    void SetSizeLimits(int minWidth, int minHeight, int maxWidth, int maxHeight);

    // Where things are now.
    bool Skinnable() const { return skinnable_; }
    bool SkinLoaded() const { return skinLoaded_; }
    // Whether the frame draws the window's chrome: skinnable and a border style other than none.
    bool DrawsChrome() const { return skinnable_ && borderStyle_ != TFormBorderStyle::bsNone; }
    const FrameGeometry& Geometry() const { return shape_.Geometry(); }
    const FrameObjectList& Objects() const { return mouse_->Objects(); }
    // The object of that name, or the hot one; nullptr for none. Valid until the next skin
    // change, border-icon change or handler.
    const TbsActiveSkinObject* FindObject(const QString& name) const;
    const TbsActiveSkinObject* HotObject() const
    {
        return mouse_->Hot() >= 0 ? &Objects()[size_t(mouse_->Hot())] : nullptr;
    }
    TbsFrameWindowState WindowState() const { return window_->State(); }
    bool RollUpState() const { return window_->RolledUp(); }
    bool FormActive() const { return formActive_; }
    QSize MinimumSize() const { return window_->MinimumSize(); }
    QSize MaximumSize() const { return window_->MaximumSize(); }
    // The frame code of a point in form coordinates.
    int HitTest(const QPoint& point) const;
    // Whether the form is in the middle of its fade-in.
    bool Fading() const { return fade_.Running(); }

    // Window commands of the caption buttons and the system menu.
    void MaximizeWindow() { window_->Maximize(); }
    void MinimizeWindow() { window_->Minimize(); }
    void RestoreWindow() { window_->Restore(); }
    void RollUpWindow() { window_->RollUp(); }
    void MinimizeToTray() { window_->MinimizeToTray(); }
    void RestoreFromTray() { window_->RestoreFromTray(); }
    // Runs one item of the system menu.
    void RunSystemMenuCommand(SystemMenuCommand command) { window_->RunSystemMenuCommand(command); }

    // The built system menu for the form's state now.
    QList<SystemMenuItem> SystemMenuItems() const;
    // Opens the system menu at a point on the screen.
    void ShowSystemMenu(const QPoint& global) { systemMenu_->ShowAt(global); }
    // The skinned menus of the form: the system menu, and the form's popup menus, open
    // through it.
    TbsSkinMenu* SkinMenu() const { return skinMenu_; }
    // The system menu's items as last built.
    TMenuItem* SystemMenu() const { return systemMenu_->Items(); }
    // The form's shortcut key: Alt+Space opens the system menu below an active system-menu
    // button. Returns whether the key was consumed (Alt+Space always is).
    bool ShortCut(const QKeySequence& key);

    // Hooks. OnShortCut sees each shortcut key first and sets Handled to keep it;
    // OnActivateCustomObject decides whether a custom object (command cmdefault) is shown.
    std::function<void(const QKeySequence& Key, bool& Handled)> OnShortCut;
    std::function<void(const QString& ObjectName, bool& Active)> OnActivateCustomObject;

Q_SIGNALS:
    void OnMaximize();
    void OnMinimize();
    void OnRestore();
    void OnChangeRollUpState();
    void OnMinimizeToTray();
    void OnRestoreFromTray();
    void OnActivate();
    void OnDeActivate();
    void OnChangeSkinData();
    void OnBeforeChangeSkinData();
    void OnAfterChangeSkinData();
    void OnMouseEnterEvent(const QString& ObjectName);
    void OnMouseLeaveEvent(const QString& ObjectName);
    void OnMouseDownEvent(const QString& ObjectName, Qt::MouseButton Button, int X, int Y);
    void OnMouseUpEvent(const QString& ObjectName, Qt::MouseButton Button, int X, int Y);
    void OnMouseMoveEvent(const QString& ObjectName, int X, int Y);
    void OnSkinMenuOpen();
    void OnSkinMenuClose();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Skin and shape.
    void SkinChange();
    void SetSkinnable(bool skinnable);
    void UpdateGeometry();
    void RepaintFrame();
    bool Resizable() const
    {
        return alwaysResize_ || borderStyle_ == TFormBorderStyle::bsSizeable
               || borderStyle_ == TFormBorderStyle::bsSizeToolWin;
    }
    FrameWindowSettings WindowSettings() const;
    FrameMouse::Context MouseContext() const;
    void HandleSkinMessage(TbsSkinMessageEvent& event);

    // The form's events and painting.
    bool FormEvent(QEvent* event);
    void CloseMenuOn(const QEvent& event);
    void Paint(QPaintEvent& event);
    FrameObjectPaint ObjectPaint() const;
    void ActivationChanged();
    void Shown();
    void Sized();
    void MenuClosed();
    void ConnectPointer();
    void ConnectWindowState();
    template <class Field>
    void Rebuild(Field& field, const Field& value);
    bool IsMainForm() const;
    // Emits a notification through the handler guard.
    void Fire(void (TbsSkinFrame::*signal)());

    QPointer<QWidget> form_;
    std::unique_ptr<WindowManager> ownWindows_;
    WindowManager& windows_;
    QPointer<TbsSkinData> skinData_;
    QPointer<TbsSkinData> menusSkinData_;
    QPointer<NotificationIcon> trayIcon_;

    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TbsBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize | biRollUp;
    bool hideCaptionButtons_ = false;
    bool disableSystemMenu_ = false;
    bool alwaysResize_ = false;
    TbsPositionInMonitor positionInMonitor_ = TbsPositionInMonitor::bspDefault;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    bool alwaysMinimizeToTray_ = false;
    bool alwaysShowInTray_ = false;
    bool showIcon_ = true;
    bool maximizeOnFullScreen_ = false;
    bool alphaBlend_ = false;
    bool alphaBlendAnimation_ = false;
    int alphaBlendValue_ = 200;
    bool showObjectHint_ = false;
    QFont defCaptionFont_;
    int minWidth_ = 0, minHeight_ = 0, maxWidth_ = 0, maxHeight_ = 0;

    bool skinnable_ = true;
    bool skinLoaded_ = false;
    bool painting_ = true;
    bool formActive_ = false;
    bool shownOnce_ = false;
    FrameShape shape_;
    FrameWindowState* window_;
    FrameMouse* mouse_;
    FormFadeIn fade_;
    QShortcut* systemMenuKey_ = nullptr;
    TbsSkinMenu* skinMenu_ = nullptr;
    FrameSystemMenu* systemMenu_ = nullptr;
};
