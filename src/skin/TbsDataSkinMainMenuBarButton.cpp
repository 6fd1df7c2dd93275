#include "skin/TbsDataSkinMainMenuBarButton.h"

QString TbsDataSkinMainMenuBarButton::KindWord() const
{
    return QStringLiteral("mainmenubarbutton");
}
