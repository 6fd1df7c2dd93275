#include "support/MainWindowFixture.h"
#include "support/PageScript.h"

#include "framework/TTabSheet.h"
#include "skincontrols/TbsSkinPageControl.h"
#include "skincontrols/TbsSkinTabSheet.h"

#include <QTcpServer>
#include <QWebEnginePage>
#include <signal.h>

namespace {

class RendererEnd : public MainWindowFixture {
protected:
    QString CaptionOf(int page) const { return form->bsSkinPageControl->Page(page)->Caption(); }
    int GamesLoads() { return portal.Server().CountRequests(QStringLiteral("/games.html")); }
    // Ends the tab's renderer as the system would end a process that misbehaves.
    void KillRenderer(TWebBrowser* tab)
    {
        const qint64 pid = tab->page()->renderProcessPid();
        ASSERT_GT(pid, 0);
        ASSERT_EQ(kill(pid_t(pid), SIGKILL), 0);
        ASSERT_TRUE(WaitFor([&] { return tab->page()->renderProcessPid() != pid; }));
    }
};

TEST_F(RendererEnd, TheTabReloadsOnceThenShowsItStoppedWithinThirtySeconds)
{
    ASSERT_TRUE(WaitFor([&] { return CaptionOf(0) == QStringLiteral("Kestrune 游戏大厅"); }));
    TWebBrowser* games = form->OpenTab(portal.Url(QStringLiteral("games.html")), nullptr);
    ASSERT_TRUE(WaitFor([&] { return CaptionOf(1) == QStringLiteral("游戏列表"); }));
    const qint64 mainRenderer = form->WebBrowser->page()->renderProcessPid();
    ASSERT_NE(mainRenderer, games->page()->renderProcessPid());  // else the main tab would go too

    KillRenderer(games);
    EXPECT_TRUE(WaitFor([&] { return GamesLoads() == 2; }));
    EXPECT_TRUE(WaitForScript(games->page(), QStringLiteral("document.title"), QStringLiteral("游戏列表")));

    clock.Advance(29999);
    KillRenderer(games);
    ASSERT_TRUE(WaitFor([&] { return CaptionOf(1) == QStringLiteral("页面已停止响应"); }));
    EXPECT_EQ(GamesLoads(), 2);
    EXPECT_EQ(Evaluate(games->page(), QStringLiteral("document.getElementById('link').href")),
              portal.Url(QStringLiteral("games.html")));

    // The main tab and the client went on as before.
    EXPECT_EQ(form->WebBrowser->page()->renderProcessPid(), mainRenderer);
    EXPECT_EQ(Evaluate(form->WebBrowser->page(), QStringLiteral("document.title")), QStringLiteral("Kestrune 游戏大厅"));
    EXPECT_EQ(form->bsSkinPageControl->PageCount(), 2);

    // The link on the stopped page goes back to the page.
    Evaluate(games->page(), QStringLiteral("document.getElementById('link').click(); 0"));
    ASSERT_TRUE(WaitFor([&] { return CaptionOf(1) == QStringLiteral("游戏列表"); }));
    EXPECT_EQ(GamesLoads(), 3);

    // Thirty seconds after the last end, an end counts as the first again.
    clock.Advance(30000);
    KillRenderer(games);
    EXPECT_TRUE(WaitFor([&] { return GamesLoads() == 4; }));
    EXPECT_TRUE(WaitForScript(games->page(), QStringLiteral("document.title"), QStringLiteral("游戏列表")));
}

// A port on the loopback that nothing listens on, until the test starts the portal there.
quint16 FreePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

class UnreachablePortal : public MainWindowFixture {
protected:
    QString PortalUrl() const override { return QStringLiteral("http://127.0.0.1:%1/").arg(port); }
    QString MainCaption() const { return form->bsSkinTabSheetMain->Caption(); }
    // Whether the main tab's page says Text; the page is replaced at every retry.
    bool MainSays(const QString& text)
    {
        return WaitForScript(form->WebBrowser->page(),
                             QStringLiteral("document.body.innerText.includes('%1')").arg(text), true);
    }

    const quint16 port = FreePort();
};

TEST_F(UnreachablePortal, TheMainTabSaysSoAndRetriesWithGrowingPausesUntilThePortalAnswers)
{
    ASSERT_NE(port, 0);
    const QString unreachable = QStringLiteral("暂时无法连接游戏大厅");
    ASSERT_TRUE(WaitFor([&] { return MainCaption() == unreachable; }));
    EXPECT_EQ(clock.pauses, (std::vector<qint64>{2000}));
    EXPECT_TRUE(MainSays(QStringLiteral("2 秒后自动重试")));
    EXPECT_EQ(Evaluate(form->WebBrowser->page(), QStringLiteral("document.getElementById('link').href")), PortalUrl());

    // Another tab's page that cannot be reached keeps the engine's own error page.
    TWebBrowser* other = form->OpenTab(PortalUrl() + QStringLiteral("games.html"), nullptr);
    ASSERT_TRUE(WaitFor([&] { return other->url() == QUrl(PortalUrl() + QStringLiteral("games.html")) && !other->title().isEmpty(); }));
    EXPECT_NE(form->bsSkinPageControl->Page(1)->Caption(), unreachable);

    for (const qint64 pause : {2000, 4000}) {
        clock.Advance(pause);
        ASSERT_TRUE(WaitFor([&] { return clock.Waiting() == 1 && MainCaption() == unreachable; })) << pause;
    }
    EXPECT_EQ(clock.pauses, (std::vector<qint64>{2000, 4000, 8000}));
    EXPECT_TRUE(MainSays(QStringLiteral("8 秒后自动重试")));

    // The portal comes up: the next retry shows it, and the retries end.
    PortalServer late(QStringLiteral(KESTRUNE_DEMO_PORTAL_DIR));
    ASSERT_TRUE(late.Listen(port));
    clock.Advance(8000);
    ASSERT_TRUE(WaitFor([&] { return MainCaption() == QStringLiteral("Kestrune 游戏大厅"); }));
    EXPECT_EQ(clock.Waiting(), 0);
    EXPECT_EQ(clock.pauses.size(), 3u);
    EXPECT_EQ(late.CountRequests(QStringLiteral("/")), 1);
}

}  // namespace
