#include "PortalServer.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <algorithm>
#include <cstdio>
#include <memory>

namespace {
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
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    default: return "Bad Request";
    }
}

// Everything is asked for afresh each time, but for the files under cached/, which browsers
// may keep for a day (the pages that fill and check the client's cache use them).
QByteArray CacheControl(const QByteArray& target)
{
    return target.startsWith("/cached/") ? "max-age=86400" : "no-cache";
}
}  // namespace

PortalServer::PortalServer(const QString& rootDir, QObject* parent)
    : QObject(parent), root_(QFileInfo(rootDir).canonicalFilePath())
{
    connect(&server_, &QTcpServer::newConnection, this, &PortalServer::Accept);
}

bool PortalServer::Listen(quint16 port)
{
    return !root_.isEmpty() && server_.listen(QHostAddress::LocalHost, port);
}

QString PortalServer::BaseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1/").arg(Port());
}

int PortalServer::CountRequests(const QString& path) const
{
    const QString needle = QLatin1Char(' ') + path + QLatin1Char(' ');
    return int(std::count_if(log_.begin(), log_.end(), [&](const QString& line) { return line.contains(needle); }));
}

void PortalServer::Accept()
{
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Serve(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void PortalServer::Serve(QTcpSocket* socket)
{
    // Requests are read whole (headers up to the blank line); one response per connection.
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    if (request.size() > 64 * 1024) {
        socket->abort();
        return;
    }
    socket->setProperty("request", request);
    const qsizetype end = request.indexOf("\r\n\r\n");
    if (end < 0)
        return;
    const QList<QByteArray> parts = request.left(request.indexOf("\r\n")).split(' ');
    Respond(socket, parts.value(0), parts.size() == 3 ? parts.at(1) : QByteArray());
}

void PortalServer::Respond(QTcpSocket* socket, const QByteArray& method, const QByteArray& target)
{
    if (RespondWithDownload(socket, method, target))
        return;
    int status = 200;
    QByteArray body;
    QByteArray type = "text/plain; charset=utf-8";
    const QString file = Resolve(target);
    if (method != "GET" && method != "HEAD") {
        status = 405;
    } else if (file.isEmpty()) {
        status = 404;
    } else {
        QFile input(file);
        if (input.open(QIODevice::ReadOnly)) {
            body = input.readAll();
            type = ContentType(file);
        } else {
            status = 404;
        }
    }
    if (status != 200)
        body = QByteArray::number(status) + ' ' + StatusText(status) + '\n';
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + ' ' + StatusText(status)
        + "\r\nContent-Type: " + type + "\r\nContent-Length: " + QByteArray::number(body.size())
        + "\r\nCache-Control: " + CacheControl(target) + "\r\nConnection: close\r\n\r\n";
    socket->write(method == "HEAD" ? head : head + body);
    socket->disconnectFromHost();
    Log(method, target, status);
}

void PortalServer::Log(const QByteArray& method, const QByteArray& target, int status)
{
    const QString line = QString::fromLatin1(method) + QLatin1Char(' ') + QString::fromLatin1(target)
        + QLatin1Char(' ') + QString::number(status);
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

bool PortalServer::RespondWithDownload(QTcpSocket* socket, const QByteArray& method, const QByteArray& target)
{
    const QUrl url(QString::fromLatin1(target));
    const QString path = url.path();
    if (method != "GET" || !path.startsWith(QStringLiteral("/files/")) || path.size() <= 7 || path.indexOf(u'/', 7) >= 0)
        return false;
    const QUrlQuery query(url);
    const qint64 bytes = query.hasQueryItem(QStringLiteral("bytes")) ? query.queryItemValue(QStringLiteral("bytes")).toLongLong()
                                                                      : 1 << 20;
    const int paceMs = query.queryItemValue(QStringLiteral("pace")).toInt();
    if (bytes < 0 || bytes > (qint64(1) << 30))
        return false;
    const QByteArray name = path.mid(7).toUtf8();
    const QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: "
        + QByteArray::number(bytes) + "\r\nContent-Disposition: attachment; filename=\"" + name
        + "\"\r\nCache-Control: no-cache\r\nConnection: close\r\n\r\n";
    Log(method, target, 200);
    if (paceMs <= 0) {
        socket->write(head + GeneratedFile(bytes));
        socket->disconnectFromHost();
        return true;
    }
    socket->write(head);
    SendPaced(socket, target, GeneratedFile(bytes), paceMs);
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
