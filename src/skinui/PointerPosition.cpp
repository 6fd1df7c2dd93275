#include "skinui/PointerPosition.h"

#include "platform/WindowOrigin.h"
#include "skinui/TbsPlatformCaps.h"

#include <QCursor>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

std::optional<QPoint> PointerOver(const QWidget& widget)
{
    const QWidget* window = widget.window();
    const QPoint global = QCursor::pos();
    QPoint inWindow;
    if (PlatformCaps().screenPositions) {
        // The pointer, the window under it and that window's place, all as the window system
        // has them now.
        if (QGuiApplication::topLevelAt(global) != window->windowHandle())
            return std::nullopt;
        inWindow = global - WindowScreenOrigin(*window);
    } else {
        if (!window->underMouse())
            return std::nullopt;
        inWindow = window->mapFromGlobal(global);
    }
    return widget.mapFrom(window, inWindow);
}
