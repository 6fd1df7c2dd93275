#include "browser/Downloads.h"

#include "browser/DownloadName.h"
#include "browser/FileDownload.h"
#include "framework/TApplicationEvents.h"
#include "platform/DefaultBrowser.h"

#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>

Downloads::Downloads(QWebEngineProfile* profile, const QString& folder, QObject* parent)
    : QObject(parent), folder_(folder)
{
    connect(profile, &QWebEngineProfile::downloadRequested, this, [this](QWebEngineDownloadRequest* request) {
        TApplicationEvents::Guard([&] { Requested(request); });
    });
}

void Downloads::Requested(QWebEngineDownloadRequest* request)
{
    QWebEnginePage* page = request->page();
    const QString suggested = request->suggestedFileName();
    // Saved pages and addresses the page made up itself (blob:, data:, file:) are not
    // downloads from the web; the request is dropped (the engine deletes it unaccepted).
    if (request->isSavePageDownload() || !DefaultBrowser::IsWebAddress(request->url().toString())
        || !folder_.mkpath(QStringLiteral("."))) {
        request->cancel();
        Q_EMIT Started(page, suggested);
        Q_EMIT Failed(suggested);
        return;
    }
    auto* download = new FileDownload(request, folder_, FreeDownloadName(folder_, suggested, Taken()), this);
    connect(download, &FileDownload::Progress, this, &Downloads::Progress);
    connect(download, &FileDownload::Finished, this, [this, download](const QString& name) {
        download->deleteLater();
        Q_EMIT Finished(name);
    });
    connect(download, &FileDownload::Failed, this, [this, download](const QString& name) {
        download->deleteLater();
        Q_EMIT Failed(name);
    });
    Q_EMIT Started(page, download->Name());
    download->ReportProgress();
}

QSet<QString> Downloads::Taken() const
{
    QSet<QString> taken;
    for (const FileDownload* download : findChildren<FileDownload*>(Qt::FindDirectChildrenOnly))
        if (download->Running())
            taken.insert(download->Name());
    return taken;
}
