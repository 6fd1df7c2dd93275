#pragma once

#include <QStringList>

class QCoreApplication;

// Makes Chinese the language of every text the client does not draw itself: loads the Chinese
// translations of Qt (the file dialog, the line editor's menu, ...) and of the web engine, and
// makes Chinese the default locale, which the engine's own pages and a page's preferred
// language follow. Call once the application object exists and before the web engine starts.
// Returns the translation catalogues that could not be loaded, each also reported on the
// debugger output; none on a complete installation.
QStringList InstallChineseTranslations(QCoreApplication& application);
