#include "skinui/PointerPosition.h"

#include "platform/WindowOrigin.h"
#include "skinui/TbsPlatformCaps.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>

std::optional<QPoint> PointerOver(const QWidget& widget)
{
    const QWidget* window = widget.window();
    QPoint inWindow;
    if (PlatformCaps().screenPositions) {
        // The pointer and the window as the window system has them now; which of the
        // application's windows lies in front there, by the toolkit's own record of them.
        inWindow = QCursor::pos() - WindowScreenOrigin(*window);
        if (!window->rect().contains(inWindow))
            return std::nullopt;
        const QWidget* under = QApplication::widgetAt(window->mapToGlobal(inWindow));
        if (!under || under->window() != window)
            return std::nullopt;
    } else {
        if (!window->underMouse())
            return std::nullopt;
        inWindow = window->mapFromGlobal(QCursor::pos());
    }
    return widget.mapFrom(window, inWindow);
}
