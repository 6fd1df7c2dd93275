#pragma once

#include "support/Wait.h"

#include <QPoint>
#include <QProcess>
#include <QStringList>
#include <QWidget>
#include <optional>

// Real input on the process's X display through xdotool, with the event loop running
// meanwhile as it does while a player's hand is on the mouse.
inline bool Xdotool(const QStringList& arguments)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    return WaitFor([&] { return xdotool.state() == QProcess::NotRunning; }) && xdotool.exitStatus() == QProcess::NormalExit
        && xdotool.exitCode() == 0;
}

// Where the X server has a window's top-left on the screen, whatever the toolkit believes.
inline std::optional<QPoint> XWindowOrigin(WId window)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), QString::number(window)});
    if (!WaitFor([&] { return xdotool.state() == QProcess::NotRunning; }) || xdotool.exitCode() != 0)
        return std::nullopt;
    QPoint origin(-1, -1);
    for (const QByteArray& line : xdotool.readAllStandardOutput().split('\n')) {
        if (line.startsWith("X="))
            origin.setX(line.mid(2).toInt());
        else if (line.startsWith("Y="))
            origin.setY(line.mid(2).toInt());
    }
    return origin;
}
