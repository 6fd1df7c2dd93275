#include "skincontrols/EditSkin.h"

#include "skin/TbsDataSkinEditControl.h"
#include "skin/TbsSkinData.h"
#include "skinui/SkinColor.h"
#include "skinui/SkinFont.h"

EditSkin EditSkin::Read(const TbsSkinData& store, const TbsDataSkinEditControl* object)
{
    EditSkin skin;
    const QImage* picture = object ? SkinPicture(store, object->pictureindex) : nullptr;
    if (!picture || object->skinrect.isEmpty())
        return skin;
    skin.valid = true;
    skin.picture = *picture;
    skin.doubleSize = store.DoubleSizePictures().Picture(object->pictureindex);
    skin.skinRect = object->skinrect;
    skin.activeSkinRect = object->activeskinrect.isEmpty() ? object->skinrect : object->activeskinrect;
    skin.growth = ControlGrowthOf(*object);
    skin.font = SkinFont(*object);
    skin.fontColor = SkinColorOf(object->fontcolor);
    skin.activeFontColor = SkinColorOf(object->activefontcolor);
    skin.disabledFontColor = SkinColorOf(object->disabledfontcolor);
    return skin;
}
