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
    // Decodes every picture resource of the types "JPEG", "PNG", "GIF" and "BMP" with the
    // client's decoders, checks that a double-size variant NAME@2X is exactly twice the size
    // of its picture NAME, and loads the raw-data resource "Skin" as a skin package; prints one
    // line per resource, type, name and language followed by OK or the error. True when
    // every line says OK.
    static bool check(const QString& pack, QTextStream& out);

private:
    static void writeFile(const QString& path, QByteArrayView bytes);
};
