#pragma once

#include <QByteArrayView>
#include <QString>

class SkinDescription;

// The description reader on a skin description's bytes. Every key the text holds is read in
// every value form, and each lookup must give what a plain walk over the lines gives: the last
// section of a name, its last key of a name, both compared without regard to case. Writing a
// key and erasing a section must keep the lookups right.
class DescriptionFuzzTarget {
public:
    static void run(QByteArrayView bytes);

private:
    static void readEveryForm(const SkinDescription& description, const QString& section, const QString& key,
                              qsizetype lineCount);
    static void writeAndErase(SkinDescription& description, const QString& section, const QString& key);
};
