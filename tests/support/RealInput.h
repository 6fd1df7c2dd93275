#pragma once

#include "support/Wait.h"

#include <QProcess>
#include <QStringList>

// Real input on the process's X display through xdotool, with the event loop running
// meanwhile as it does while a player's hand is on the mouse.
inline bool Xdotool(const QStringList& arguments)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    return WaitFor([&] { return xdotool.state() == QProcess::NotRunning; }) && xdotool.exitStatus() == QProcess::NormalExit
        && xdotool.exitCode() == 0;
}
