#include "browser/ScriptDialogs.h"
#include "browser/TWebBrowser.h"
#include "browser/TWebPage.h"
#include "support/FakeClock.h"
#include "support/PageScript.h"
#include "support/PortalFixture.h"

#include <gtest/gtest.h>

namespace {

// A window that answers a page's questions as the test says and notes what it was asked.
class AnsweringHost : public PageHost {
public:
    ScriptDialogAnswer AskScriptDialog(QWebEngineView*, const ScriptDialogRequest& request) override
    {
        asked.append(request);
        return answer;
    }
    std::optional<Credentials> AskSignIn(QWebEngineView*, const SignInRequest&) override { return std::nullopt; }
    std::function<void()> AskPermission(QWebEngineView*, const QUrl&, PermissionKind, std::function<void(bool)>) override
    {
        return {};
    }
    void BringForward(QWebEngineView*) override {}

    QList<ScriptDialogRequest> asked;
    ScriptDialogAnswer answer{true, QString(), false};
};

class Flood : public ::testing::Test {
protected:
    void SetUp() override
    {
        sheet.resize(400, 300);
        sheet.show();
        new ScriptDialogs(static_cast<TWebPage*>(browser->page()), browser, host, clock);
        browser->Navigate(portal.Url(QStringLiteral("asks/")));
        ASSERT_TRUE(WaitForScript(browser->page(), QStringLiteral("typeof asks"), QStringLiteral("object")));
    }
    QVariant Ask(const QString& kind) { return Evaluate(browser->page(), QStringLiteral("asks.ask('%1', 'x')").arg(kind)); }
    QList<bool> Offers() const
    {
        QList<bool> offers;
        for (const ScriptDialogRequest& request : host.asked)
            offers << request.offerBlock;
        return offers;
    }

    PortalFixture portal;
    QWidget sheet;
    TWebBrowser* browser = new TWebBrowser(&sheet);
    AnsweringHost host;
    FakeClock clock;
};

// Only dialogs within ten seconds of each other count: the fourth of those offers to stop the
// page, and once the oldest of them is ten seconds old the next does not.
TEST_F(Flood, TheOfferComesWithTheFourthDialogWithinTenSeconds)
{
    for (int i = 0; i < 3; ++i) {
        Ask(QStringLiteral("alert"));
        clock.Advance(3000);
    }
    Ask(QStringLiteral("confirm"));  // 9 s after the first
    EXPECT_EQ(Offers(), QList<bool>({false, false, false, true}));
    clock.Advance(1000);  // the first is ten seconds old
    Ask(QStringLiteral("alert"));
    EXPECT_EQ(Offers().last(), true) << "three within ten seconds before it";
    clock.Advance(10000);
    Ask(QStringLiteral("alert"));
    EXPECT_EQ(Offers().last(), false);
}

// Once the player stops the page, its dialogs are answered without asking: an alert returns,
// a confirm or prompt says no.
TEST_F(Flood, AStoppedPageIsAnsweredWithoutAsking)
{
    host.answer.blockFurther = true;
    EXPECT_EQ(Ask(QStringLiteral("confirm")), true);
    const qsizetype asked = host.asked.size();
    EXPECT_EQ(Ask(QStringLiteral("alert")), QStringLiteral("ok"));
    EXPECT_EQ(Ask(QStringLiteral("confirm")), false);
    EXPECT_EQ(Ask(QStringLiteral("prompt")), QVariant());
    EXPECT_EQ(host.asked.size(), asked);
}

}  // namespace
