#include "platform/DefaultBrowser.h"

#include <QUrl>

bool DefaultBrowser::IsWebAddress(const QString& url)
{
    const QUrl parsed(url, QUrl::StrictMode);
    const QString scheme = parsed.scheme();  // QUrl lower-cases the scheme
    return parsed.isValid() && !parsed.host().isEmpty()
        && (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}
