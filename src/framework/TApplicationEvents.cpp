#include "framework/TApplicationEvents.h"

#include "error/KestruneError.h"
#include "framework/DebugOutput.h"

#include <QList>
#include <stdexcept>

namespace {
QList<TApplicationEvents*>& Hubs()
{
    static QList<TApplicationEvents*> hubs;
    return hubs;
}
}  // namespace

TApplicationEvents::TApplicationEvents(QObject* parent) : QObject(parent)
{
    Hubs().append(this);
}

TApplicationEvents::~TApplicationEvents()
{
    Hubs().removeAll(this);
}

void TApplicationEvents::HandleException(const std::exception& error)
{
    if (Hubs().isEmpty()) {
        OutputDebugLine(ExceptionMessage(error));
        return;
    }
    TApplicationEvents* hub = Hubs().constLast();
    try {
        Q_EMIT hub->OnException(hub, error);
    } catch (const std::exception& failure) {
        // The last handler has nobody to hand its own failure to.
        OutputDebugLine(ExceptionMessage(error));
        OutputDebugLine(ExceptionMessage(failure));
    } catch (...) {
        OutputDebugLine(ExceptionMessage(error));
    }
}

QString TApplicationEvents::ExceptionMessage(const std::exception& error)
{
    const auto* own = dynamic_cast<const KestruneError*>(&error);
    return own ? own->message() : QString::fromUtf8(error.what());
}
