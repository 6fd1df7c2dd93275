#include "PackFuzzTarget.h"

#include "FuzzInvariant.h"
#include "PictureFuzzTarget.h"
#include "binary/ByteCursor.h"
#include "platform/DataFormatError.h"
#include "platform/PeResourceTable.h"
#include "platform/ResourceAccess.h"

namespace {

// Type texts and names as the client passes them, plus spellings that differ only in case.
constexpr std::pair<const char*, const char*> ClientLookups[] = {
    {"JPEG", "Close"}, {"JPEG", "CloseMove"}, {"JPEG", "TabSel"}, {"JPEG", "Face"},
    {"PNG", "YXN"},    {"PNG", "CNCHONG2"},   {"PNG", "TabClose"}, {"rcdata", "Skin"},
    {"BMP", "Close"},  {"GIF", "YXN"},        {"jpeg", "close"},   {"#300", "#42"},
};

// Finding every entry again costs a walk of the list each; a sample keeps the target fast.
constexpr size_t CheckedEntries = 64;

} // namespace

void PackFuzzTarget::run(QByteArrayView bytes)
{
    PeResourceTable table;
    try {
        table = PeResourceTable::read(bytes);
    } catch (const DataFormatError&) {
        return;
    }
    checkEntries(table, bytes);
    lookUpAsTheClient(table, bytes);
}

void PackFuzzTarget::checkEntries(const PeResourceTable& table, QByteArrayView bytes)
{
    const std::vector<ResourceEntry>& entries = table.entries();
    for (size_t i = 0; i < entries.size(); ++i) {
        const ResourceEntry& entry = entries[i];
        FuzzInvariant::require(!entry.readable() || ByteCursor::contains(bytes.size(), entry.offset, entry.size),
                               "a listed entry lies outside the file");
        if (i >= CheckedEntries && i + 1 != entries.size())
            continue;
        const ResourceEntry* found = table.find(entry.type, entry.name);
        FuzzInvariant::require(found && found <= &entry, "a listed entry is not found by its type and name");
        FuzzInvariant::require(found->type.matches(entry.type) && found->name.matches(entry.name),
                               "a lookup found an entry of another type or name");
    }
}

void PackFuzzTarget::lookUpAsTheClient(const PeResourceTable& table, QByteArrayView bytes)
{
    for (const auto& [typeText, nameText] : ClientLookups) {
        const QString type = QString::fromLatin1(typeText);
        const ResourceEntry* entry = table.find(ResourceTypeFromText(type), ResourceId::fromText(QString::fromLatin1(nameText)));
        if (!entry || !entry->readable())
            continue;
        if (const ImageDecoder decode = ResourceImageDecoder(type))
            PictureFuzzTarget::decodeChecked(decode, bytes.sliced(entry->offset, entry->size));
    }
}
