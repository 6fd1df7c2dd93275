#include "support/MainWindowFixture.h"
#include "support/PageScript.h"

#include "framework/TTabSheet.h"
#include "mainwindow/FullScreenView.h"
#include "skincontrols/TbsSkinPageControl.h"

#include <QApplication>
#include <QTest>

namespace {

// Pages open windows as tabs without a click, but within bounds; the clock stands still, so
// every window of a test falls within one ten-second spell.
class PagePopups : public MainWindowFixture {
protected:
    TbsSkinPageControl* Pages() const { return form->bsSkinPageControl; }
    TWebBrowser* BrowserOf(int page) const { return Pages()->Page(page)->findChild<TWebBrowser*>(); }
    bool Show(TWebBrowser* tab, const char* page, const QString& title)
    {
        tab->Navigate(portal.Url(QLatin1String(page)));
        return WaitFor([&] { return tab->title() == title; });
    }
    // window.open in Tab; whether a tab comes of it shows later.
    void OpenWindow(TWebBrowser* tab, const char* page)
    {
        tab->page()->runJavaScript(QStringLiteral("window.open('%1')").arg(portal.Url(QLatin1String(page))));
    }
    bool PageCountIs(int count) { return WaitFor([&] { return Pages()->PageCount() == count; }); }
};

TEST_F(PagePopups, ATabOpensThreeWindowsAndNoMoreWithinTenSeconds)
{
    ASSERT_TRUE(Show(form->WebBrowser, "lab/popups.html", QStringLiteral("弹出窗口")));
    ASSERT_TRUE(WaitForScript(form->WebBrowser->page(), QStringLiteral("window.asked"), 20));
    EXPECT_EQ(Pages()->PageCount(), 4);

    // Twenty more from a key press: the player's key gives the page no more windows.
    form->ActivateTab(0);
    QApplication::setActiveWindow(form.get());
    form->WebBrowser->setFocus();
    ASSERT_TRUE(WaitForScript(form->WebBrowser->page(), QStringLiteral("document.hasFocus()"), true));
    QTest::keyClick(form->WebBrowser->focusProxy(), Qt::Key_A);
    ASSERT_TRUE(WaitForScript(form->WebBrowser->page(), QStringLiteral("window.asked"), 40));
    EXPECT_EQ(Pages()->PageCount(), 4);
    // Another tab has windows of its own.
    OpenWindow(BrowserOf(1), "user.html");
    EXPECT_TRUE(PageCountIs(5));
}

TEST_F(PagePopups, AWindowFromATabBehindOpensBehindAndKeepsTheWholeScreen)
{
    TWebBrowser* behind = form->OpenTab(portal.Url(QStringLiteral("games.html")), nullptr);
    TWebBrowser* front = form->OpenTab(portal.Url(QStringLiteral("gift.html")), nullptr);
    ASSERT_TRUE(WaitFor([&] { return behind->title() == QStringLiteral("游戏列表"); }));
    form->ToggleFullScreen();
    ASSERT_EQ(form->FullScreen().View(), front);

    behind->page()->runJavaScript(QStringLiteral("setTimeout(() => window.open('user.html'), 0)"));
    ASSERT_TRUE(WaitFor([&] { return Pages()->PageCount() == 4; }));
    EXPECT_EQ(Pages()->ActivePage(), Pages()->Page(2));
    EXPECT_TRUE(form->FullScreen().Active());
    EXPECT_EQ(form->FullScreen().View(), front);
    EXPECT_TRUE(WaitFor([&] { return Pages()->Page(3)->Caption() == QStringLiteral("用户中心"); }));

    // The tab in front still brings its window to the front.
    form->ToggleFullScreen();
    OpenWindow(front, "service.html");
    ASSERT_TRUE(PageCountIs(5));
    EXPECT_EQ(Pages()->ActivePage(), Pages()->Page(4));
}

TEST_F(PagePopups, APageClosesTheWindowsPagesOpenedAndNoOtherTab)
{
    ASSERT_TRUE(Show(form->WebBrowser, "games.html", QStringLiteral("游戏列表")));
    OpenWindow(form->WebBrowser, "gift.html");
    ASSERT_TRUE(PageCountIs(2));
    TWebBrowser* popup = BrowserOf(1);
    ASSERT_TRUE(WaitFor([&] { return popup->title() == QStringLiteral("礼包中心"); }));
    popup->page()->runJavaScript(QStringLiteral("window.close()"));
    ASSERT_TRUE(WaitFor([&] { return Pages()->PageCount() == 1; }));

    // The main tab and a tab the client opened stay, whatever their pages ask.
    TWebBrowser* linked = form->OpenTab(portal.Url(QStringLiteral("user.html")), nullptr);
    ASSERT_TRUE(WaitFor([&] { return linked->title() == QStringLiteral("用户中心"); }));
    for (TWebBrowser* tab : {form->WebBrowser, linked}) {
        tab->page()->runJavaScript(QStringLiteral("window.close()"));
        ASSERT_TRUE(Show(tab, "service.html", QStringLiteral("客服中心")));
    }
    EXPECT_EQ(Pages()->PageCount(), 2);
}

TEST_F(PagePopups, PagesOpenNoWindowBeyondFiftyTabs)
{
    while (Pages()->PageCount() < TFormMain::MaxTabs - 1)
        form->OpenTab(QString(), nullptr);
    ASSERT_TRUE(Show(form->WebBrowser, "games.html", QStringLiteral("游戏列表")));
    OpenWindow(form->WebBrowser, "gift.html");
    ASSERT_TRUE(PageCountIs(TFormMain::MaxTabs));
    EXPECT_TRUE(WaitFor([&] { return BrowserOf(TFormMain::MaxTabs - 1)->title() == QStringLiteral("礼包中心"); }));

    // The engine's next request for a window gets none.
    QWebEnginePage* window = nullptr;
    bool cancel = false;
    form->WebBrowserNewWindow2(form->WebBrowser, &window, &cancel);
    EXPECT_TRUE(cancel);
    EXPECT_EQ(window, nullptr);
    EXPECT_EQ(Pages()->PageCount(), TFormMain::MaxTabs);
}

// An advertisement from another host adds a frame with the pay page in its address every
// 100 ms for two seconds: every one is stopped, one opens the player's browser.
TEST_F(PagePopups, AFrameAskingForThePayPageOverAndOverOpensThePlayersBrowserOnce)
{
    ASSERT_TRUE(Show(form->WebBrowser, "lab/adstorm.html", QStringLiteral("广告结束")));
    ASSERT_TRUE(Show(form->WebBrowser, "games.html", QStringLiteral("游戏列表")));
    ASSERT_EQ(browser.opened.size(), 1);
    EXPECT_TRUE(browser.opened.at(0).startsWith(portal.Url(QStringLiteral("games.html?next="))));
    EXPECT_TRUE(portal.Server().Log().filter(QStringLiteral("pay.html")).isEmpty()) << portal.Server().Log().join(u'\n').toStdString();
}

}  // namespace
