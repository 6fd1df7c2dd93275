#include "skinframe/SystemMenuItems.h"

#include "skin/SkinResourceString.h"

namespace {

SystemMenuItem Item(SystemMenuCommand command, const char* name, const char* captionKey, const TbsSkinData* store)
{
    return {command, QLatin1String(name), SkinResourceString(store, QLatin1String(captionKey)), {}};
}

}  // namespace

QList<SystemMenuItem> BuildSystemMenuItems(const SystemMenuState& s, const TbsSkinData* store)
{
    const bool minimized = s.windowState == TbsFrameWindowState::Minimized;
    const bool maximized = s.windowState == TbsFrameWindowState::Maximized;
    QList<SystemMenuItem> items;
    if (!minimized && s.icons.testFlag(biMinimize))
        items << Item(SystemMenuCommand::Minimize, "BSF_MINITEM", "MI_MINCAPTION", store);
    if (!maximized && s.icons.testFlag(biMaximize))
        items << Item(SystemMenuCommand::Maximize, "BSF_MAXITEM", "MI_MAXCAPTION", store);
    if (minimized || maximized || s.rolledUp)
        items << Item(SystemMenuCommand::Restore, "BSF_RESTORE", "MI_RESTORECAPTION", store);
    if (!s.rolledUp && !minimized && s.icons.testFlag(biRollUp))
        items << Item(SystemMenuCommand::RollUp, "BSF_ROLLUP", "MI_ROLLUPCAPTION", store);
    if (s.icons.testFlag(biMinimizeToTray))
        items << Item(SystemMenuCommand::MinimizeToTray, "BSF_MINTOTRAY", "MI_MINTOTRAYCAPTION", store);
    if (!items.isEmpty())
        items << SystemMenuItem{SystemMenuCommand::Separator, QStringLiteral("-"), QStringLiteral("-"), {}};
    SystemMenuItem close = Item(SystemMenuCommand::Close, "BSF_CLOSE", "MI_CLOSECAPTION", store);
    close.shortcut = QKeySequence(Qt::ALT | Qt::Key_F4);
    items << close;
    return items;
}
