#include "app/WindowSystemChoice.h"

#include <QtGlobal>

QByteArray ChooseWindowSystem(const QByteArray& qpaPlatform, const QByteArray& x11Display,
                              const QByteArray& waylandDisplay)
{
    if (!qpaPlatform.isEmpty() || waylandDisplay.isEmpty())
        return {};
    return x11Display.isEmpty() ? QByteArrayLiteral("wayland") : QByteArrayLiteral("xcb");
}

void ChooseWindowSystemForSession()
{
    const QByteArray chosen =
        ChooseWindowSystem(qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY"));
    if (!chosen.isEmpty())
        qputenv("QT_QPA_PLATFORM", chosen);
}
