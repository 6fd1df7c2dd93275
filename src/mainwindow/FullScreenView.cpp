#include "mainwindow/FullScreenView.h"

#include "framework/TTabSheet.h"

FullScreenView::FullScreenView(QWidget* window, QWidget* rest) : QObject(window), window_(window), rest_(rest) {}

void FullScreenView::Enter(QWidget* view)
{
    if (!view || (active_ && view == view_))
        return;
    Leave();
    active_ = true;
    state_ = window_->windowState();
    bounds_ = window_->geometry();
    shape_ = window_->mask();
    view_ = view;
    home_ = view->parentWidget();
    viewGeometry_ = view->geometry();
    // The screen comes back when the view goes, or the tab it came from. A sheet says so as its
    // destruction begins: it leaves its page control then, which may activate another page and
    // so leave the whole screen, and the view must not go back into it.
    connect(view, &QObject::destroyed, this, &FullScreenView::Leave);
    if (auto* sheet = qobject_cast<TTabSheet*>(home_))
        connect(sheet, &TTabSheet::Destroying, this, &FullScreenView::HomeGone);
    else if (home_)
        connect(home_, &QObject::destroyed, this, &FullScreenView::HomeGone);

    view->setParent(window_);
    rest_->hide();
    window_->clearMask();
    Fit();
    view->show();
    view->raise();
    view->setFocus();
    window_->setWindowState((state_ & ~Qt::WindowMinimized) | Qt::WindowFullScreen);
    Q_EMIT Changed();
}

void FullScreenView::HomeGone()
{
    if (home_)
        disconnect(home_, nullptr, this, nullptr);
    home_ = nullptr;
    Leave();
}

void FullScreenView::Leave()
{
    if (!active_)
        return;
    active_ = false;
    if (home_)
        disconnect(home_, nullptr, this, nullptr);
    if (view_) {
        disconnect(view_, nullptr, this, nullptr);
        if (home_) {
            view_->setParent(home_);
            view_->setGeometry(viewGeometry_);
            view_->show();
            view_->setFocus();
        } else {
            view_->deleteLater();  // its tab is gone; the view went with it
        }
    }
    view_ = nullptr;
    home_ = nullptr;
    rest_->show();
    window_->setWindowState(state_);
    window_->setGeometry(bounds_);
    window_->setMask(shape_);
    Q_EMIT Changed();
}

void FullScreenView::Fit()
{
    if (view_)
        view_->setGeometry(window_->rect());
}
