#pragma once

#include <QDir>
#include <QObject>

class QWebEngineDownloadRequest;
class QWebEnginePage;
class QWebEngineProfile;

// Saves what the pages of a profile download into one folder: web addresses only, each
// under the server's name, never over a file that is there (FileDownload). Whatever still
// runs when this object goes is cancelled and leaves no partial file.
class Downloads : public QObject {
    Q_OBJECT
public:
    // Folder is made when the first download needs it.
    Downloads(QWebEngineProfile* profile, const QString& folder, QObject* parent);

    QString Folder() const { return folder_.absolutePath(); }

Q_SIGNALS:
    // A page's navigation became a download, saved as Name (or refused: Failed follows).
    void Started(QWebEnginePage* page, const QString& name);
    void Progress(const QString& name, int percent);
    void Finished(const QString& name);
    void Failed(const QString& name);

private:
    void Requested(QWebEngineDownloadRequest* request);
    QSet<QString> Taken() const;

    QDir folder_;
};
