#pragma once

#include <QObject>
#include <functional>

// An event filter that hands the events it sees to a function; true from it takes the event.
// For an owner that already filters one object's events and must also watch another's (or
// the whole application's) without seeing its own object's events twice.
class EventWatch : public QObject {
public:
    using Watch = std::function<bool(QObject* watched, QEvent* event)>;
    EventWatch(Watch watch, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Watch watch_;
};
