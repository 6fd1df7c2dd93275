#include "browser/EngineAddress.h"

#include <QUrl>

QString EngineAddress(const QString& address)
{
    QUrl url(address);
    const bool defaultPort = (url.scheme() == QLatin1String("http") && url.port() == 80)
        || (url.scheme() == QLatin1String("https") && url.port() == 443);
    if (defaultPort)
        url.setPort(-1);
    return url.toString(QUrl::FullyEncoded);
}
