#pragma once

#include <QObject>
#include <QStringList>

// The skin engine's own captions and hints as "key=text" lines, looked up by key without regard
// to letter case, plus the character set skinned text is drawn with.
class TbsResourceStrData : public QObject {
    Q_OBJECT

public:
    static constexpr int DefaultCharSet = 1;

    // Starts with the 131 default lines.
    explicit TbsResourceStrData(QObject* parent = nullptr);

    QStringList ResStrings() const { return resStrings_; }
    void SetResStrings(const QStringList& lines) { resStrings_ = lines; }
    int CharSet() const { return charSet_; }
    void SetCharSet(int charSet) { charSet_ = charSet; }

    void FillDefaults();
    // The text after the first "=" of the first line whose key matches; empty when none does.
    QString LookupString(const QString& key) const;
    // LookupString on the default lines: the built-in text of a key.
    static QString DefaultString(const QString& key);

    static QStringList DefaultStrings();
    // This client's list: the default keys in their order with the Chinese captions and hints.
    static QStringList SystemStrings();

private:
    static QString Lookup(const QStringList& lines, const QString& key);

    QStringList resStrings_;
    int charSet_ = DefaultCharSet;
};
