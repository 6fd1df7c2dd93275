#pragma once

#include <QDir>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

// A small static web server for the demo portal: serves the files of one folder on
// 127.0.0.1 only, GET and HEAD, with content types by suffix; anything outside the folder
// (".." or encoded traversal, links leading out) is 404. Logs one line per request. Files
// under cached/ may be kept by browsers for a day; everything else is no-cache.
//
// Downloads are made up on the spot: /files/NAME is an attachment named NAME of
// GeneratedFile(bytes) (a mebibyte unless the query says bytes=N), sent at once or, with
// pace=MS in the query, 16 KiB every MS milliseconds.
class PortalServer : public QObject {
    Q_OBJECT
public:
    explicit PortalServer(const QString& rootDir, QObject* parent = nullptr);

    // Listens on 127.0.0.1:Port (0 = any free port); false when the port cannot be had.
    bool Listen(quint16 port);
    quint16 Port() const { return server_.serverPort(); }
    // The address of the folder's root, ending in "/".
    QString BaseUrl() const;
    // Every request line served so far, for tests ("GET /games.html 200").
    const QStringList& Log() const { return log_; }
    int CountRequests(const QString& path) const;
    // The content of a made-up download of Bytes bytes.
    static QByteArray GeneratedFile(qint64 bytes);

Q_SIGNALS:
    void RequestServed(const QString& line);
    // A paced download's connection closed before all of it was sent.
    void DownloadAbandoned(const QString& target);

private:
    void Accept();
    void Serve(QTcpSocket* socket);
    void Respond(QTcpSocket* socket, const QByteArray& method, const QByteArray& target);
    // A made-up download; false when Target names none.
    bool RespondWithDownload(QTcpSocket* socket, const QByteArray& method, const QByteArray& target);
    void SendPaced(QTcpSocket* socket, const QByteArray& target, QByteArray body, int paceMs);
    void Log(const QByteArray& method, const QByteArray& target, int status);
    // The file a request path names, or empty when it leaves the folder or does not exist.
    QString Resolve(const QByteArray& target) const;

    QString root_;
    QTcpServer server_;
    QStringList log_;
};
