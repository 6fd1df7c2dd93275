#include "PortalServer.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <algorithm>
#include <cstdio>
#include <memory>

struct PortalServer::Request {
    QByteArray method;
    QByteArray target;
    QHash<QByteArray, QByteArray> headers;  // names in lower case
    QByteArray body;
};

struct PortalServer::Response {
    int status = 200;
    QByteArray type = "text/plain; charset=utf-8";
    QByteArray body;
    QByteArray extraHeaders;  // whole lines, each ending in CRLF
    QString user;             // who signed in, for the log
};

namespace {
constexpr qsizetype MaxHead = 64 * 1024;
const QByteArray PrivateUser = "player";
const QByteArray PrivatePassword = "kestrune";

QByteArray ContentType(const QString& path)
{
    static const QHash<QString, QByteArray> types{
        {QStringLiteral("html"), "text/html; charset=utf-8"}, {QStringLiteral("css"), "text/css; charset=utf-8"},
        {QStringLiteral("js"), "text/javascript; charset=utf-8"}, {QStringLiteral("png"), "image/png"},
        {QStringLiteral("jpg"), "image/jpeg"}, {QStringLiteral("gif"), "image/gif"},
        {QStringLiteral("svg"), "image/svg+xml"}, {QStringLiteral("ico"), "image/x-icon"},
        {QStringLiteral("txt"), "text/plain; charset=utf-8"}};
    return types.value(QFileInfo(path).suffix().toLower(), "application/octet-stream");
}

QByteArray StatusText(int status)
{
    switch (status) {
    case 200: return "OK";
    case 401: return "Unauthorized";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 413: return "Payload Too Large";
    default: return "Bad Request";
    }
}

// Everything is asked for afresh each time, but for the files under cached/, which browsers
// may keep for a day (the pages that fill and check the client's cache use them).
QByteArray CacheControl(const QByteArray& target)
{
    return target.startsWith("/cached/") ? "max-age=86400" : "no-cache";
}

// The request's head parsed, once it is all there: the request line and the header fields.
bool ParseHead(const QByteArray& head, QByteArray& method, QByteArray& target, QHash<QByteArray, QByteArray>& headers)
{
    const QList<QByteArray> lines = head.split('\n');
    const QList<QByteArray> parts = lines.value(0).trimmed().split(' ');
    if (parts.size() != 3)
        return false;
    method = parts.at(0);
    target = parts.at(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray& line = lines.at(i);
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
    }
    return true;
}

bool SignedIn(const QHash<QByteArray, QByteArray>& headers)
{
    const QByteArray credentials = PrivateUser + ':' + PrivatePassword;
    return headers.value("authorization") == "Basic " + credentials.toBase64();
}
}  // namespace

PortalServer::PortalServer(const QString& rootDir, QObject* parent)
    : QObject(parent), root_(QFileInfo(rootDir).canonicalFilePath())
{
}

bool PortalServer::Listen(quint16 port)
{
    return Start(std::make_unique<QTcpServer>(), port);
}

bool PortalServer::ListenSecure(quint16 port)
{
    QFile certificate(QStringLiteral(KESTRUNE_DEMO_TLS_DIR "/cert.pem"));
    QFile key(QStringLiteral(KESTRUNE_DEMO_TLS_DIR "/key.pem"));
    if (!certificate.open(QIODevice::ReadOnly) || !key.open(QIODevice::ReadOnly))
        return false;
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(QSslCertificate(certificate.readAll()));
    configuration.setPrivateKey(QSslKey(key.readAll(), QSsl::Rsa));
    auto server = std::make_unique<QSslServer>();
    server->setSslConfiguration(configuration);
    secure_ = true;
    return Start(std::move(server), port);
}

bool PortalServer::Start(std::unique_ptr<QTcpServer> server, quint16 port)
{
    if (root_.isEmpty() || !server->listen(QHostAddress::LocalHost, port))
        return false;
    server_ = std::move(server);
    connect(server_.get(), &QTcpServer::pendingConnectionAvailable, this, &PortalServer::Accept);
    return true;
}

QString PortalServer::BaseUrl() const
{
    return QStringLiteral("%1://127.0.0.1:%2/").arg(secure_ ? QStringLiteral("https") : QStringLiteral("http")).arg(Port());
}

int PortalServer::CountRequests(const QString& path) const
{
    const QString needle = QLatin1Char(' ') + path + QLatin1Char(' ');
    return int(std::count_if(log_.begin(), log_.end(), [&](const QString& line) { return line.contains(needle); }));
}

void PortalServer::Accept()
{
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Serve(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void PortalServer::Serve(QTcpSocket* socket)
{
    // A request is read whole (head up to the blank line, then a body of Content-Length bytes);
    // one response per connection.
    const QByteArray received = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", received);
    const qsizetype headEnd = received.indexOf("\r\n\r\n");
    if (headEnd < 0) {
        if (received.size() > MaxHead)
            socket->abort();
        return;
    }
    Request request;
    if (headEnd > MaxHead || !ParseHead(received.left(headEnd), request.method, request.target, request.headers)) {
        socket->abort();
        return;
    }
    bool lengthRead = true;
    const qlonglong length = request.headers.value("content-length", "0").toLongLong(&lengthRead);
    if (!lengthRead || length < 0 || length > MaxBody) {
        Send(socket, request, {413, "text/plain; charset=utf-8", "413 Payload Too Large\n", {}, {}});
        return;
    }
    if (received.size() - (headEnd + 4) < length)
        return;  // the rest of the body is on its way
    request.body = received.mid(headEnd + 4, length);
    if (!RespondWithDownload(socket, request))
        Send(socket, request, Respond(request));
}

PortalServer::Response PortalServer::Respond(const Request& request)
{
    if (request.method == "POST" && request.target == "/upload") {
        lastUpload_ = request.body;
        return {200, "text/plain; charset=utf-8", "收到 " + QByteArray::number(request.body.size()) + " 字节", {}, {}};
    }
    if (request.method != "GET" && request.method != "HEAD")
        return {405, {}, {}, {}, {}};
    Response response;
    if (request.target.startsWith("/private/")) {
        if (!SignedIn(request.headers))
            return {401, "text/html; charset=utf-8",
                    "<!DOCTYPE html><title>需要登录</title><h1>401 需要登录</h1><p>测试区只对玩家开放。</p>",
                    "WWW-Authenticate: Basic realm=\"Kestrune test area\"\r\n", {}};
        response.user = QString::fromLatin1(PrivateUser);
    }
    if (request.target.startsWith("/login/"))
        response.extraHeaders = "Set-Cookie: player=kestrune; Max-Age=86400; Path=/\r\n";
    const Response file = ServeFile(request);
    response.status = file.status;
    response.type = file.type;
    response.body = file.body;
    return response;
}

PortalServer::Response PortalServer::ServeFile(const Request& request)
{
    const QString file = Resolve(request.target);
    QFile input(file);
    if (file.isEmpty() || !input.open(QIODevice::ReadOnly))
        return {404, {}, {}, {}, {}};
    return {200, ContentType(file), input.readAll(), {}, {}};
}

void PortalServer::Send(QTcpSocket* socket, const Request& request, const Response& response)
{
    QByteArray body = response.body;
    QByteArray type = response.type;
    if (body.isEmpty() && response.status != 200) {
        body = QByteArray::number(response.status) + ' ' + StatusText(response.status) + '\n';
        type = "text/plain; charset=utf-8";
    }
    const QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + StatusText(response.status)
        + "\r\nContent-Type: " + type + "\r\nContent-Length: " + QByteArray::number(body.size())
        + "\r\nCache-Control: " + CacheControl(request.target) + "\r\n" + response.extraHeaders
        + "Connection: close\r\n\r\n";
    socket->write(request.method == "HEAD" ? head : head + body);
    socket->disconnectFromHost();
    Log(request, response.status, response.user);
}

void PortalServer::Log(const Request& request, int status, const QString& user)
{
    const QString target = QString::fromLatin1(request.target);
    cookies_.insert(target, request.headers.value("cookie"));
    QString line = QString::fromLatin1(request.method) + QLatin1Char(' ') + target + QLatin1Char(' ')
        + QString::number(status);
    if (!user.isEmpty())
        line += QLatin1Char(' ') + user;
    log_.append(line);
    std::fprintf(stderr, "%s\n", qPrintable(line));
    Q_EMIT RequestServed(line);
}

QByteArray PortalServer::GeneratedFile(qint64 bytes)
{
    QByteArray content(bytes, Qt::Uninitialized);
    for (qint64 i = 0; i < bytes; ++i)
        content[i] = char((i * 131 + i / 251) & 0xFF);
    return content;
}

bool PortalServer::RespondWithDownload(QTcpSocket* socket, const Request& request)
{
    const QUrl url(QString::fromLatin1(request.target));
    const QString path = url.path();
    if (request.method != "GET" || !path.startsWith(QStringLiteral("/files/")) || path.size() <= 7
        || path.indexOf(u'/', 7) >= 0)
        return false;
    const QUrlQuery query(url);
    const qint64 bytes = query.hasQueryItem(QStringLiteral("bytes"))
        ? query.queryItemValue(QStringLiteral("bytes")).toLongLong()
        : 1 << 20;
    const int paceMs = query.queryItemValue(QStringLiteral("pace")).toInt();
    if (bytes < 0 || bytes > (qint64(1) << 30))
        return false;
    const QByteArray name = path.mid(7).toUtf8();
    const QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: "
        + QByteArray::number(bytes) + "\r\nContent-Disposition: attachment; filename=\"" + name
        + "\"\r\nCache-Control: no-cache\r\nConnection: close\r\n\r\n";
    Log(request, 200, {});
    if (paceMs <= 0) {
        socket->write(head + GeneratedFile(bytes));
        socket->disconnectFromHost();
        return true;
    }
    socket->write(head);
    SendPaced(socket, request.target, GeneratedFile(bytes), paceMs);
    return true;
}

void PortalServer::SendPaced(QTcpSocket* socket, const QByteArray& target, QByteArray body, int paceMs)
{
    constexpr qsizetype Chunk = 16 * 1024;
    auto* timer = new QTimer(socket);
    auto sent = std::make_shared<qsizetype>(0);
    connect(timer, &QTimer::timeout, socket, [socket, timer, body, sent] {
        socket->write(body.mid(*sent, Chunk));
        *sent += Chunk;
        if (*sent >= body.size()) {
            timer->stop();
            socket->disconnectFromHost();
        }
    });
    connect(socket, &QTcpSocket::disconnected, this, [this, target, body, sent] {
        if (*sent < body.size())
            Q_EMIT DownloadAbandoned(QString::fromLatin1(target));
    });
    timer->start(paceMs);
}

QString PortalServer::Resolve(const QByteArray& target) const
{
    if (!target.startsWith('/'))
        return {};
    QByteArray path = target;
    for (const char end : {'?', '#'})
        if (const qsizetype at = path.indexOf(end); at >= 0)
            path.truncate(at);
    const QString decoded = QUrl::fromPercentEncoding(path);
    if (decoded.contains(QChar(0)) || decoded.contains(QLatin1Char('\\')))
        return {};
    QString candidate = root_ + decoded;
    if (QFileInfo(candidate).isDir())
        candidate += QStringLiteral("/index.html");
    // Canonical paths resolve "..", "." and links: the file must still lie inside the root.
    const QString canonical = QFileInfo(candidate).canonicalFilePath();
    if (canonical.isEmpty() || !canonical.startsWith(root_ + QLatin1Char('/')) || !QFileInfo(canonical).isFile())
        return {};
    return canonical;
}
