#include "platform/ResourceModule.h"

#include "platform/DataFormatError.h"
#include "platform/ResourceNotFoundError.h"

std::unique_ptr<ResourceModule> ResourceModule::open(const QString& path)
{
    std::unique_ptr<ResourceModule> module(new ResourceModule);
    module->file_.setFileName(path);
    if (!module->file_.open(QIODevice::ReadOnly))
        throw KestruneError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, module->file_.errorString()));
    const qint64 size = module->file_.size();
    if (size == 0)
        throw DataFormatError(QStringLiteral("Not a PE file: \"%1\" is empty").arg(path));
    const uchar* start = module->file_.map(0, size);
    if (!start)
        throw KestruneError(QStringLiteral("Cannot map file \"%1\". %2").arg(path, module->file_.errorString()));
    module->mapping_ = QByteArrayView(start, size);
    module->table_ = PeResourceTable::read(module->mapping_);
    return module;
}

QByteArrayView ResourceModule::resource(const ResourceId& type, const ResourceId& name) const
{
    const ResourceEntry* entry = table_.find(type, name);
    if (!entry || !entry->readable())
        throw ResourceNotFoundError(name.toText());
    return bytesOf(*entry);
}

QByteArrayView ResourceModule::bytesOf(const ResourceEntry& entry) const
{
    if (!entry.readable())
        return {};
    return mapping_.sliced(entry.offset, entry.size);
}
