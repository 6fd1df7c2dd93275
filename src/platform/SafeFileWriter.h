#pragma once

#include <QByteArrayView>
#include <QString>

// Writes a whole file without ever writing through something planted at its path: the bytes
// go to a fresh, exclusively created file in the same directory, which then replaces the
// target by rename. A target that is a symbolic link, not a regular file, or owned by another
// user is refused. Raises FileCreateError naming the file and the reason; on failure the
// target is untouched and no temporary file is left behind.
class SafeFileWriter {
public:
    static void write(const QString& path, QByteArrayView bytes);

private:
    static void refuseForeignTarget(const QString& path);
    static void writeTemporary(const QString& path, int descriptor, QByteArrayView bytes);
};
