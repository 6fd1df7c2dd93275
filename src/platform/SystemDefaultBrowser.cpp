#include "platform/SystemDefaultBrowser.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

bool SystemDefaultBrowser::Open(const QString& url)
{
    if (!IsWebAddress(url))
        return false;
    QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode));
    return true;
}

bool SystemDefaultBrowser::OpenFolder(const QString& path)
{
    const QFileInfo folder(path);
    if (path.isEmpty() || !folder.isDir())
        return false;
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder.absoluteFilePath()));
    return true;
}
