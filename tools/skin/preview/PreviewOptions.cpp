#include "preview/PreviewOptions.h"

#include "SkinToolUsageError.h"

PreviewOptions PreviewOptions::Parse(const QStringList& words, const QStringList& allowed)
{
    PreviewOptions options;
    for (const QString& word : words) {
        const qsizetype equals = word.indexOf(u'=');
        const QString key = word.left(equals);
        if (equals <= 0)
            throw SkinToolUsageError(QStringLiteral("\"%1\" is not key=value").arg(word));
        if (!allowed.contains(key))
            throw SkinToolUsageError(QStringLiteral("unknown key \"%1\"; this control takes: %2")
                                         .arg(key, allowed.join(u' ')));
        if (options.values_.contains(key))
            throw SkinToolUsageError(QStringLiteral("key \"%1\" given twice").arg(key));
        options.values_.insert(key, word.mid(equals + 1));
    }
    return options;
}

int PreviewOptions::Integer(const QString& key, int fallback, int minimum, int maximum) const
{
    if (!Has(key))
        return fallback;
    bool ok = false;
    const int value = values_.value(key).toInt(&ok);
    if (!ok || value < minimum || value > maximum)
        throw SkinToolUsageError(QStringLiteral("%1 must be a whole number from %2 to %3, not \"%4\"")
                                     .arg(key)
                                     .arg(minimum)
                                     .arg(maximum)
                                     .arg(values_.value(key)));
    return value;
}

bool PreviewOptions::Flag(const QString& key, bool fallback) const
{
    return Choice(key, fallback ? QStringLiteral("1") : QStringLiteral("0"), {QStringLiteral("0"), QStringLiteral("1")})
        == u"1";
}

QString PreviewOptions::Choice(const QString& key, const QString& fallback, const QStringList& choices) const
{
    if (!Has(key))
        return fallback;
    const QString value = values_.value(key);
    if (!choices.contains(value))
        throw SkinToolUsageError(
            QStringLiteral("%1 must be one of %2, not \"%3\"").arg(key, choices.join(u'|'), value));
    return value;
}

QString PreviewOptions::Text(const QString& key, const QString& fallback) const
{
    if (!Has(key))
        return fallback;
    return QString(values_.value(key)).replace(QStringLiteral("\\n"), QStringLiteral("\n"));
}
