#include "skin/TbsDataSkinEntry.h"

#include "skin/SkinDescription.h"
#include "skin/SkinKeyReader.h"
#include "skin/SkinKeyWriter.h"

TbsDataSkinEntry::TbsDataSkinEntry(const QString& objectName) : ObjectName(objectName) {}

TbsDataSkinEntry::~TbsDataSkinEntry() = default;

void TbsDataSkinEntry::ReadFromDescription(const SkinDescription& description)
{
    SkinKeyReader reader(description, ObjectName);
    VisitKeys(reader);
    AfterRead();
}

void TbsDataSkinEntry::ResetToDefaults()
{
    ReadFromDescription(SkinDescription());
}

void TbsDataSkinEntry::WriteToDescription(SkinDescription& description) const
{
    description.EraseSection(ObjectName);
    SkinKeyWriter writer(description, ObjectName);
    // The writer only reads the fields; the key walk is shared with reading, hence non-const.
    const_cast<TbsDataSkinEntry*>(this)->VisitKeys(writer);
}

QString TbsDataSkinEntry::KindWord() const
{
    return {};
}

void TbsDataSkinEntry::AfterRead() {}
