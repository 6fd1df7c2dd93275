#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// The key=value arguments of a preview, each key at most once and only among the keys the
// control's previewer takes. The typed readers refuse a bad value (SkinToolUsageError) with a
// line naming the key; a key not given reads as the fallback.
class PreviewOptions {
public:
    PreviewOptions() = default;
    // Refuses a word without "=", an empty or repeated key and a key not in allowed.
    static PreviewOptions Parse(const QStringList& words, const QStringList& allowed);

    bool Has(const QString& key) const { return values_.contains(key); }
    // A whole number from minimum to maximum.
    int Integer(const QString& key, int fallback, int minimum, int maximum) const;
    // "0" or "1".
    bool Flag(const QString& key, bool fallback) const;
    // One of choices.
    QString Choice(const QString& key, const QString& fallback, const QStringList& choices) const;
    // The value as written, with each "\n" (backslash, n) a line break.
    QString Text(const QString& key, const QString& fallback) const;

private:
    QMap<QString, QString> values_;
};
