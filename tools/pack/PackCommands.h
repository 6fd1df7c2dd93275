#pragma once

#include <QString>
#include <QTextStream>

// The commands of kestrune-pack. Each raises KestruneError with a message for the operator.
class PackCommands {
public:
    // Writes a resource-only library holding every resource the manifest lists.
    static void build(const QString& manifest, const QString& output);
    // Prints one line per resource: type, name, language and size, tab-separated; numbered
    // types and names as "#n", so they can be passed back to extract.
    static void list(const QString& pack, QTextStream& out);
    // Writes the exact bytes of the first language of resource (type, name).
    static void extract(const QString& pack, const QString& type, const QString& name, const QString& output);

private:
    static void writeFile(const QString& path, QByteArrayView bytes);
};
