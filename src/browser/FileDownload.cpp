#include "browser/FileDownload.h"

#include "browser/DownloadName.h"
#include "framework/TApplicationEvents.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

FileDownload::FileDownload(QWebEngineDownloadRequest* request, const QDir& folder, const QString& name,
                           QObject* parent)
    : QObject(parent), request_(request), folder_(folder), name_(name)
{
    request->setDownloadDirectory(folder.absolutePath());
    request->setDownloadFileName(PartialDownloadName(name));
    connect(request, &QWebEngineDownloadRequest::stateChanged, this, [this](auto state) {
        TApplicationEvents::Guard([&] { StateChanged(state); });
    });
    connect(request, &QWebEngineDownloadRequest::receivedBytesChanged, this, &FileDownload::ReportProgress);
    connect(request, &QWebEngineDownloadRequest::totalBytesChanged, this, &FileDownload::ReportProgress);
    request->accept();
}

FileDownload::~FileDownload()
{
    if (!running_)
        return;
    if (request_) {
        request_->disconnect(this);
        request_->cancel();
    }
    QFile::remove(PartialPath());
}

void FileDownload::StateChanged(QWebEngineDownloadRequest::DownloadState state)
{
    if (!running_)
        return;
    if (state == QWebEngineDownloadRequest::DownloadCompleted)
        Complete();
    else if (state == QWebEngineDownloadRequest::DownloadCancelled
             || state == QWebEngineDownloadRequest::DownloadInterrupted)
        Fail();
}

void FileDownload::ReportProgress()
{
    if (!running_ || !request_)
        return;
    const qint64 total = request_->totalBytes();
    const int percent = total > 0 ? int(std::clamp<qint64>(request_->receivedBytes() * 100 / total, 0, 100)) : -1;
    if (percent == percent_)
        return;
    percent_ = percent;
    Q_EMIT Progress(name_, percent);
}

void FileDownload::Complete()
{
    // Another program may have taken the name meanwhile: the download never replaces a file.
    const QString partial = PartialPath();
    const QFileInfo target(folder_.filePath(name_));
    if (target.exists() || target.isSymLink())
        name_ = FreeDownloadName(folder_, name_, {});
    if (!QFile::rename(partial, folder_.filePath(name_))) {
        QFile::remove(partial);
        Fail();
        return;
    }
    running_ = false;
    Q_EMIT Finished(name_);
}

void FileDownload::Fail()
{
    running_ = false;
    QFile::remove(PartialPath());
    Q_EMIT Failed(name_);
}

QString FileDownload::PartialPath() const
{
    return folder_.filePath(PartialDownloadName(name_));
}
