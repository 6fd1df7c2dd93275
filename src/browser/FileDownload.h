#pragma once

#include <QDir>
#include <QObject>
#include <QPointer>
#include <QWebEngineDownloadRequest>

// One download saved into a folder: under its partial name while it runs, under its own name
// once complete; the partial file goes when the download fails, is cancelled, or is still
// running when this object goes (the client's end), so that no half file is ever left.
class FileDownload : public QObject {
    Q_OBJECT
public:
    // Accepts Request into Folder under Name, which the caller found free.
    FileDownload(QWebEngineDownloadRequest* request, const QDir& folder, const QString& name, QObject* parent);
    ~FileDownload() override;

    const QString& Name() const { return name_; }
    bool Running() const { return running_; }
    // Reports the share received when it has changed since the last report.
    void ReportProgress();

Q_SIGNALS:
    // Percent is -1 while the size is unknown; each value is reported once.
    void Progress(const QString& name, int percent);
    void Finished(const QString& name);
    void Failed(const QString& name);

private:
    void StateChanged(QWebEngineDownloadRequest::DownloadState state);
    void Complete();
    void Fail();
    QString PartialPath() const;

    QPointer<QWebEngineDownloadRequest> request_;
    QDir folder_;
    QString name_;
    bool running_ = true;
    int percent_ = -2;
};
