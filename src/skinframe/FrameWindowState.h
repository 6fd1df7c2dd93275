#pragma once

#include "skin/SkinValueTypes.h"
#include "skinframe/FrameSizeLimits.h"
#include "skinframe/SystemMenuItems.h"
#include "skinframe/TbsSkinFrameTypes.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <functional>

class NotificationIcon;
class WindowManager;

// What a frame's settings and skin say about its form's size and window commands; the state
// reads them afresh for every command.
struct FrameWindowSettings {
    bool chrome = true;                // the frame draws the form's chrome
    FrameSizeInput size;               // skin and limits; the state fills in its own part
    bool maximizeOnFullScreen = false;
    bool alwaysMinimizeToTray = false;
    bool mainForm = false;             // the application's main form: the platform minimizes it
    bool rollUpOffered = false;
    int unrolledHeight = 0;            // ClientHeight with the borders, when set
    NotificationIcon* tray = nullptr;
    bool alwaysShowInTray = false;
};

// The window state a skinned frame manages for its form, and the commands that change it:
// maximized to the work area (or the screen), minimized to its smallest size, rolled up to its
// caption, hidden to the tray, and back, with the bounds the form had before; the size limits
// that follow from the state; and the caption buttons' and system menu's commands. Each
// command announces itself by its signal once done. Without chrome the form's own window
// states serve.
class FrameWindowState : public QObject {
    Q_OBJECT
public:
    FrameWindowState(QWidget* form, WindowManager& windows, std::function<FrameWindowSettings()> settings,
                     QObject* parent = nullptr);

    TbsFrameWindowState State() const { return state_; }
    bool RolledUp() const { return rolledUp_; }
    // The bounds a restore returns to; empty while the form is in its normal state.
    QRect NormalBounds() const { return normalBounds_; }

    QSize MinimumSize() const;
    QSize MaximumSize() const;
    bool BelowMinimum() const;
    // Gives the form the limits while the frame draws its chrome; takes them away after.
    void ApplySizeLimits();
    // Enlarges the form to its minimum size; a rolled-up or minimized form takes its height.
    void EnsureMinimumSize();

    // Fills the work area of the form's screen (the whole screen with MaximizeOnFullScreen); a
    // work area as large as the screen leaves one pixel on each side, so that a panel hidden
    // at a screen edge can still be reached.
    void Maximize();
    // Shrinks the form to its smallest size (the platform minimizes the main form).
    void Minimize();
    // Back to the normal state and the remembered bounds.
    void Restore();
    // Rolls the form up to its caption, or down again.
    void RollUp();
    // Hides the form and shows the tray icon; the icon's double click brings it back.
    void MinimizeToTray();
    void RestoreFromTray();
    // Centres the form on its screen: on the work area for desktop, else on the whole screen.
    void Centre(bool desktop);

    // A double click on the caption of a form (resizable or not, with or without a maximize
    // button): restores a minimized one, maximizes, rolls up or down, or restores.
    void CaptionDoubleClick(bool resizable, bool maximizeOffered);
    // A caption button's command, and a system-menu item's.
    void RunCommand(TbsSkinCommand command);
    void RunSystemMenuCommand(SystemMenuCommand command);

Q_SIGNALS:
    void Maximized();
    void Minimized();
    void Restored();
    void RollUpChanged();
    void MinimizedToTray();
    void RestoredFromTray();

private:
    FrameSizeInput SizeInput() const;
    void RememberBounds();
    void Announce(void (FrameWindowState::*signal)());

    QPointer<QWidget> form_;
    WindowManager& windows_;
    std::function<FrameWindowSettings()> settings_;
    TbsFrameWindowState state_ = TbsFrameWindowState::Normal;
    bool rolledUp_ = false;
    int rollUpHeight_ = 0;
    QRect normalBounds_;
    bool limitsApplied_ = false;  // the form's size limits are the frame's
};
