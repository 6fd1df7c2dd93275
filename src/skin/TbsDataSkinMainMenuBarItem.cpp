#include "skin/TbsDataSkinMainMenuBarItem.h"

QString TbsDataSkinMainMenuBarItem::KindWord() const
{
    return QStringLiteral("mainmenubaritem");
}
