#include "PackCommands.h"

#include "PackManifest.h"

#include "error/KestruneError.h"
#include "platform/DataFormatError.h"
#include "platform/PeResourceWriter.h"
#include "platform/ResourceAccess.h"
#include "platform/ResourceModule.h"
#include "skin/TbsCompressedStoredSkin.h"
#include "skin/TbsSkinData.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>

#include <functional>

namespace {

using Check = std::function<void(QByteArrayView)>;

QString listedId(const ResourceId& id)
{
    return id.isNumeric() ? u'#' + QString::number(id.number()) : id.name();
}

QString listedEntry(const ResourceEntry& entry)
{
    return listedId(entry.type) + u'\t' + listedId(entry.name) + u'\t' + QString::number(entry.language);
}

// The client reads the package from a file the same way: version, length, compressed block.
void loadSkinPackage(QByteArrayView bytes)
{
    QByteArray copy = bytes.toByteArray();
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    TbsCompressedStoredSkin stored;
    stored.ReadPackageStream(buffer);
    if (stored.HasNoData())
        throw KestruneError(QStringLiteral("not a skin package: no compressed skin behind a version of at most 3"));
    TbsSkinData store;
    store.LoadFromStoredSkin(&stored);
    if (store.IsEmpty())
        throw KestruneError(QStringLiteral("not a skin package: its content version is above 3"));
}

// The picture a double-size variant NAME@2X doubles: NAME; empty for any other name.
QString doubledName(const ResourceEntry& entry)
{
    const QString suffix = ResourceVariantName(QString());
    const QString& name = entry.name.name();
    if (entry.name.isNumeric() || name.size() <= suffix.size() || !name.endsWith(suffix, Qt::CaseInsensitive))
        return QString();
    return name.chopped(suffix.size());
}

// A variant decodes, and its picture of the same type is there and exactly half its size.
Check variantCheck(const ResourceModule& module, const ResourceEntry& entry, ImageDecoder decode)
{
    return [&module, entry, decode](QByteArrayView bytes) {
        const QImage variant = decode(bytes);
        const QString name = doubledName(entry);
        const ResourceEntry* base = module.table().find(entry.type, ResourceId(name));
        if (!base || !base->readable())
            throw KestruneError(QStringLiteral("the picture %1 it doubles is missing").arg(name));
        QImage picture;
        try {
            picture = decode(module.bytesOf(*base));
        } catch (const KestruneError& error) {
            throw KestruneError(QStringLiteral("the picture %1 it doubles: %2").arg(name, error.message()));
        }
        if (variant.size() != picture.size() * 2)
            throw KestruneError(QStringLiteral("%1 x %2 is not twice the %3 x %4 of %5")
                                    .arg(variant.width())
                                    .arg(variant.height())
                                    .arg(picture.width())
                                    .arg(picture.height())
                                    .arg(name));
    };
}

// What the client does with a resource like this one; empty for resources it never reads.
Check checkFor(const ResourceModule& module, const ResourceEntry& entry)
{
    for (const auto& decoder : ResourceImageDecoders()) {
        if (!entry.type.matches(ResourceId(decoder.first.toString())))
            continue;
        if (!doubledName(entry).isEmpty())
            return variantCheck(module, entry, decoder.second);
        return decoder.second;
    }
    if (entry.type.matches(ResourceTypeFromText(QStringLiteral("rcdata"))) && entry.name.matches(ResourceId(QStringLiteral("Skin"))))
        return loadSkinPackage;
    return {};
}

QString checkResult(const ResourceModule& module, const ResourceEntry& entry, const Check& check)
{
    if (!entry.readable())
        return QStringLiteral("damaged: the data lies outside the file");
    try {
        check(module.bytesOf(entry));
    } catch (const KestruneError& error) {
        return error.message();
    }
    return QStringLiteral("OK");
}

QByteArray readInput(const PackManifestLine& line, const QString& manifest)
{
    QFile file(line.file);
    if (!file.open(QIODevice::ReadOnly))
        throw KestruneError(QStringLiteral("%1:%2: cannot read \"%3\". %4")
                                .arg(manifest)
                                .arg(line.lineNumber)
                                .arg(line.file, file.errorString()));
    return file.readAll();
}

} // namespace

void PackCommands::build(const QString& manifest, const QString& output)
{
    PeResourceWriter writer;
    for (const PackManifestLine& line : PackManifest::read(manifest)) {
        try {
            writer.add(line.type, line.name, 0, readInput(line, manifest));
        } catch (const DataFormatError& error) {
            throw KestruneError(QStringLiteral("%1:%2: %3").arg(manifest).arg(line.lineNumber).arg(error.message()));
        }
    }
    writeFile(output, writer.build());
}

void PackCommands::list(const QString& pack, QTextStream& out)
{
    const std::unique_ptr<ResourceModule> module = ResourceModule::open(pack);
    for (const ResourceEntry& entry : module->table().entries()) {
        const QString size = entry.readable() ? QString::number(entry.size) : QStringLiteral("damaged");
        out << listedEntry(entry) << '\t' << size << '\n';
    }
}

bool PackCommands::check(const QString& pack, QTextStream& out)
{
    const std::unique_ptr<ResourceModule> module = ResourceModule::open(pack);
    bool allGood = true;
    for (const ResourceEntry& entry : module->table().entries()) {
        const Check check = checkFor(*module, entry);
        if (!check)
            continue;
        const QString result = checkResult(*module, entry, check);
        allGood = allGood && result == u"OK";
        out << listedEntry(entry) << '\t' << result << '\n';
    }
    return allGood;
}

void PackCommands::extract(const QString& pack, const QString& type, const QString& name, const QString& output)
{
    const std::unique_ptr<ResourceModule> module = ResourceModule::open(pack);
    writeFile(output, module->resource(ResourceTypeFromText(type), ResourceId::fromText(name)));
}

void PackCommands::writeFile(const QString& path, QByteArrayView bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), bytes.size()) != bytes.size() || !file.commit())
        throw KestruneError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()));
}
