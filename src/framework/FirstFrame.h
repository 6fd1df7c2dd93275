#pragma once

#include <QObject>
#include <functional>

class QWidget;
class QWindow;

// Runs an action once a window's first frame is on screen: in the turn of the event loop
// after the first expose of its native window, whose handling paints and flushes the whole
// window. Work that blocks the thread for long (starting the web engine) thus comes after the
// user sees the window. Nothing runs while the window stays unexposed, nor after the window
// is gone.
class FirstFrame : public QObject {
    Q_OBJECT
public:
    // Call before the window is first shown.
    static void Then(QWidget* window, std::function<void()> action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FirstFrame(QWidget* window, std::function<void()> action);
    void Run();

    QWidget* window_;
    QWindow* handle_ = nullptr;
    std::function<void()> action_;
};
