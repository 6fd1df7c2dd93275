#pragma once

#include "browser/LocalPage.h"
#include "browser/LoadFailure.h"

#include <QList>
#include <QObject>

class QWebEngineLoadingInfo;
class QWebEnginePage;

// Failed loads a tab explains with a page of the client's own instead of the engine's: which
// causes depends on the tab. The page names the cause and the host and has a "重试" link to
// what failed; nothing is tried again by itself. A certificate the engine doubts is always
// refused, never let through.
class ErrorPages : public QObject {
    Q_OBJECT
public:
    ErrorPages(QWebEnginePage* page, QList<LoadFailure> causes);

    // The client's page for a load of url that failed for failure.
    static LocalPage PageFor(LoadFailure failure, const QUrl& url);

private:
    void LoadingChanged(const QWebEngineLoadingInfo& info);

    QWebEnginePage* page_;
    QList<LoadFailure> causes_;
};
