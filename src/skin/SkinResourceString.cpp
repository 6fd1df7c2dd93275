#include "skin/SkinResourceString.h"

#include "skin/TbsResourceStrData.h"
#include "skin/TbsSkinData.h"

QString SkinResourceString(const TbsSkinData* store, const QString& key)
{
    if (const TbsResourceStrData* strings = store ? store->ResourceStrData() : nullptr)
        return strings->LookupString(key);
    return TbsResourceStrData::DefaultString(key);
}
