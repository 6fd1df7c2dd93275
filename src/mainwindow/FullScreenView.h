#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QRegion>
#include <QWidget>

// One view of a window shown alone on the whole screen: the window goes full screen with
// the view filling it and everything else hidden; leaving puts the view back where it was
// and the window back in its previous state, bounds and shape. When the view's own parent
// goes meanwhile, leaving deletes the view instead.
class FullScreenView : public QObject {
    Q_OBJECT
public:
    // Rest: the window's content besides the views, hidden while a view has the screen.
    FullScreenView(QWidget* window, QWidget* rest);

    bool Active() const { return active_; }
    QWidget* View() const { return view_; }
    // Gives View the whole screen; another view that has it gives it up first.
    void Enter(QWidget* view);
    void Leave();
    // Keeps the view over the whole window; for the window's resizes while active.
    void Fit();

Q_SIGNALS:
    void Changed();

private:
    // The view's own parent is going: the view goes with it.
    void HomeGone();

    QWidget* window_;
    QWidget* rest_;
    bool active_ = false;
    QPointer<QWidget> view_;
    QPointer<QWidget> home_;  // the view's own parent
    QRect viewGeometry_;
    Qt::WindowStates state_;
    QRect bounds_;
    QRegion shape_;
};
