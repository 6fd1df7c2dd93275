#include "skincontrols/CheckBoxSkin.h"

#include "skin/TbsDataSkinCheckRadioControl.h"
#include "skin/TbsSkinData.h"
#include "skinui/SkinColor.h"
#include "skinui/SkinFont.h"
#include "skinui/SkinObjectMapping.h"

namespace {
QRect OrElse(const QRect& rect, const QRect& fallback)
{
    return rect.isEmpty() ? fallback : rect;
}
}  // namespace

CheckBoxSkin CheckBoxSkin::Read(const TbsSkinData& store, const TbsDataSkinCheckRadioControl* object)
{
    CheckBoxSkin skin;
    const QImage* picture = object ? SkinPicture(store, object->pictureindex) : nullptr;
    if (!picture || object->checkimagerect.isEmpty() || object->uncheckimagerect.isEmpty())
        return skin;
    skin.valid = true;
    skin.picture = *picture;
    skin.doubleSize = store.DoubleSizePictures().Picture(object->pictureindex);
    skin.checked = object->checkimagerect;
    skin.unchecked = object->uncheckimagerect;
    skin.hotChecked = OrElse(object->activecheckimagerect, skin.checked);
    skin.hotUnchecked = OrElse(object->activeuncheckimagerect, skin.unchecked);
    skin.disabledChecked = OrElse(object->unenabledcheckimagerect, skin.checked);
    skin.disabledUnchecked = OrElse(object->unenableduncheckimagerect, skin.unchecked);
    skin.font = SkinFont(*object);
    skin.fontColor = SkinColorOf(object->fontcolor);
    skin.hotFontColor = SkinColorOf(object->activefontcolor);
    skin.disabledFontColor = SkinColorOf(object->unenabledfontcolor);
    return skin;
}
