#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and writes for skin packages, pictures and descriptions. Failing to open
// raises "Cannot open file "<path>". <reason>".
class SkinFileAccess {
public:
    static QByteArray ReadAll(const QString& path);
    static void WriteAll(const QString& path, const QByteArray& data);
};
