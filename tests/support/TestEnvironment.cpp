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
    // Keep the engine quiet and off the network beyond loopback; a microphone and a camera of
    // the engine's own making, so that pages may ask for them on machines without.
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            "--disable-gpu --disable-background-networking --disable-component-update "
            "--no-first-run --disable-sync --disable-quic --use-fake-device-for-media-stream");
}
