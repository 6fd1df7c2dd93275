#include "skinui/TbsPlatformCaps.h"

#include "skinui/CompositingProbe.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

bool HasMmx()
{
#if defined(__x86_64__) || defined(__i386__)
    return __builtin_cpu_supports("mmx");
#else
    return false;
#endif
}

QString YesNo(bool v)
{
    return v ? QStringLiteral("yes") : QStringLiteral("no");
}

} // namespace

TbsPlatformCaps TbsPlatformCaps::ForWindowSystem(const QString& name, bool compositingManager)
{
    TbsPlatformCaps caps;
    caps.windowSystem = name;
    caps.layeredWindows = WindowOpacityWorks(name, compositingManager);
    caps.translucentWindows = WindowSystemComposites(name, compositingManager);
    caps.screenPositions = !name.startsWith(QLatin1String("wayland"));
    caps.mmx = HasMmx();
    return caps;
}

QString TbsPlatformCaps::Describe() const
{
    return QStringLiteral("window system: %1\nlayered windows: %2\ntranslucent windows: %3\n"
                          "screen positions: %4\nmultiple monitors: %5\nmmx: %6")
        .arg(windowSystem, YesNo(layeredWindows), YesNo(translucentWindows), YesNo(screenPositions),
             YesNo(multipleMonitors), YesNo(mmx));
}

const TbsPlatformCaps& PlatformCaps()
{
    static const TbsPlatformCaps caps = [] {
        TbsPlatformCaps probed =
            TbsPlatformCaps::ForWindowSystem(QGuiApplication::platformName(), CompositingManagerPresent());
        probed.multipleMonitors = QGuiApplication::screens().size() > 1;
        return probed;
    }();
    return caps;
}
