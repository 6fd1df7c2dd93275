#pragma once

#include "support/XvfbSession.h"

#include <QByteArray>
#include <QWidget>

#include <optional>

// The X session the real-window tests run in, and what they read from the X server.
namespace WindowsSession {

void Set(XvfbSession* session);
XvfbSession& Get();

// The window's _NET_WM_WINDOW_OPACITY (0 transparent .. 0xFFFFFFFF opaque); none when the
// window has no such property, which counts as opaque.
std::optional<quint32> WindowOpacityProperty(const QWidget& window);

}  // namespace WindowsSession
