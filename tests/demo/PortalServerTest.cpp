#include "server/PortalServer.h"
#include "support/Wait.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSslSocket>
#include <QTcpSocket>
#include <gtest/gtest.h>

namespace {

struct Reply {
    int status = 0;
    QByteArray type;
    QByteArray body;
    QByteArray head;
};

// Sends a raw request line (and further header lines and a body), so that paths reach the
// server exactly as written; over TLS when a secure socket is given.
QByteArray RawRequest(quint16 port, const QByteArray& requestLine, const QByteArray& more = QByteArray(),
                      QTcpSocket&& socket = QTcpSocket())
{
    if (auto* secure = qobject_cast<QSslSocket*>(&socket)) {
        secure->setPeerVerifyMode(QSslSocket::VerifyNone);  // the demo's own certificate
        secure->connectToHostEncrypted(QStringLiteral("127.0.0.1"), port);
        // The server shakes hands on this thread too: the loop runs meanwhile.
        EXPECT_TRUE(WaitFor([&] { return secure->isEncrypted(); }, 5000));
    } else {
        socket.connectToHost(QHostAddress::LocalHost, port);
        EXPECT_TRUE(socket.waitForConnected(5000));
    }
    socket.write(requestLine + "\r\nHost: 127.0.0.1\r\n" + more);
    if (!more.contains("\r\n\r\n"))
        socket.write("\r\n");
    QByteArray response;
    WaitFor([&] {
        response += socket.readAll();
        return socket.state() == QAbstractSocket::UnconnectedState;
    }, 5000);
    return response + socket.readAll();
}

Reply Parse(const QByteArray& response)
{
    Reply reply;
    const qsizetype headEnd = response.indexOf("\r\n\r\n");
    const QList<QByteArray> head = response.left(headEnd).split('\n');
    reply.status = head.value(0).split(' ').value(1).toInt();
    for (const QByteArray& line : head)
        if (line.toLower().startsWith("content-type:"))
            reply.type = line.mid(13).trimmed();
    reply.body = response.mid(headEnd + 4);
    reply.head = response.left(headEnd);
    return reply;
}

class PortalServerTest : public ::testing::Test {
protected:
    PortalServer server{QStringLiteral(KESTRUNE_DEMO_PORTAL_DIR)};
    void SetUp() override { ASSERT_TRUE(server.Listen(0)); }
    Reply Get(const QByteArray& path, const QByteArray& method = "GET")
    {
        return Parse(RawRequest(server.Port(), method + ' ' + path + " HTTP/1.1"));
    }
};

TEST_F(PortalServerTest, ServesPagesWithTheirContentTypes)
{
    const Reply home = Get("/");
    EXPECT_EQ(home.status, 200);
    EXPECT_EQ(home.type, "text/html; charset=utf-8");
    EXPECT_TRUE(home.body.contains("<title>Kestrune"));
    const Reply css = Get("/portal.css");
    EXPECT_EQ(css.type, "text/css; charset=utf-8");
    EXPECT_EQ(Get("/games.html?x=1").status, 200);
    EXPECT_EQ(server.BaseUrl(), QStringLiteral("http://127.0.0.1:%1/").arg(server.Port()));
}

TEST_F(PortalServerTest, HeadAnswersWithoutBody)
{
    const Reply head = Get("/pay.html", "HEAD");
    EXPECT_EQ(head.status, 200);
    EXPECT_TRUE(head.body.isEmpty());
    EXPECT_EQ(Get("/pay.html", "POST").status, 405);
}

TEST_F(PortalServerTest, RefusesEverythingOutsideTheFolder)
{
    for (const QByteArray path : {"/../CMakeLists.txt", "/%2e%2e/CMakeLists.txt", "/%2E%2E%2FCMakeLists.txt",
                                  "/server/../../CMakeLists.txt", "/..%2f..%2fetc/passwd", "/missing.html",
                                  "/%00index.html", "/..\\CMakeLists.txt", "relative.html"})
        EXPECT_EQ(Get(path).status, 404) << path.constData();
}

TEST_F(PortalServerTest, LogsOneLinePerRequest)
{
    Get("/games.html");
    Get("/nothing-here");
    ASSERT_EQ(server.Log().size(), 2);
    EXPECT_EQ(server.Log().at(0), QStringLiteral("GET /games.html 200"));
    EXPECT_EQ(server.Log().at(1), QStringLiteral("GET /nothing-here 404"));
    EXPECT_EQ(server.CountRequests(QStringLiteral("/games.html")), 1);
}

// The places a client's dealings with a portal are tried on: a part only a signed-in player
// may see, a page that logs the player in with a cookie, and uploads.
TEST_F(PortalServerTest, SignsInLogsInAndTakesUploads)
{
    const Reply refused = Get("/private/");
    EXPECT_EQ(refused.status, 401);
    EXPECT_TRUE(refused.head.contains("WWW-Authenticate: Basic realm=\"Kestrune test area\""));
    EXPECT_TRUE(refused.body.contains("401"));
    const QByteArray signIn = "Authorization: Basic " + QByteArray("player:kestrune").toBase64() + "\r\n";
    EXPECT_EQ(Parse(RawRequest(server.Port(), "GET /private/ HTTP/1.1", signIn)).status, 200);
    EXPECT_EQ(Parse(RawRequest(server.Port(), "GET /private/ HTTP/1.1", "Authorization: Basic eDp5\r\n")).status, 401);
    EXPECT_EQ(server.Log().filter(QStringLiteral("/private/")),
              QStringList({QStringLiteral("GET /private/ 401"), QStringLiteral("GET /private/ 200 player"),
                           QStringLiteral("GET /private/ 401")}));

    EXPECT_TRUE(Get("/login/").head.contains("Set-Cookie: player=kestrune; Max-Age=86400; Path=/"));
    RawRequest(server.Port(), "GET /login/ HTTP/1.1", "Cookie: player=kestrune\r\n");
    EXPECT_EQ(server.CookieOf(QStringLiteral("/login/")), "player=kestrune");

    const QByteArray upload("\x00\x01\xff头像", 8);
    const Reply taken = Parse(RawRequest(server.Port(), "POST /upload HTTP/1.1",
                                         "Content-Length: 8\r\n\r\n" + upload));
    EXPECT_EQ(taken.status, 200);
    EXPECT_EQ(server.LastUpload(), upload);
    for (const QByteArray length : {"99999999999", "-1", "lots"})
        EXPECT_EQ(Parse(RawRequest(server.Port(), "POST /upload HTTP/1.1", "Content-Length: " + length + "\r\n\r\n")).status,
                  413)
            << length.constData();
    EXPECT_EQ(server.LastUpload(), upload);
}

TEST(SecurePortalServer, ServesThePortalOverTls)
{
    PortalServer server{QStringLiteral(KESTRUNE_DEMO_PORTAL_DIR)};
    ASSERT_TRUE(server.ListenSecure(0));
    EXPECT_EQ(server.BaseUrl(), QStringLiteral("https://127.0.0.1:%1/").arg(server.Port()));
    const Reply home = Parse(RawRequest(server.Port(), "GET / HTTP/1.1", QByteArray(), QSslSocket()));
    EXPECT_EQ(home.status, 200);
    EXPECT_TRUE(home.body.contains("<title>Kestrune"));
}

}  // namespace
