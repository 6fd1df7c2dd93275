#include "framework/EventWatch.h"

EventWatch::EventWatch(Watch watch, QObject* parent) : QObject(parent), watch_(std::move(watch)) {}

bool EventWatch::eventFilter(QObject* watched, QEvent* event)
{
    return watch_(watched, event);
}
