#include "support/TestEnvironment.h"

#include <QByteArray>
#include <QtGlobal>
#include <unistd.h>

void PrepareTestEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Keep the engine quiet and off the network beyond loopback.
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            "--disable-gpu --disable-background-networking --disable-component-update "
            "--no-first-run --disable-sync --disable-quic");
}
