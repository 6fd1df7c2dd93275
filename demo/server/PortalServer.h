#pragma once

#include <QByteArray>
#include <QDir>
#include <QHash>
#include <QObject>
#include <QTcpServer>

#include <memory>

class QTcpSocket;

// A small web server for the demo portal: serves the files of one folder on 127.0.0.1 only,
// GET and HEAD, with content types by suffix; anything outside the folder (".." or encoded
// traversal, links leading out) is 404. Logs one line per request. Files under cached/ may be
// kept by browsers for a day; everything else is no-cache. Besides the files, the places a
// client's dealings with a portal can be tried on:
// - /private/...: only for the user "player" with the password "kestrune" (HTTP basic
//   authentication); others get 401 with a page of the server's own;
// - /login/...: served with a cookie "player=kestrune" kept for a day;
// - POST /upload: takes a body of up to MaxBody bytes and keeps it (LastUpload).
// Over TLS (ListenSecure) it serves the same with a certificate of its own making, which no
// browser trusts.
//
// Downloads are made up on the spot: /files/NAME is an attachment named NAME of
// GeneratedFile(bytes) (a mebibyte unless the query says bytes=N), sent at once or, with
// pace=MS in the query, 16 KiB every MS milliseconds.
class PortalServer : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype MaxBody = 16 * 1024 * 1024;

    explicit PortalServer(const QString& rootDir, QObject* parent = nullptr);

    // Listens on 127.0.0.1:Port (0 = any free port); false when the port cannot be had.
    bool Listen(quint16 port);
    // The same over TLS.
    bool ListenSecure(quint16 port);
    quint16 Port() const { return server_ ? server_->serverPort() : 0; }
    // The address of the folder's root, ending in "/".
    QString BaseUrl() const;
    // Every request line served so far, for tests ("GET /games.html 200"); a request that signed
    // in ends with the user ("GET /private/ 200 player").
    const QStringList& Log() const { return log_; }
    int CountRequests(const QString& path) const;
    // The content of a made-up download of Bytes bytes.
    static QByteArray GeneratedFile(qint64 bytes);
    // The body of the last upload.
    QByteArray LastUpload() const { return lastUpload_; }
    // The Cookie header of the last request for path; empty when it had none.
    QByteArray CookieOf(const QString& path) const { return cookies_.value(path); }

Q_SIGNALS:
    void RequestServed(const QString& line);
    // A paced download's connection closed before all of it was sent.
    void DownloadAbandoned(const QString& target);

private:
    struct Request;
    struct Response;

    bool Start(std::unique_ptr<QTcpServer> server, quint16 port);
    void Accept();
    void Serve(QTcpSocket* socket);
    Response Respond(const Request& request);
    Response ServeFile(const Request& request);
    void Send(QTcpSocket* socket, const Request& request, const Response& response);
    void Log(const Request& request, int status, const QString& user);
    // A made-up download; false when the request names none.
    bool RespondWithDownload(QTcpSocket* socket, const Request& request);
    void SendPaced(QTcpSocket* socket, const QByteArray& target, QByteArray body, int paceMs);
    // The file a request path names, or empty when it leaves the folder or does not exist.
    QString Resolve(const QByteArray& target) const;

    QString root_;
    std::unique_ptr<QTcpServer> server_;
    bool secure_ = false;
    QStringList log_;
    QByteArray lastUpload_;
    QHash<QString, QByteArray> cookies_;
};
