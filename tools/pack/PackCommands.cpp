#include "PackCommands.h"

#include "PackManifest.h"

#include "error/KestruneError.h"
#include "platform/DataFormatError.h"
#include "platform/PeResourceWriter.h"
#include "platform/ResourceAccess.h"
#include "platform/ResourceModule.h"

#include <QFile>
#include <QSaveFile>

namespace {

QString listedId(const ResourceId& id)
{
    return id.isNumeric() ? u'#' + QString::number(id.number()) : id.name();
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
        out << listedId(entry.type) << '\t' << listedId(entry.name) << '\t' << entry.language << '\t' << size << '\n';
    }
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
