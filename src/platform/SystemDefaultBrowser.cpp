#include "platform/SystemDefaultBrowser.h"

#include <QDesktopServices>
#include <QUrl>

bool SystemDefaultBrowser::Open(const QString& url)
{
    if (!IsWebAddress(url))
        return false;
    QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode));
    return true;
}
