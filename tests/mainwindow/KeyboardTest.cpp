#include "GameTabFixture.h"

#include "framework/TTabSheet.h"
#include "framework/TTimer.h"
#include "mainwindow/TabSwitch.h"
#include "skincontrols/TbsSkinPageControl.h"

#include <QPointer>

namespace {

constexpr int Notch = 120;

TEST(TabSwitch, StepsGoRoundAndNumbersPickTheirTab)
{
    const struct {
        int current, step, count, expected;
    } steps[] = {{0, 1, 4, 1}, {3, 1, 4, 0}, {0, -1, 4, 3}, {2, -1, 4, 1}, {0, 1, 1, 0}, {0, -1, 1, 0},
                 {-1, 1, 3, 0}, {0, 1, 0, -1}};
    for (const auto& s : steps)
        EXPECT_EQ(TabSwitch::Beside(s.current, s.step, s.count), s.expected) << s.current << " " << s.step << " " << s.count;
    const struct {
        int number, count, expected;
    } numbers[] = {{1, 4, 0}, {4, 4, 3}, {5, 4, -1}, {8, 8, 7}, {8, 12, 7}, {9, 4, 3}, {9, 12, 11}, {9, 1, 0}, {9, 0, -1},
                   {0, 4, -1}};
    for (const auto& n : numbers)
        EXPECT_EQ(TabSwitch::Numbered(n.number, n.count), n.expected) << n.number << " of " << n.count;
}

class Keyboard : public GameTabFixture {
protected:
    TbsSkinPageControl* Pages() const { return form->bsSkinPageControl; }
    int Active() const { return Pages()->IndexOfPage(Pages()->ActivePage()); }
    // Turns the wheel over Target by Angle eighths of a degree, the control key held.
    void Turn(QWidget* target, int angle)
    {
        QWheelEvent wheel(QPointF(40, 40), target->mapToGlobal(QPointF(40, 40)), QPoint(), QPoint(0, angle),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
    }
};

TEST_F(Keyboard, TabKeysGoRoundTheStripPickByNumberAndCloseAllButTheMainTab)
{
    form->OpenTab(portal.Url(QStringLiteral("user.html")), nullptr);
    form->OpenTab(portal.Url(QStringLiteral("gift.html")), nullptr);
    GiveKeysToTheGame();  // the page has the keyboard: the tab keys are still the window's
    QWidget* keys = game->focusProxy();
    ASSERT_EQ(Pages()->PageCount(), 4);
    ASSERT_EQ(Active(), 3);
    Press(keys, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(Active(), 0);
    Press(keys, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Active(), 3);
    Press(keys, Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(Active(), 1);
    Press(keys, Qt::Key_8, Qt::ControlModifier);  // no eighth tab: nothing changes
    EXPECT_EQ(Active(), 1);
    Press(keys, Qt::Key_9, Qt::ControlModifier);
    EXPECT_EQ(Active(), 3);
    Press(keys, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Active(), 2);

    // Ctrl+W hands the active tab to the close timer, as the close glyph does.
    QPointer<TTabSheet> user = Pages()->Page(2);
    Press(form.get(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(form->TimerCloseTab->Enabled());
    EXPECT_EQ(form->TimerCloseTab->Tag(), 2);
    EXPECT_FALSE(user.isNull());
    ASSERT_TRUE(WaitFor([&] { return user.isNull(); }));
    EXPECT_EQ(Pages()->PageCount(), 3);

    // The main tab is never handed to the timer, the only way a tab is closed.
    Press(form.get(), Qt::Key_1, Qt::ControlModifier);
    Press(form.get(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(form->TimerCloseTab->Enabled());
    EXPECT_EQ(Pages()->PageCount(), 3);
}

TEST_F(Keyboard, RefreshKeysAreTheWindowsAndEveryOtherKeyIsThePages)
{
    GiveKeysToTheGame();
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_A, Qt::KeyboardModifiers()},
                                         std::pair{Qt::Key_S, Qt::KeyboardModifiers(Qt::ControlModifier)},
                                         std::pair{Qt::Key_F1, Qt::KeyboardModifiers()},
                                         std::pair{Qt::Key_Escape, Qt::KeyboardModifiers()}})
        Press(game->focusProxy(), key, modifiers);
    EXPECT_TRUE(WaitForScript(game->page(), QStringLiteral("game.keys.join(' ')"), QStringLiteral("a Ctrl+s F1 Escape")))
        << GameRecord("keys").toStringList().join(QLatin1Char(' ')).toStdString();

    const int loads = portal.Server().CountRequests(QStringLiteral("/play/"));
    Press(game->focusProxy(), Qt::Key_F5);
    ASSERT_TRUE(WaitFor([&] { return portal.Server().CountRequests(QStringLiteral("/play/")) == loads + 1; }));
    ASSERT_TRUE(WaitForScript(game->page(), QStringLiteral("typeof game"), QStringLiteral("object")));
    GiveKeysToTheGame();
    Press(game->focusProxy(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_TRUE(WaitFor([&] { return portal.Server().CountRequests(QStringLiteral("/play/")) == loads + 2; }));
    EXPECT_EQ(portal.Server().CountRequests(QStringLiteral("/")), 1);  // only the active tab
}

TEST_F(Keyboard, ZoomStepsThroughTheScaleAndStaysWithItsTab)
{
    TWebBrowser* gift = form->OpenTab(portal.Url(QStringLiteral("gift.html")), nullptr);
    ASSERT_TRUE(WaitFor([&] { return Pages()->Page(2)->Caption() == QStringLiteral("礼包中心"); }));
    QApplication::setActiveWindow(form.get());
    gift->setFocus();
    ASSERT_TRUE(WaitFor([&] { return QApplication::focusWidget() == gift->focusProxy(); }));
    QWidget* keys = gift->focusProxy();
    const auto zoom = [](TWebBrowser* tab) { return tab->page()->zoomFactor(); };

    const struct {
        Qt::Key key;
        qreal expected;
    } presses[] = {{Qt::Key_Equal, 1.1}, {Qt::Key_Plus, 1.25}, {Qt::Key_Minus, 1.1}, {Qt::Key_0, 1.0},
                   {Qt::Key_Minus, 0.9}, {Qt::Key_Minus, 0.8}, {Qt::Key_Equal, 0.9}, {Qt::Key_Equal, 1.0},
                   {Qt::Key_Equal, 1.1}, {Qt::Key_Equal, 1.25}, {Qt::Key_Equal, 1.5}};
    for (const auto& p : presses) {
        Press(keys, p.key, Qt::ControlModifier);
        EXPECT_DOUBLE_EQ(zoom(gift), p.expected) << QKeySequence(p.key).toString().toStdString();
    }
    EXPECT_TRUE(WaitForScript(gift->page(), QStringLiteral("Math.abs(window.devicePixelRatio - 1.5) < 0.01"), true));

    // The wheel with the control key moves along the same scale, a notch a step.
    Turn(keys, Notch);
    EXPECT_DOUBLE_EQ(zoom(gift), 1.75);
    const qreal afterHalfNotches[] = {1.75, 1.5, 1.5, 1.25};  // a touchpad's parts of a notch add up
    for (const qreal expected : afterHalfNotches) {
        Turn(keys, -Notch / 2);
        EXPECT_DOUBLE_EQ(zoom(gift), expected);
    }
    Turn(keys, Notch * 2);
    EXPECT_DOUBLE_EQ(zoom(gift), 1.75);

    // Each tab keeps its own zoom, across tab switches and across its pages.
    Press(keys, Qt::Key_1, Qt::ControlModifier);
    Press(form.get(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(zoom(form->WebBrowser), 0.9);
    Press(form.get(), Qt::Key_3, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(zoom(gift), 1.75);
    EXPECT_DOUBLE_EQ(zoom(game), 1.0);
    gift->Navigate(portal.Url(QStringLiteral("user.html")));
    ASSERT_TRUE(WaitFor([&] { return Pages()->Page(2)->Caption() == QStringLiteral("用户中心"); }));
    EXPECT_TRUE(WaitForScript(gift->page(), QStringLiteral("Math.abs(window.devicePixelRatio - 1.75) < 0.01"), true));

    // The scale ends at 25 % and 500 %.
    gift->page()->setZoomFactor(5.0);
    Press(form.get(), Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(zoom(gift), 5.0);
    gift->page()->setZoomFactor(0.25);
    Press(form.get(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(zoom(gift), 0.25);
}

}  // namespace
