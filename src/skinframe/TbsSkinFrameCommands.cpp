// The window commands of the caption buttons and the system menu, the shortcut hook and the tray.
#include "skinframe/TbsSkinFrame.h"

#include "framework/TApplicationEvents.h"
#include "platform/NotificationIcon.h"
#include "platform/WindowManager.h"
#include "skin/TbsSkinFormRegistry.h"
#include "skinframe/TbsSkinStdButtonObject.h"

#include <QWidget>

void TbsSkinFrame::Fire(void (TbsSkinFrame::*signal)())
{
    TApplicationEvents::Guard([&] { Q_EMIT(this->*signal)(); });
}

bool TbsSkinFrame::IsMainForm() const
{
    const QList<QObject*> forms = TbsSkinFormRegistry::Instance().Forms();
    return !forms.isEmpty() && forms.first() == form_;
}

void TbsSkinFrame::RememberBounds()
{
    if (normalBounds_.isEmpty())
        normalBounds_ = form_->geometry();
}

void TbsSkinFrame::PlaceOnFirstShow()
{
    if (positionInMonitor_ == TbsPositionInMonitor::bspDefault)
        return;
    const QRect area = windows_.ScreenArea(form_, positionInMonitor_ == TbsPositionInMonitor::bspDesktopCenter);
    QRect bounds = form_->geometry();
    bounds.moveCenter(area.center());
    form_->setGeometry(bounds);
}

void TbsSkinFrame::MaximizeWindow()
{
    if (!DrawsChrome()) {
        form_->showMaximized();
        return;
    }
    RememberBounds();
    const QRect screen = windows_.ScreenArea(form_, false);
    QRect area = maximizeOnFullScreen_ ? screen : windows_.ScreenArea(form_, true);
    // A work area as large as the screen leaves one pixel on each side, so that a panel that
    // hides itself at a screen edge can still be reached.
    if (area == screen)
        area.adjust(1, 1, -1, -1);
    windowState_ = TbsFrameWindowState::Maximized;
    rolledUp_ = false;
    ApplySizeLimits();
    form_->setGeometry(area);
    RepaintFrame();
    Fire(&TbsSkinFrame::OnMaximize);
}

void TbsSkinFrame::MinimizeWindow()
{
    if (alwaysMinimizeToTray_) {
        MinimizeToTray();
        return;
    }
    if (!DrawsChrome() || IsMainForm()) {
        form_->showMinimized();
    } else {
        RememberBounds();
        windowState_ = TbsFrameWindowState::Minimized;
        ApplySizeLimits();
        form_->resize(MinimumSize());
        RepaintFrame();
    }
    Fire(&TbsSkinFrame::OnMinimize);
}

void TbsSkinFrame::RestoreWindow()
{
    if (!DrawsChrome() || form_->isMinimized()) {
        form_->showNormal();
    } else {
        windowState_ = TbsFrameWindowState::Normal;
        rolledUp_ = false;
        ApplySizeLimits();
        if (!normalBounds_.isEmpty())
            form_->setGeometry(normalBounds_);
        normalBounds_ = QRect();
        RepaintFrame();
    }
    Fire(&TbsSkinFrame::OnRestore);
}

void TbsSkinFrame::RollUpWindow()
{
    if (!borderIcons_.testFlag(biRollUp) || windowState_ == TbsFrameWindowState::Minimized || !DrawsChrome())
        return;
    if (!rolledUp_) {
        rollUpHeight_ = form_->height();
        rolledUp_ = true;
        ApplySizeLimits();
        form_->resize(form_->width(), MinimumSize().height());
    } else {
        rolledUp_ = false;
        ApplySizeLimits();
        const QMargins borders = geometry_.Borders();
        const int height = clientHeight_ > 0 ? clientHeight_ + borders.top() + borders.bottom() : rollUpHeight_;
        form_->resize(form_->width(), height);
    }
    RepaintFrame();
    Fire(&TbsSkinFrame::OnChangeRollUpState);
}

void TbsSkinFrame::MinimizeToTray()
{
    if (!trayIcon_)
        return;
    form_->hide();
    trayIcon_->Show();
    Fire(&TbsSkinFrame::OnMinimizeToTray);
}

void TbsSkinFrame::RestoreFromTray()
{
    if (form_->isVisible())
        return;
    form_->show();
    form_->activateWindow();
    if (trayIcon_ && !alwaysShowInTray_)
        trayIcon_->Hide();
    Fire(&TbsSkinFrame::OnRestoreFromTray);
}

void TbsSkinFrame::RunCommand(TbsSkinCommand command)
{
    switch (command) {
    case TbsSkinCommand::Close:
        // After the release that asked for it has been handled.
        QMetaObject::invokeMethod(form_, &QWidget::close, Qt::QueuedConnection);
        return;
    case TbsSkinCommand::Maximize:
        if (windowState_ == TbsFrameWindowState::Maximized)
            RestoreWindow();
        else
            MaximizeWindow();
        return;
    case TbsSkinCommand::Minimize:
        MinimizeWindow();
        return;
    case TbsSkinCommand::RollUp:
        RollUpWindow();
        return;
    case TbsSkinCommand::MinimizeToTray:
        MinimizeToTray();
        return;
    case TbsSkinCommand::SysMenu:
    case TbsSkinCommand::Default:
        return;
    }
}

void TbsSkinFrame::RunSystemMenuCommand(SystemMenuCommand command)
{
    switch (command) {
    case SystemMenuCommand::Minimize: MinimizeWindow(); return;
    case SystemMenuCommand::Maximize: MaximizeWindow(); return;
    case SystemMenuCommand::Restore:
        if (rolledUp_)
            RollUpWindow();
        if (windowState_ != TbsFrameWindowState::Normal)
            RestoreWindow();
        return;
    case SystemMenuCommand::RollUp: RollUpWindow(); return;
    case SystemMenuCommand::MinimizeToTray: MinimizeToTray(); return;
    case SystemMenuCommand::Close: RunCommand(TbsSkinCommand::Close); return;
    case SystemMenuCommand::Separator: return;
    }
}

QList<SystemMenuItem> TbsSkinFrame::SystemMenuItems() const
{
    SystemMenuState state;
    state.windowState = windowState_;
    state.rolledUp = rolledUp_;
    state.icons = borderIcons_;
    return BuildSystemMenuItems(state, skinData_);
}

bool TbsSkinFrame::ShortCut(const QKeySequence& key)
{
    bool handled = false;
    TApplicationEvents::CallHook(OnShortCut, key, handled);
    if (handled || key != QKeySequence(Qt::ALT | Qt::Key_Space))
        return handled;
    TbsSkinStdButtonObject* button = SystemMenuButton();
    if (button && button->Active && button->Visible && DrawsChrome())
        OpenSystemMenuAt(button->ObjectRect);
    return true;
}

