#include "skinui/MenuSkin.h"

#include "skin/TbsDataSkinMenuItem.h"
#include "skin/TbsSkinData.h"
#include "skinui/SkinColor.h"
#include "skinui/SkinFont.h"
#include "skinui/SkinObjectMapping.h"
#include "skinui/SkinRect.h"

namespace {

const TbsDataSkinMenuItem* FirstMenuItemObject(const TbsSkinData& store)
{
    for (const auto& object : store.SkinObjects()) {
        if (const auto* item = dynamic_cast<const TbsDataSkinMenuItem*>(object.get()))
            return item;
    }
    return nullptr;
}

bool Inside(const QImage& picture, const QRect& part)
{
    return part.isEmpty() || picture.rect().contains(part);
}

bool ItemFitsPicture(const TbsDataSkinMenuItem& item, const QImage& picture)
{
    const bool hasLook = !item.skinrect.isEmpty() || !item.activeskinrect.isEmpty();
    return hasLook && Inside(picture, item.skinrect) && Inside(picture, item.activeskinrect)
        && Inside(picture, item.dividerrect) && Inside(picture, item.arrowimagerect)
        && Inside(picture, item.activearrowimagerect) && Inside(picture, item.checkimagerect)
        && Inside(picture, item.activecheckimagerect) && Inside(picture, item.radioimagerect)
        && Inside(picture, item.activeradioimagerect);
}

void CopyWindow(MenuSkin& skin, const TbsDataSkinPopupWindow& window)
{
    skin.itemsRect = window.itemsrect;
    skin.windowGeometry = NinePieceGeometryOf(window, window.itemsrect);
    skin.windowOptions = NinePieceOptionsOf(window);
    skin.windowStretch = MiddleStretchTypeOf(window.stretchtype);
    skin.scrollMarkerColor = SkinColorOf(window.scrollmarkercolor);
    skin.scrollMarkerActiveColor = SkinColorOf(window.scrollmarkeractivecolor);
}

void CopyItem(MenuSkin& skin, const TbsDataSkinMenuItem& item)
{
    skin.itemFont = SkinFont(item);
    skin.normalRect = item.skinrect;
    skin.activeRect = item.activeskinrect;
    skin.dividerRect = item.dividerrect;
    skin.dividerLeftOffset = item.dividerleftoffset;
    skin.dividerRightOffset = item.dividerrightoffset;
    skin.dividerStretch = item.dividerstretcheffect;
    skin.itemLeftOffset = item.itemleftoffset;
    skin.itemRightOffset = item.itemrightoffset;
    skin.itemStretch = item.stretcheffect;
    skin.textRect = item.textrect;
    skin.imageRect = item.imagerect;
    skin.fontColor = SkinColorOf(item.fontcolor);
    skin.activeFontColor = SkinColorOf(item.activefontcolor);
    skin.disabledFontColor = SkinColorOf(item.unenabledfontcolor);
    skin.useImageColor = item.useimagecolor;
    skin.imageColor = SkinColorOf(item.imagecolor);
    skin.activeImageColor = SkinColorOf(item.activeimagecolor);
    skin.checkRect = item.checkimagerect;
    skin.activeCheckRect = item.activecheckimagerect;
    skin.radioRect = item.radioimagerect;
    skin.activeRadioRect = item.activeradioimagerect;
    skin.arrowRect = item.arrowimagerect;
    skin.activeArrowRect = item.activearrowimagerect;
}

} // namespace

MenuSkin MenuSkin::Of(const TbsSkinData* store)
{
    if (!store || store->IsEmpty())
        return {};
    const TbsDataSkinPopupWindow& window = store->PopupWindowSkin();
    const QImage* windowPicture = SkinPicture(*store, window.windowpictureindex);
    if (!windowPicture || window.itemsrect.isEmpty() || !windowPicture->rect().contains(window.itemsrect))
        return {};
    const TbsDataSkinMenuItem* item = FirstMenuItemObject(*store);
    const QImage* itemPicture = item ? SkinPicture(*store, item->activepictureindex) : nullptr;
    if (!itemPicture || !ItemFitsPicture(*item, *itemPicture))
        return {};
    MenuSkin skin;
    skin.skinned = true;
    skin.windowPicture = *windowPicture;
    const QImage* mask = SkinPicture(*store, window.maskpictureindex);
    if (mask && mask->size() == windowPicture->size())
        skin.maskPicture = *mask;
    skin.itemPicture = *itemPicture;
    skin.windowDoubleSize = store->DoubleSizePictures().Picture(window.windowpictureindex);
    skin.itemDoubleSize = store->DoubleSizePictures().Picture(item->activepictureindex);
    CopyWindow(skin, window);
    CopyItem(skin, *item);
    return skin;
}

QRect MenuSkin::HotRect() const
{
    return activeRect.isEmpty() ? normalRect : activeRect;
}

int MenuSkin::ItemHeight() const
{
    return normalRect.isEmpty() ? activeRect.height() : normalRect.height();
}

int MenuSkin::SeparatorHeight() const
{
    return dividerRect.isEmpty() ? 0 : dividerRect.height();
}

QMargins MenuSkin::ItemsMargins() const
{
    return QMargins(itemsRect.x(), itemsRect.y(), windowPicture.width() - RightOf(itemsRect),
                    windowPicture.height() - BottomOf(itemsRect));
}

QRect MenuSkin::TextRect(const QRect& itemRect) const
{
    if (textRect.isEmpty())
        return itemRect;
    const int skinWidth = HotRect().width();
    return SkinRect(itemRect.x() + textRect.x(), itemRect.y() + textRect.y(),
                    RightOf(itemRect) - (skinWidth - RightOf(textRect)), itemRect.y() + BottomOf(textRect));
}

QRect MenuSkin::ImageRect(const QRect& itemRect) const
{
    return imageRect.translated(itemRect.topLeft());
}
