#include "skinui/MenuSkin.h"

#include "skin/TbsDataSkinMenuItem.h"
#include "skin/TbsSkinData.h"
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
    const QImage* mask = SkinPicture(*store, window.maskpictureindex);
    if (mask && mask->size() != windowPicture->size())
        mask = nullptr;
    return {&window, windowPicture, mask, item, itemPicture};
}

QRect MenuSkin::NormalRect() const
{
    return item->skinrect;
}

QRect MenuSkin::HotRect() const
{
    return item->activeskinrect.isEmpty() ? item->skinrect : item->activeskinrect;
}

int MenuSkin::ItemHeight() const
{
    return item->skinrect.isEmpty() ? item->activeskinrect.height() : item->skinrect.height();
}

int MenuSkin::SeparatorHeight() const
{
    return item->dividerrect.isEmpty() ? 0 : item->dividerrect.height();
}

QMargins MenuSkin::ItemsMargins() const
{
    const QRect& items = window->itemsrect;
    return QMargins(items.x(), items.y(), windowPicture->width() - RightOf(items),
                    windowPicture->height() - BottomOf(items));
}

QRect MenuSkin::TextRect(const QRect& itemRect) const
{
    const QRect& text = item->textrect;
    if (text.isEmpty())
        return itemRect;
    const int skinWidth = HotRect().width();
    return SkinRect(itemRect.x() + text.x(), itemRect.y() + text.y(),
                    RightOf(itemRect) - (skinWidth - RightOf(text)), itemRect.y() + BottomOf(text));
}

QRect MenuSkin::ImageRect(const QRect& itemRect) const
{
    return item->imagerect.translated(itemRect.topLeft());
}
