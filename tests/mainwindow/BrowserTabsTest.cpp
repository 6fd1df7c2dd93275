#include "support/MainWindowFixture.h"

#include "framework/TTabSheet.h"
#include "framework/TTimer.h"
#include "skincontrols/TbsSkinPageControl.h"
#include "skincontrols/TbsSkinTabSheet.h"

#include <QPointer>
#include <QWebEnginePage>

namespace {

class BrowserTabs : public MainWindowFixture {
protected:
    TbsSkinPageControl* Pages() const { return form->bsSkinPageControl; }
    TWebBrowser* BrowserOf(int page) const { return Pages()->Page(page)->findChild<TWebBrowser*>(); }
    bool HomeLoaded()
    {
        return WaitFor([&] { return form->bsSkinTabSheetMain->Caption() == QStringLiteral("Kestrune 游戏大厅"); });
    }
    void RunScript(TWebBrowser* target, const QString& script) { target->page()->runJavaScript(script); }
    void Click(TWebBrowser* target, const char* id)
    {
        RunScript(target, QStringLiteral("document.getElementById('%1').click()").arg(QLatin1String(id)));
    }
};

TEST_F(BrowserTabs, NewWindowRequestsOpenNumberedTabsAtTheEndThatTakeTheirTitles)
{
    ASSERT_TRUE(HomeLoaded());
    Click(form->WebBrowser, "games-new");  // target=_blank
    ASSERT_TRUE(WaitFor([&] { return Pages()->PageCount() == 2; }));
    EXPECT_EQ(Pages()->ActivePage(), Pages()->Page(1));
    EXPECT_EQ(Pages()->Page(1)->Caption(), QStringLiteral(" 新页面0  "));
    EXPECT_EQ(Pages()->Page(1)->Tag(), 2);
    EXPECT_EQ(BrowserOf(1)->Tag(), 2);
    EXPECT_TRUE(BrowserOf(1)->Silent());

    form->ActivateTab(0);  // a tab behind the front one would open its window behind
    Click(form->WebBrowser, "gift-open");  // window.open from the main tab
    ASSERT_TRUE(WaitFor([&] { return Pages()->PageCount() == 3; }));
    EXPECT_EQ(Pages()->Page(2)->Caption(), QStringLiteral(" 新页面1  "));
    EXPECT_EQ(Pages()->ActivePage(), Pages()->Page(2));

    // Titles replace the captions whole, each in its own tab.
    EXPECT_TRUE(WaitFor([&] { return Pages()->Page(1)->Caption() == QStringLiteral("游戏列表"); }));
    EXPECT_TRUE(WaitFor([&] { return Pages()->Page(2)->Caption() == QStringLiteral("礼包中心"); }));

    // A new window asked for by a tab that is itself new opens at the end too.
    Click(BrowserOf(1), "user-open");
    ASSERT_TRUE(WaitFor([&] { return Pages()->PageCount() == 4; }));
    EXPECT_EQ(Pages()->Page(3)->Tag(), 4);
    EXPECT_TRUE(WaitFor([&] { return Pages()->Page(3)->Caption() == QStringLiteral("用户中心"); }));
}

TEST_F(BrowserTabs, TitlesChangedByScriptAndEmptyTitlesReachTheCaption)
{
    TWebBrowser* tab = form->OpenTab(portal.Url(QStringLiteral("title.html")), nullptr);
    TTabSheet* sheet = Pages()->Page(1);
    EXPECT_TRUE(WaitFor([&] { return sheet->Caption() == QStringLiteral("标题二"); }));
    form->WebBrowserTitleChange(tab, QString());
    EXPECT_EQ(sheet->Caption(), QString());
    // A title from a browser that is in no tab record is dropped.
    TWebBrowser stray(form->bsSkinTabSheetMain);
    stray.SetTag(99);
    form->WebBrowserTitleChange(&stray, QStringLiteral("lost"));
    EXPECT_EQ(sheet->Caption(), QString());
}

TEST_F(BrowserTabs, TagsAreNeverReused)
{
    form->OpenTab(portal.Url(QStringLiteral("games.html")), nullptr);
    form->OpenTab(portal.Url(QStringLiteral("user.html")), nullptr);
    EXPECT_EQ(Pages()->Page(1)->Tag(), 2);
    EXPECT_EQ(Pages()->Page(2)->Tag(), 3);

    form->TimerCloseTab->SetTag(1);  // the tab with tag 2
    form->TimerCloseTab->SetEnabled(true);
    ASSERT_TRUE(WaitFor([&] { return Pages()->PageCount() == 2; }));
    form->OpenTab(portal.Url(QStringLiteral("gift.html")), nullptr);
    EXPECT_EQ(Pages()->Page(2)->Tag(), 4);
    EXPECT_EQ(form->Tabs().TabTagCounter(), 4);
    EXPECT_EQ(form->Tabs().Registry()->Count(), 4);  // the closed tab's entry stays
    EXPECT_EQ(form->Tabs().FindTab(2)->Browser, nullptr);
}

TEST_F(BrowserTabs, CloseTimerFreesThePageAndItsBrowserOnItsNextTick)
{
    form->OpenTab(portal.Url(QStringLiteral("games.html")), nullptr);
    form->OpenTab(portal.Url(QStringLiteral("user.html")), nullptr);
    form->OpenTab(portal.Url(QStringLiteral("gift.html")), nullptr);
    Pages()->SetActivePage(Pages()->Page(0));
    QPointer<TTabSheet> closing = Pages()->Page(2);
    QPointer<TWebBrowser> closingBrowser = BrowserOf(2);
    TTabSheet* following = Pages()->Page(3);

    form->TimerCloseTab->SetTag(2);
    form->TimerCloseTab->SetEnabled(true);
    EXPECT_FALSE(closing.isNull());  // nothing happens before the tick
    ASSERT_TRUE(WaitFor([&] { return closing.isNull(); }));
    EXPECT_TRUE(closingBrowser.isNull());
    EXPECT_FALSE(form->TimerCloseTab->Enabled());
    EXPECT_EQ(Pages()->ActivePage(), following);

    form->TimerCloseTab->SetTag(2);  // now the last page: the first page follows
    form->TimerCloseTab->SetEnabled(true);
    ASSERT_TRUE(WaitFor([&] { return Pages()->PageCount() == 2; }));
    EXPECT_EQ(Pages()->ActivePage(), Pages()->Page(0));
}

TEST_F(BrowserTabs, RefreshLookupFindsTheActiveTabsBrowser)
{
    TWebBrowser* games = form->OpenTab(portal.Url(QStringLiteral("games.html")), nullptr);
    TTabRecord* record = form->Tabs().FindTab(Pages()->ActivePage()->Tag());
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->Browser, games);
    EXPECT_EQ(form->Tabs().FindTab(77), nullptr);
}

class PayPageRule : public BrowserTabs {
protected:
    QString Pay() const { return portal.Url(QStringLiteral("pay.html")); }
    // Each case a while after the one before: the hand-off is paced per tab and address.
    bool Cancelled(const QString& url)
    {
        clock.Advance(PayHandOff::SameAddressPauseMs);
        bool cancel = false;
        form->WebBrowserBeforeNavigate2(form->WebBrowser, nullptr, url, 0, {}, {}, {}, &cancel);
        return cancel;
    }
};

TEST_F(PayPageRule, MatchesTheAddressAnywhereCaseSensitively)
{
    EXPECT_TRUE(Cancelled(Pay()));
    EXPECT_TRUE(Cancelled(Pay() + QStringLiteral("?amount=10")));
    EXPECT_TRUE(Cancelled(portal.Url(QStringLiteral("index.html?next=")) + Pay()));
    EXPECT_FALSE(Cancelled(portal.Url(QStringLiteral("index.html?next=")) + Pay().toUpper()));
    EXPECT_FALSE(Cancelled(portal.Url(QStringLiteral("games.html"))));
    EXPECT_EQ(browser.opened,
              (QStringList{Pay(), Pay() + QStringLiteral("?amount=10"), portal.Url(QStringLiteral("index.html?next=")) + Pay()}));
}

TEST_F(PayPageRule, NonWebAddressesAreCancelledAndHandedToNobody)
{
    EXPECT_TRUE(Cancelled(QStringLiteral("file:///etc/passwd?x=") + Pay()));
    EXPECT_TRUE(Cancelled(QStringLiteral("javascript:alert(1)//") + Pay()));
    EXPECT_TRUE(browser.opened.isEmpty());
}

TEST_F(PayPageRule, RealNavigationsInTabsFramesAndNewWindowsGoToTheDefaultBrowser)
{
    ASSERT_TRUE(HomeLoaded());
    Click(form->WebBrowser, "pay-link");
    ASSERT_TRUE(WaitFor([&] { return browser.opened.size() == 1; }));
    EXPECT_EQ(browser.opened.at(0), Pay());

    // A frame inside a page: the frame's navigation is cancelled, the page stays.
    clock.Advance(PayHandOff::TabPauseMs);
    form->WebBrowser->Navigate(portal.Url(QStringLiteral("frame.html")));
    ASSERT_TRUE(WaitFor([&] { return browser.opened.size() == 2; }));
    EXPECT_EQ(browser.opened.at(1), Pay() + QStringLiteral("?from=frame"));
    EXPECT_TRUE(WaitFor([&] { return form->bsSkinTabSheetMain->Caption() == QStringLiteral("充值框架"); }));

    // As a new window: the new tab stays, without the page.
    form->WebBrowser->Navigate(portal.BaseUrl());
    ASSERT_TRUE(WaitFor([&] { return form->bsSkinTabSheetMain->Caption() == QStringLiteral("Kestrune 游戏大厅"); }));
    clock.Advance(PayHandOff::SameAddressPauseMs);
    Click(form->WebBrowser, "pay-new");
    ASSERT_TRUE(WaitFor([&] { return browser.opened.size() == 3; }));
    EXPECT_EQ(Pages()->PageCount(), 2);
    EXPECT_EQ(Pages()->Page(1)->Caption(), QStringLiteral(" 新页面0  "));
    EXPECT_EQ(portal.Server().CountRequests(QStringLiteral("/pay.html")), 0);
}

// The portal address as a player might configure it, with capitals in its host: the engine
// reports the pay page in lower case, and the rule must still catch it.
class PayPageSpelling : public PayPageRule {
protected:
    QString PortalUrl() const override { return QStringLiteral("http://LocalHost:%1/").arg(QUrl(portal.BaseUrl()).port()); }
};

TEST_F(PayPageSpelling, CapitalsInTheConfiguredHostStillKeepThePayPageOut)
{
    const QString pay = QStringLiteral("http://localhost:%1/pay.html").arg(portal.Server().Port());
    EXPECT_EQ(form->PortalBaseUrl(), QStringLiteral("http://localhost:%1/").arg(portal.Server().Port()));
    ASSERT_TRUE(HomeLoaded());
    Click(form->WebBrowser, "pay-link");
    ASSERT_TRUE(WaitFor([&] { return browser.opened.size() == 1; }));
    EXPECT_EQ(browser.opened.at(0), pay);
    EXPECT_EQ(portal.Server().CountRequests(QStringLiteral("/pay.html")), 0);
    EXPECT_TRUE(Cancelled(pay + QStringLiteral("?amount=10")));
}

// An international host name: the engine reports it in its ASCII form.
class PayPageInternationalHost : public PayPageRule {
protected:
    QString PortalUrl() const override { return QStringLiteral("http://游戏.example:80/门户/"); }
};

TEST_F(PayPageInternationalHost, TheRuleMatchesTheHostsAsciiForm)
{
    EXPECT_EQ(form->PortalBaseUrl(), QStringLiteral("http://xn--unup4y.example/%E9%97%A8%E6%88%B7/"));
    EXPECT_TRUE(Cancelled(QStringLiteral("http://xn--unup4y.example/%E9%97%A8%E6%88%B7/pay.html")));
    EXPECT_FALSE(Cancelled(QStringLiteral("http://xn--unup4y.example/%E9%97%A8%E6%88%B7/games.html")));
    EXPECT_EQ(browser.opened, QStringList(QStringLiteral("http://xn--unup4y.example/%E9%97%A8%E6%88%B7/pay.html")));
}

}  // namespace
