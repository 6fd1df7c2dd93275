#pragma once

#include "platform/ResourceId.h"

#include <QString>

#include <vector>

// A pack manifest: one resource per line, "TYPE NAME FILE", separated by white space, the
// file (which may contain spaces) relative to the manifest's folder. Blank lines and lines
// starting with '#' not followed by a digit are skipped. TYPE is read as the client reads it: "rcdata" is the
// raw-data type 10, "#n" the number n, anything else a type name; NAME likewise without the
// "rcdata" rule.
struct PackManifestLine {
    ResourceId type;
    ResourceId name;
    QString file;
    int lineNumber = 0;
};

class PackManifest {
public:
    // Raises KestruneError naming the manifest and line for unreadable files or bad lines.
    static std::vector<PackManifestLine> read(const QString& path);
};
