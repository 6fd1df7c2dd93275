#include "app/EngineLogging.h"

#include <QLoggingCategory>

void QuietEngineNotes()
{
    const QByteArray wanted = qgetenv("KESTRUNE_ENGINE_LOG");
    if (!wanted.isEmpty() && wanted != "0")
        return;
    // The engine's own categories, and the uncategorised channel it announces the sandbox on;
    // the client writes nothing of its own at the information level.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webengine*.info=false\ndefault.info=false"));
}
