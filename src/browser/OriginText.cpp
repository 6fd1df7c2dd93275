#include "browser/OriginText.h"

QString OriginText(const QUrl& origin)
{
    if (origin.host().isEmpty())
        return QStringLiteral("此页面");
    return origin.port() < 0 ? origin.host() : origin.host() + u':' + QString::number(origin.port());
}
