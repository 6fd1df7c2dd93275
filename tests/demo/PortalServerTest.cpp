#include "server/PortalServer.h"
#include "support/Wait.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpSocket>
#include <gtest/gtest.h>

namespace {

struct Reply {
    int status = 0;
    QByteArray type;
    QByteArray body;
};

// Sends a raw request line, so that paths reach the server exactly as written.
QByteArray RawRequest(quint16 port, const QByteArray& requestLine)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    EXPECT_TRUE(socket.waitForConnected(5000));
    socket.write(requestLine + "\r\nHost: 127.0.0.1\r\n\r\n");
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

}  // namespace
