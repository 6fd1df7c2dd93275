// kestrune-portal-demo PORT [FOLDER]: serves the demo portal (or FOLDER) on 127.0.0.1.
// PORT 0 takes any free port; the port in use is printed on start.
#include "PortalServer.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    bool ok = false;
    const uint port = argc >= 2 ? QString::fromLocal8Bit(argv[1]).toUInt(&ok) : 0;
    if (argc < 2 || argc > 3 || !ok || port > 65535) {
        std::fprintf(stderr, "usage: kestrune-portal-demo PORT [FOLDER]\n");
        return 2;
    }
    const QString folder = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(KESTRUNE_DEMO_PORTAL_DIR);
    PortalServer server(folder);
    if (!server.Listen(quint16(port))) {
        std::fprintf(stderr, "kestrune-portal-demo: cannot serve %s on 127.0.0.1:%u\n", qPrintable(folder), port);
        return 1;
    }
    std::printf("kestrune-portal-demo: serving %s at %s\n", qPrintable(folder), qPrintable(server.BaseUrl()));
    std::fflush(stdout);
    return app.exec();
}
