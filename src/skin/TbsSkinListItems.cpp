#include "skin/TbsSkinListItems.h"

TbsSkinListItems::TbsSkinListItems(TbsCompressedSkinList& owner) : owner_(owner) {}

TbsSkinListItem& TbsSkinListItems::Add()
{
    items_.push_back(std::make_unique<TbsSkinListItem>(*this, Count()));
    return *items_.back();
}

void TbsSkinListItems::Clear()
{
    items_.clear();
}

void TbsSkinListItems::Assign(const TbsSkinListItems& other)
{
    if (&other == this)
        return;
    Clear();
    for (const auto& item : other.items_)
        Add().Assign(*item);
}
