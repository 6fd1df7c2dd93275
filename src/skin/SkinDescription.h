#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <unordered_map>

// The ini-style skin description. Sections and keys are found without regard to letter case;
// of two sections with one name only the last is seen, of two keys in a section the last wins.
// Every line is kept, so writing a value and taking the lines back changes nothing else.
// Sections and keys are indexed once, so a lookup costs the same in a description of eight
// thousand objects as in one of eight.
//
// Rectangles are QRects whose exclusive right and bottom edges are x() + width() and
// y() + height(); they read and write as "left,top,right,bottom".
class SkinDescription {
public:
    SkinDescription() = default;
    explicit SkinDescription(const QStringList& lines);

    QStringList Lines() const;

    bool HasSection(const QString& section) const;
    // Lines of the section that have a key.
    int KeyCount(const QString& section) const;
    std::optional<QString> Value(const QString& section, const QString& key) const;

    QString ReadString(const QString& section, const QString& key, const QString& fallback = {}) const;
    int ReadInteger(const QString& section, const QString& key, int fallback) const;
    bool ReadBool(const QString& section, const QString& key) const;
    QRect ReadRect(const QString& section, const QString& key) const;
    QPoint ReadPoint(const QString& section, const QString& key) const;
    QStringList ReadNameList(const QString& section, const QString& key) const;

    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);
    void WriteRect(const QString& section, const QString& key, const QRect& value);
    void WritePoint(const QString& section, const QString& key, const QPoint& value);
    void WriteNameList(const QString& section, const QString& key, const QStringList& names);
    void EraseSection(const QString& section);

    // The integer value form: decimal with optional sign, or hexadecimal after "0x", "0X" or
    // "$" (up to eight digits, taken as the 32-bit pattern). Empty when the text is no number.
    static std::optional<int> ParseInteger(const QString& text);
    static QString Trim(const QString& text);
    static QRect EdgesToRect(int left, int top, int right, int bottom);

private:
    using Index = std::unordered_map<std::u32string, qsizetype>;

    struct Entry {
        QString raw;
        QString key;
        QString value;
        bool hasKey = false;
    };
    struct Section {
        QString header;
        QString name;
        QList<Entry> entries;
        Index keys;  // folded key -> position of the last entry with that key
    };

    // Two names fold to the same text exactly when QString::compare without case finds them equal.
    static std::u32string Folded(QStringView name);
    static void AppendEntry(Section& section, const Entry& entry);
    void AppendSection(const QString& header, const QString& name);
    void IndexSections();
    const Section* FindSection(const QString& section) const;
    Section& SectionForWriting(const QString& section);
    QList<int> ReadNumberParts(const QString& section, const QString& key, int count) const;

    QStringList preamble_;
    QList<Section> sections_;
    Index sectionIndex_;  // folded name -> position of the last section with that name
};
