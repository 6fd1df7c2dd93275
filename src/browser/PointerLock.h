#pragma once

#include <QObject>
#include <QWebEnginePage>

#include <chrono>
#include <optional>

class Clock;
class PointerLockHint;
class QWebEngineView;

// A tab's answer to its page asking to lock the mouse pointer (which games use to turn the
// view with the mouse): granted only to the tab in front of the active window, and only when
// the player clicked or pressed a key in it within GestureWindowMs before; refused otherwise.
// Once granted, PointerLockHint tells the player for HintTime how to get the pointer back.
// The engine gives the pointer back on Escape and whenever the page loses the keyboard: the
// tab leaving the front, the window being left.
class PointerLock : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 GestureWindowMs = 5000;
    static constexpr std::chrono::milliseconds HintTime{3000};

    PointerLock(QWebEngineView* view, Clock& clock);

    const PointerLockHint* Hint() const { return hint_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Requested(const QUrl& origin, QWebEnginePage::Feature feature);
    bool FollowsGesture() const;
    bool InFront() const;
    void Watch(QObject* child);

    QWebEngineView* view_;
    Clock& clock_;
    PointerLockHint* hint_;
    std::optional<qint64> lastGesture_;
    int hintShown_ = 0;  // counts the hints, so that an old one's end leaves a newer one up
};
