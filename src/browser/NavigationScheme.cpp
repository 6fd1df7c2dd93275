#include "browser/NavigationScheme.h"

#include <QUrl>

namespace {
// Navigations only the client starts: its own loads, and going back to or reloading an entry
// of the history, which holds nothing the client did not let in.
bool ClientInitiated(QWebEnginePage::NavigationType type)
{
    return type == QWebEnginePage::NavigationTypeTyped || type == QWebEnginePage::NavigationTypeBackForward
        || type == QWebEnginePage::NavigationTypeReload;
}
}  // namespace

bool MayNavigate(const QUrl& url, QWebEnginePage::NavigationType type, bool isMainFrame)
{
    const QString scheme = url.scheme();  // QUrl keeps schemes in lower case
    if (scheme == u"http" || scheme == u"https" || scheme == u"about" || scheme == u"blob")
        return true;
    if (scheme == u"data")
        return !isMainFrame || ClientInitiated(type);
    return false;
}
