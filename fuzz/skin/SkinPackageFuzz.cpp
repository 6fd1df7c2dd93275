// Fuzz target: the input is an unpacked skin stream (content version, picture items, pictures,
// description). It is packed and loaded into a store the way the client loads its skin, then
// every object is written back out. Only SkinError may come out.

#include "skin/SkinDescription.h"
#include "skin/SkinError.h"
#include "skin/TbsCompressedStoredSkin.h"
#include "skin/TbsSkinData.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TbsCompressedStoredSkin stored;
    stored.SetCompressedData(
        TbsCompressedStoredSkin::Compress(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))));
    TbsSkinData store;
    try {
        store.LoadFromStoredSkin(&stored);
    } catch (const SkinError&) {
        if (!store.IsEmpty() || store.Changing())
            std::abort();
        return 0;
    }
    SkinDescription out;
    for (const auto& object : store.SkinObjects())
        object->WriteToDescription(out);
    for (const auto& control : store.SkinControls())
        control->WriteToDescription(out);
    return 0;
}
