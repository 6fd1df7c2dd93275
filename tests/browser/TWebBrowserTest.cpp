#include "browser/TWebBrowser.h"
#include "support/PortalFixture.h"
#include "support/Wait.h"

#include <QApplication>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

class WebBrowser : public ::testing::Test {
protected:
    void SetUp() override
    {
        sheet.resize(400, 300);
        browser = new TWebBrowser(&sheet);
        sheet.show();
        QObject::connect(browser, &TWebBrowser::OnTitleChange, browser,
                         [this](QObject*, const QString& text) { titles.append(text); });
    }
    bool TitleIs(const QString& title)
    {
        return WaitFor([&] { return !titles.isEmpty() && titles.constLast() == title; });
    }

    PortalFixture portal;
    QWidget sheet;
    TWebBrowser* browser = nullptr;
    QStringList titles;
};

TEST_F(WebBrowser, FillsItsSheetAndFollowsItsSize)
{
    EXPECT_EQ(browser->geometry(), QRect(0, 0, 400, 300));
    sheet.resize(500, 320);
    EXPECT_EQ(browser->geometry(), QRect(0, 0, 500, 320));
}

TEST_F(WebBrowser, EveryBrowserSharesTheOnePersistentProfile)
{
    QWidget otherSheet;
    TWebBrowser other(&otherSheet);
    QWebEngineProfile* profile = browser->page()->profile();
    EXPECT_EQ(profile, other.page()->profile());
    EXPECT_EQ(profile, TWebBrowser::SharedProfile());
    EXPECT_FALSE(profile->isOffTheRecord());
    EXPECT_EQ(profile->storageName(), QStringLiteral("Kestrune"));
    EXPECT_EQ(profile->httpCacheType(), QWebEngineProfile::DiskHttpCache);
    EXPECT_EQ(profile->persistentCookiesPolicy(), QWebEngineProfile::ForcePersistentCookies);
    EXPECT_EQ(profile->parent(), QCoreApplication::instance());  // outlives every page
}

TEST_F(WebBrowser, NavigateLoadsThePageAndRaisesOnABadAddress)
{
    browser->Navigate(portal.Url(QStringLiteral("games.html")));
    EXPECT_TRUE(TitleIs(QStringLiteral("游戏列表")));
    EXPECT_THROW(browser->Navigate(QStringLiteral("not an address")), std::exception);
}

TEST_F(WebBrowser, CancelStopsMainFrameAndFrameNavigations)
{
    QStringList seen;
    browser->OnBeforeNavigate2 = [&](QObject* sender, QObject* pDisp, const QString& url, int, const QString&,
                                     const QByteArray&, const QString&, bool* cancel) {
        EXPECT_EQ(sender, browser);
        EXPECT_EQ(pDisp, browser->Application());
        seen.append(url);
        *cancel = url.contains(QStringLiteral("pay.html"));
    };
    browser->Navigate(portal.Url(QStringLiteral("frame.html")));
    EXPECT_TRUE(TitleIs(QStringLiteral("充值框架")));
    ASSERT_TRUE(WaitFor([&] { return seen.size() >= 2; }));
    EXPECT_EQ(seen.at(0), portal.Url(QStringLiteral("frame.html")));
    EXPECT_EQ(seen.at(1), portal.Url(QStringLiteral("pay.html?from=frame")));

    browser->Navigate(portal.Url(QStringLiteral("pay.html")));
    browser->Navigate(portal.Url(QStringLiteral("user.html")));
    EXPECT_TRUE(TitleIs(QStringLiteral("用户中心")));
    EXPECT_EQ(portal.Server().CountRequests(QStringLiteral("/pay.html?from=frame")), 0);
    EXPECT_EQ(portal.Server().CountRequests(QStringLiteral("/pay.html")), 0);
    EXPECT_FALSE(titles.contains(QStringLiteral("充值中心")));
}

TEST_F(WebBrowser, NewWindowIsShownByTheBrowserHandedBack)
{
    QWidget otherSheet;
    otherSheet.resize(300, 200);
    auto* other = new TWebBrowser(&otherSheet);
    otherSheet.show();
    QStringList otherTitles;
    QObject::connect(other, &TWebBrowser::OnTitleChange, other,
                     [&](QObject*, const QString& text) { otherTitles.append(text); });
    browser->OnNewWindow2 = [&](QObject*, QWebEnginePage** ppDisp, bool* cancel) {
        EXPECT_FALSE(*cancel);
        *ppDisp = other->Application();
    };
    browser->Navigate(portal.BaseUrl());
    ASSERT_TRUE(TitleIs(QStringLiteral("Kestrune 游戏大厅")));
    browser->page()->runJavaScript(QStringLiteral("document.getElementById('games-new').click()"));
    EXPECT_TRUE(WaitFor([&] { return otherTitles.contains(QStringLiteral("游戏列表")); }));
    EXPECT_EQ(titles.constLast(), QStringLiteral("Kestrune 游戏大厅"));
}

TEST_F(WebBrowser, SilentKeepsScriptDialogsAway)
{
    browser->SetSilent(true);
    EXPECT_TRUE(browser->Silent());
    bool dialogSeen = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            dialogSeen = true;
            modal->close();
        }
    });
    watcher.start(5);
    browser->Navigate(portal.Url(QStringLiteral("games.html")));
    ASSERT_TRUE(TitleIs(QStringLiteral("游戏列表")));
    browser->page()->runJavaScript(QStringLiteral(
        "alert('hello'); var ok = confirm('sure?'); document.title = ok ? 'confirmed' : 'after dialogs';"));
    EXPECT_TRUE(TitleIs(QStringLiteral("after dialogs")));
    EXPECT_FALSE(dialogSeen);
}

TEST_F(WebBrowser, RefreshAsksTheServerAgain)
{
    browser->Navigate(portal.Url(QStringLiteral("gift.html")));
    ASSERT_TRUE(TitleIs(QStringLiteral("礼包中心")));
    ASSERT_EQ(portal.Server().CountRequests(QStringLiteral("/gift.html")), 1);
    browser->Refresh();
    EXPECT_TRUE(WaitFor([&] { return portal.Server().CountRequests(QStringLiteral("/gift.html")) == 2; }));
}

TEST_F(WebBrowser, AnExceptionInAHandlerIsReportedAndTheNavigationGoesOn)
{
    browser->OnBeforeNavigate2 = [](QObject*, QObject*, const QString&, int, const QString&, const QByteArray&,
                                    const QString&, bool*) { throw std::runtime_error("handler failed"); };
    testing::internal::CaptureStderr();
    browser->Navigate(portal.Url(QStringLiteral("service.html")));
    const bool loaded = TitleIs(QStringLiteral("客服中心"));
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(loaded);
    EXPECT_NE(errors.find("handler failed"), std::string::npos);
}

}  // namespace
