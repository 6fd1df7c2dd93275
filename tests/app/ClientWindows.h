#pragma once

#include "support/Wait.h"
#include "support/XvfbSession.h"

#include <QProcess>
#include <optional>

// The real client's windows on a session's display, found by its process id, and a player's
// real clicks on its tray icon and menu.
class ClientWindows {
public:
    using Window = XvfbSession::Window;

    ClientWindows(const XvfbSession& display, const QProcess& client) : display_(display), client_(client) {}

    // The icon in the notification area.
    std::optional<Window> TrayIcon() const
    {
        return Find([](const Window& window) { return XvfbSession::TrayArea().contains(window.bounds); });
    }
    // An open skinned menu: placed by the client itself, outside the notification area.
    std::optional<Window> Menu() const
    {
        return Find([](const Window& window) {
            return window.overrideRedirect && !XvfbSession::TrayArea().contains(window.bounds);
        });
    }
    // A shown window of the client's that the window manager placed, other than the icon: the
    // main window or a dialog.
    QList<Window> Shown() const
    {
        QList<Window> shown;
        for (const Window& window : display_.WindowsOf(client_.processId()))
            if (!window.overrideRedirect && !XvfbSession::TrayArea().contains(window.bounds))
                shown << window;
        return shown;
    }

    bool DoubleClickTrayIcon() const
    {
        const auto icon = TrayIcon();
        return icon && display_.Click(icon->bounds.center(), 1, 2);
    }
    // Right-clicks the icon and waits for the menu.
    std::optional<Window> OpenTrayMenu() const
    {
        const auto icon = TrayIcon();
        if (!icon || !display_.Click(icon->bounds.center(), 3))
            return std::nullopt;
        WaitFor([&] { return Menu().has_value(); });
        return Menu();
    }
    // Clicks item index of a menu of count items of the same height.
    bool ChooseItem(const Window& menu, int index, int count) const
    {
        const QRect& r = menu.bounds;
        return display_.Click(QPoint(r.center().x(), r.top() + r.height() * (2 * index + 1) / (2 * count)));
    }

private:
    template <typename Predicate>
    std::optional<Window> Find(Predicate predicate) const
    {
        for (const Window& window : display_.WindowsOf(client_.processId()))
            if (predicate(window))
                return window;
        return std::nullopt;
    }

    const XvfbSession& display_;
    const QProcess& client_;
};
