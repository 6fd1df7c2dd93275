#include "support/GarbageListener.h"
#include "support/MainWindowFixture.h"
#include "support/PageScript.h"

#include "framework/TTabSheet.h"
#include "skincontrols/TbsSkinPageControl.h"

namespace {

class FailedLoads : public MainWindowFixture {
protected:
    QString CaptionOf(int page) const { return form->bsSkinPageControl->Page(page)->Caption(); }
    QString Text(TWebBrowser* tab) { return Evaluate(tab->page(), QStringLiteral("document.body.innerText")).toString(); }
};

// A portal whose secure connection fails, or whose certificate is doubtful, gets the client's
// own page naming the cause and the host, with a link to try again, and is not tried again by
// itself; in another tab only the doubtful certificate gets the client's page.
TEST_F(FailedLoads, SecureConnectionsThatFailAreExplainedAndNotRetried)
{
    PortalServer secure(QStringLiteral(KESTRUNE_DEMO_PORTAL_DIR));
    ASSERT_TRUE(secure.ListenSecure(0));
    GarbageListener garbage;
    const QString garbageUrl = QStringLiteral("https://127.0.0.1:%1/").arg(garbage.Port());
    const struct {
        const char* what;
        QString url;
        QString title;
        bool inOtherTabs;
    } cases[] = {
        {"a certificate nobody vouches for", secure.BaseUrl(), QStringLiteral("此网站的安全证书不可信"), true},
        {"a listener that speaks no TLS", garbageUrl, QStringLiteral("无法建立安全连接"), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Open(c.url);
        ASSERT_TRUE(WaitFor([&] { return CaptionOf(0) == c.title; }));
        const QString host = QUrl(c.url).host() + u':' + QString::number(QUrl(c.url).port());
        EXPECT_TRUE(Text(form->WebBrowser).contains(host));
        EXPECT_EQ(Evaluate(form->WebBrowser->page(), QStringLiteral("document.getElementById('link').textContent")),
                  QStringLiteral("重试"));
        EXPECT_EQ(Evaluate(form->WebBrowser->page(), QStringLiteral("document.getElementById('link').href")), c.url);
        EXPECT_EQ(clock.Waiting(), 0) << "no retry";

        TWebBrowser* other = form->OpenTab(c.url, nullptr);
        if (c.inOtherTabs) {
            EXPECT_TRUE(WaitFor([&] { return CaptionOf(1) == c.title; })) << CaptionOf(1).toStdString();
        } else {
            // The engine's page, and a turn of the loop more for the client to replace it.
            ASSERT_TRUE(WaitFor([&] { return !CaptionOf(1).startsWith(QStringLiteral(" 新页面")) && !other->page()->isLoading(); }));
            Evaluate(other->page(), QStringLiteral("0"));
            EXPECT_NE(CaptionOf(1), c.title);
        }
    }
    EXPECT_TRUE(clock.pauses.empty());
}

}  // namespace
