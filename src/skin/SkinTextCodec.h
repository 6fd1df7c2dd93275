#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// The text encodings of a skin description. A leading byte-order mark selects UTF-16 LE or BE or
// UTF-8; without one the text is in the ANSI code page, which for this Chinese client is GBK
// (code page 936, decoded through the C library's iconv).
class SkinTextCodec {
public:
    // Decodes and splits at CR LF, CR or LF; a NUL character ends the text.
    static QStringList DecodeLines(QByteArrayView bytes);

    // The writer's form: ANSI code page, every line ended by CR LF. Text that the code page
    // cannot hold is written as UTF-8 with its mark instead, so nothing is lost.
    static QByteArray EncodeLines(const QStringList& lines);

    static QString DecodeAnsi(QByteArrayView bytes);
    // False when a character has no code page 936 form.
    static bool EncodeAnsi(const QString& text, QByteArray& out);
};
