#include "mainwindow/PageAsksFixture.h"

#include "browser/PointerLock.h"
#include "browser/PointerLockHint.h"

namespace {

class PointerLockOnX : public PageAsksFixture {
protected:
    bool Event(TWebBrowser* tab, const QString& event, int count = 1)
    {
        return WaitFor([&] {
            return Js(tab, QStringLiteral("asks.events")).toStringList().count(event) >= count;
        });
    }
    const PointerLockHint* HintOf(TWebBrowser* tab) { return tab->findChild<PointerLockHint*>(); }
};

// A click into a game takes the mouse pointer, with the hint how to get it back for three
// seconds; Escape gives it back, and so do another tab coming to the front and another window
// becoming active. A page that asks without the player's click or key is refused.
TEST_F(PointerLockOnX, TheClickedTabInFrontLocksThePointerUntilEscapeATabSwitchOrAnotherWindow)
{
    TWebBrowser* tab = OpenAsks(false);
    ASSERT_NE(tab, nullptr);
    form->activateWindow();
    ASSERT_TRUE(WaitFor([&] { return form->isActiveWindow(); }));

    ClickElement(tab, QStringLiteral("stage"));
    ASSERT_TRUE(Event(tab, QStringLiteral("locked")));
    ASSERT_NE(HintOf(tab), nullptr);
    EXPECT_TRUE(HintOf(tab)->isVisible());
    clock.Advance(PointerLock::HintTime.count());
    EXPECT_FALSE(HintOf(tab)->isVisible());

    QTest::keyClick(tab->focusProxy(), Qt::Key_Escape);
    ASSERT_TRUE(Event(tab, QStringLiteral("unlocked")));

    ClickElement(tab, QStringLiteral("stage"));
    ASSERT_TRUE(Event(tab, QStringLiteral("locked"), 2));
    form->ActivateTab(0);
    ASSERT_TRUE(Event(tab, QStringLiteral("unlocked"), 2));

    form->ActivateTab(1);
    ClickElement(tab, QStringLiteral("stage"));
    ASSERT_TRUE(Event(tab, QStringLiteral("locked"), 3));
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(WaitFor([&] { return other.isActiveWindow(); }));
    ASSERT_TRUE(Event(tab, QStringLiteral("unlocked"), 3));

    form->activateWindow();
    ASSERT_TRUE(WaitFor([&] { return form->isActiveWindow(); }));
    clock.Advance(PointerLock::GestureWindowMs + 1);
    Js(tab, QStringLiteral("asks.lockPointer(); 0"));
    EXPECT_TRUE(Event(tab, QStringLiteral("lock refused")));
    EXPECT_EQ(Js(tab, QStringLiteral("asks.events")).toStringList().count(QStringLiteral("locked")), 3);
}

}  // namespace
