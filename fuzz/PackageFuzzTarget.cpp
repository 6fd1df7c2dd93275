#include "PackageFuzzTarget.h"

#include "FuzzInvariant.h"
#include "skin/SkinDescription.h"
#include "skin/SkinError.h"
#include "skin/TbsCompressedStoredSkin.h"
#include "skin/TbsSkinData.h"

namespace {

// The client's packages are deflated at level 9; the reader does not care, and stored blocks
// (level 0) keep each run short.
constexpr int StoredBlocks = 0;

// Finding an object walks its list, and writing one back costs all its keys; a sample of each
// list keeps runs on skins of thousands of objects short.
constexpr size_t CheckedObjects = 16;

bool Sampled(size_t index, size_t count)
{
    return index < CheckedObjects || index + 1 == count;
}

template <typename List>
void CheckSample(const List& list, int (TbsSkinData::*find)(const QString&) const, const TbsSkinData& store)
{
    SkinDescription out;
    for (size_t i = 0; i < list.size(); ++i) {
        if (!Sampled(i, list.size()))
            continue;
        const int found = (store.*find)(list[i]->ObjectName);
        FuzzInvariant::require(found >= 0 && size_t(found) <= i && list[size_t(found)]->ObjectName == list[i]->ObjectName,
                               "a loaded object is not found by its name");
        list[i]->WriteToDescription(out);
    }
}

} // namespace

void PackageFuzzTarget::run(QByteArrayView content)
{
    TbsCompressedStoredSkin stored;
    stored.SetCompressedData(TbsCompressedStoredSkin::Compress(content.toByteArray(), StoredBlocks));
    TbsSkinData store;
    try {
        store.LoadFromStoredSkin(&stored);
    } catch (const SkinError&) {
        checkCleared(store);
        return;
    }
    FuzzInvariant::require(!store.Changing(), "a finished load leaves the store changing");
    if (store.IsEmpty())
        checkCleared(store);
    else
        checkLoaded(store);
}

void PackageFuzzTarget::checkCleared(const TbsSkinData& store)
{
    FuzzInvariant::require(store.IsEmpty() && !store.Changing(), "a refused load leaves the store in use");
    FuzzInvariant::require(store.SkinObjects().empty() && store.SkinControls().empty() && store.Pictures().isEmpty()
                               && store.PictureNames().isEmpty() && store.FramePicture().isNull()
                               && store.InactiveFramePicture().isNull() && store.FrameMask().isNull()
                               && store.FrameMaskName().isEmpty(),
                           "a refused load leaves part of a skin in the store");
}

void PackageFuzzTarget::checkLoaded(const TbsSkinData& store)
{
    CheckSample(store.SkinObjects(), &TbsSkinData::FindObjectIndex, store);
    CheckSample(store.SkinControls(), &TbsSkinData::FindControlIndex, store);
}
