#pragma once

#include "skin/TbsSkinListItem.h"

#include <memory>
#include <vector>

class TbsCompressedSkinList;

// The items of one skin list, in order.
class TbsSkinListItems {
public:
    explicit TbsSkinListItems(TbsCompressedSkinList& owner);
    TbsSkinListItems(const TbsSkinListItems&) = delete;
    TbsSkinListItems& operator=(const TbsSkinListItems&) = delete;

    TbsCompressedSkinList& Owner() const { return owner_; }
    int Count() const { return int(items_.size()); }
    TbsSkinListItem& Item(int index) const { return *items_.at(std::size_t(index)); }

    TbsSkinListItem& Add();
    void Clear();
    // Replaces the items by copies of another collection's items.
    void Assign(const TbsSkinListItems& other);

private:
    TbsCompressedSkinList& owner_;
    std::vector<std::unique_ptr<TbsSkinListItem>> items_;
};
