#pragma once

#include <QObject>
#include <QTimer>

// A timer component on the user-interface thread: Enabled, Interval, an integer Tag, and
// OnTimer on every tick. Enabling a running timer does not restart its period.
class TTimer : public QObject {
    Q_OBJECT
public:
    explicit TTimer(QObject* parent = nullptr);

    bool Enabled() const { return timer_.isActive(); }
    void SetEnabled(bool enabled);
    int Interval() const { return timer_.interval(); }
    void SetInterval(int milliseconds);
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

Q_SIGNALS:
    void OnTimer(QObject* Sender);

private:
    QTimer timer_;
    int tag_ = 0;
};
