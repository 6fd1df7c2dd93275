#include "app/EngineLogging.h"

#include <QLoggingCategory>

void QuietEngineNotes()
{
    // Pages' console messages ("js: ..."), whatever their level, are a page's business and not
    // the player's: they show only when asked for, and then all of them.
    const QByteArray wanted = qgetenv("KESTRUNE_ENGINE_LOG");
    if (!wanted.isEmpty() && wanted != "0") {
        QLoggingCategory::setFilterRules(QStringLiteral("js=true"));
        return;
    }
    // The engine's own categories, and the uncategorised channel it announces the sandbox on;
    // the client writes nothing of its own at the information level.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webengine*.info=false\ndefault.info=false\njs=false"));
}
