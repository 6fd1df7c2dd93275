// kestrune-dev PORTAL_URL: the client for the portal at PORTAL_URL (http or https, ending in
// "/"), for development, the tests and the start-up benchmark. It sits beside the resource
// pack like the client; the shipped client takes no arguments.
#include "app/Startup.h"

#include <QUrl>
#include <cstdio>

int main(int argc, char** argv)
{
    const QString portal = argc == 2 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QUrl url(portal, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))
        || !portal.endsWith(QLatin1Char('/'))) {
        std::fprintf(stderr, "usage: kestrune-dev PORTAL_URL (http or https, ending in \"/\")\n");
        return 2;
    }
    return RunClient(argc, argv, portal);
}
