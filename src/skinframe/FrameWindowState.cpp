#include "skinframe/FrameWindowState.h"

#include "framework/TApplicationEvents.h"
#include "platform/NotificationIcon.h"
#include "platform/WindowManager.h"

FrameWindowState::FrameWindowState(QWidget* form, WindowManager& windows,
                                   std::function<FrameWindowSettings()> settings, QObject* parent)
    : QObject(parent), form_(form), windows_(windows), settings_(std::move(settings))
{
}

void FrameWindowState::Announce(void (FrameWindowState::*signal)())
{
    form_->update();
    TApplicationEvents::Guard([&] { Q_EMIT(this->*signal)(); });
}

FrameSizeInput FrameWindowState::SizeInput() const
{
    const FrameWindowSettings settings = settings_();
    FrameSizeInput in = settings.size;
    in.minimized = state_ == TbsFrameWindowState::Minimized;
    in.rolledUp = rolledUp_;
    in.screenArea = windows_.ScreenArea(form_, !settings.maximizeOnFullScreen).size();
    return in;
}

QSize FrameWindowState::MinimumSize() const
{
    return FrameMinimumSize(SizeInput());
}

QSize FrameWindowState::MaximumSize() const
{
    return FrameMaximumSize(SizeInput());
}

bool FrameWindowState::BelowMinimum() const
{
    const QSize minimum = MinimumSize();
    return form_->width() < minimum.width() || form_->height() < minimum.height();
}

void FrameWindowState::ApplySizeLimits()
{
    if (!settings_().chrome) {
        // Limits the frame set go with its chrome; a form's own limits stay.
        if (limitsApplied_) {
            form_->setMinimumSize(0, 0);
            form_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        }
        limitsApplied_ = false;
        return;
    }
    limitsApplied_ = true;
    const QSize minimum = MinimumSize();
    form_->setMinimumSize(minimum);
    form_->setMaximumSize(MaximumSize().expandedTo(minimum));
}

void FrameWindowState::EnsureMinimumSize()
{
    const QSize minimum = MinimumSize();
    QSize size = form_->size();
    const bool minimized = state_ == TbsFrameWindowState::Minimized;
    if (rolledUp_ || minimized)
        size.setHeight(minimum.height());
    if (minimized)
        size.setWidth(minimum.width());
    form_->resize(size.expandedTo(minimum));
}

void FrameWindowState::RememberBounds()
{
    if (normalBounds_.isEmpty())
        normalBounds_ = form_->geometry();
}

void FrameWindowState::Maximize()
{
    const FrameWindowSettings settings = settings_();
    if (!settings.chrome) {
        form_->showMaximized();
        return;
    }
    RememberBounds();
    const QRect screen = windows_.ScreenArea(form_, false);
    QRect area = settings.maximizeOnFullScreen ? screen : windows_.ScreenArea(form_, true);
    if (area == screen)
        area.adjust(1, 1, -1, -1);
    state_ = TbsFrameWindowState::Maximized;
    rolledUp_ = false;
    ApplySizeLimits();
    form_->setGeometry(area);
    Announce(&FrameWindowState::Maximized);
}

void FrameWindowState::Minimize()
{
    const FrameWindowSettings settings = settings_();
    if (settings.alwaysMinimizeToTray) {
        MinimizeToTray();
        return;
    }
    if (!settings.chrome || settings.mainForm) {
        form_->showMinimized();
    } else {
        RememberBounds();
        state_ = TbsFrameWindowState::Minimized;
        ApplySizeLimits();
        form_->resize(MinimumSize());
    }
    Announce(&FrameWindowState::Minimized);
}

void FrameWindowState::Restore()
{
    if (!settings_().chrome || form_->isMinimized()) {
        form_->showNormal();
    } else {
        state_ = TbsFrameWindowState::Normal;
        rolledUp_ = false;
        ApplySizeLimits();
        if (!normalBounds_.isEmpty())
            form_->setGeometry(normalBounds_);
        normalBounds_ = QRect();
    }
    Announce(&FrameWindowState::Restored);
}

void FrameWindowState::RollUp()
{
    const FrameWindowSettings settings = settings_();
    if (!settings.rollUpOffered || state_ == TbsFrameWindowState::Minimized || !settings.chrome)
        return;
    rolledUp_ = !rolledUp_;
    if (rolledUp_)
        rollUpHeight_ = form_->height();
    ApplySizeLimits();
    const int unrolled = settings.unrolledHeight > 0 ? settings.unrolledHeight : rollUpHeight_;
    form_->resize(form_->width(), rolledUp_ ? MinimumSize().height() : unrolled);
    Announce(&FrameWindowState::RollUpChanged);
}

void FrameWindowState::MinimizeToTray()
{
    NotificationIcon* tray = settings_().tray;
    if (!tray)
        return;
    form_->hide();
    tray->Show();
    Announce(&FrameWindowState::MinimizedToTray);
}

void FrameWindowState::RestoreFromTray()
{
    if (form_->isVisible())
        return;
    const FrameWindowSettings settings = settings_();
    form_->show();
    form_->activateWindow();
    if (settings.tray && !settings.alwaysShowInTray)
        settings.tray->Hide();
    Announce(&FrameWindowState::RestoredFromTray);
}

void FrameWindowState::Centre(bool desktop)
{
    const QRect area = windows_.ScreenArea(form_, desktop);
    QRect bounds = form_->geometry();
    bounds.moveCenter(area.center());
    form_->setGeometry(bounds);
}

void FrameWindowState::CaptionDoubleClick(bool resizable, bool maximizeOffered)
{
    const bool maximized = state_ == TbsFrameWindowState::Maximized;
    if (resizable && state_ == TbsFrameWindowState::Minimized)
        Restore();
    else if (resizable && !maximized && !rolledUp_ && maximizeOffered)
        Maximize();
    else if (!resizable || !maximized || rolledUp_)
        RollUp();
    else
        Restore();
}

void FrameWindowState::RunCommand(TbsSkinCommand command)
{
    switch (command) {
    case TbsSkinCommand::Close:
        // After the release that asked for it has been handled.
        QMetaObject::invokeMethod(form_, &QWidget::close, Qt::QueuedConnection);
        return;
    case TbsSkinCommand::Maximize:
        if (state_ == TbsFrameWindowState::Maximized)
            Restore();
        else
            Maximize();
        return;
    case TbsSkinCommand::Minimize: Minimize(); return;
    case TbsSkinCommand::RollUp: RollUp(); return;
    case TbsSkinCommand::MinimizeToTray: MinimizeToTray(); return;
    case TbsSkinCommand::SysMenu:
    case TbsSkinCommand::Default: return;
    }
}

void FrameWindowState::RunSystemMenuCommand(SystemMenuCommand command)
{
    switch (command) {
    case SystemMenuCommand::Minimize: Minimize(); return;
    case SystemMenuCommand::Maximize: Maximize(); return;
    case SystemMenuCommand::Restore:
        if (rolledUp_)
            RollUp();
        if (state_ != TbsFrameWindowState::Normal)
            Restore();
        return;
    case SystemMenuCommand::RollUp: RollUp(); return;
    case SystemMenuCommand::MinimizeToTray: MinimizeToTray(); return;
    case SystemMenuCommand::Close: RunCommand(TbsSkinCommand::Close); return;
    case SystemMenuCommand::Separator: return;
    }
}
