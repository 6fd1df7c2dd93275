#include "support/BoxWatch.h"
#include "support/MainWindowFixture.h"
#include "support/RealInput.h"

#include "framework/TImage.h"
#include "skincontrols/TbsSkinMenu.h"
#include "skincontrols/TbsSkinPopupWindow.h"
#include "skinframe/TbsSkinFrame.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace {

// The confirmation box's system menu under a real window manager, with real input, however the
// box was opened.
class BoxSystemMenu : public MainWindowFixture {
protected:
    // The pointer goes back where the display started it, for the tests that follow.
    void TearDown() override
    {
        MainWindowFixture::TearDown();
        Point(QGuiApplication::primaryScreen()->geometry().center());
    }
    static const TbsActiveSkinObject& Button(TDialogForm& box, TbsSkinCommand command)
    {
        const FrameObjectList& objects = box.bsSkinFrame1->Objects();
        return objects[size_t(FindFrameObject(objects, FrameObjectKind::StdButton, command))];
    }
    // A caption button of the box on the screen, as the X server has the box.
    static QRect OnScreen(TDialogForm& box, TbsSkinCommand command)
    {
        const std::optional<QPoint> origin = XWindowOrigin(box.winId());
        return origin ? Button(box, command).ObjectRect.translated(*origin) : QRect();
    }
    static bool Point(const QPoint& at)
    {
        return Xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
    }
    // A click at the pace of a hand: never close enough to the one before to make a double click.
    static bool Click(const QPoint& at)
    {
        static QElapsedTimer last;
        if (last.isValid())
            QTest::qWait(qMax(0, QApplication::doubleClickInterval() + 50 - int(last.elapsed())));
        const bool clicked = Point(at) && Xdotool({QStringLiteral("click"), QStringLiteral("1")});
        last.start();
        return clicked;
    }
    static bool Key(const char* key) { return Xdotool({QStringLiteral("key"), QString::fromLatin1(key)}); }
    static TbsSkinMenu& Menus(TDialogForm& box) { return *box.bsSkinFrame1->SkinMenu(); }
    // Active, and where the window manager puts it for good: a box can be active a moment
    // before it is moved into its place.
    static bool Settled(TDialogForm& box)
    {
        return QTest::qWaitForWindowActive(&box) && WaitFor([&] { return XWindowOrigin(box.winId()) == box.pos(); });
    }
    // Opens the system menu by open, then expects its top-left at the icon's bottom-left on the
    // screen, and closes it.
    static void ExpectMenuUnderTheIcon(TDialogForm& box, const std::function<bool(const QRect& icon)>& open)
    {
        ASSERT_TRUE(Settled(box));
        const QRect icon = OnScreen(box, TbsSkinCommand::SysMenu);
        ASSERT_TRUE(icon.isValid());
        ASSERT_TRUE(open(icon));
        ASSERT_TRUE(WaitFor([&] { return Menus(box).Visible(); }));
        const std::optional<QPoint> menu = XWindowOrigin(Menus(box).Level(0)->winId());
        ASSERT_TRUE(menu);
        EXPECT_LE((*menu - icon.bottomLeft()).manhattanLength(), 4) << "menu at " << menu->x() << "," << menu->y()
                                                                     << ", icon at " << icon.x() << "," << icon.y();
        EXPECT_TRUE(Key("Escape"));
        EXPECT_TRUE(WaitFor([&] { return !Menus(box).Visible(); }));
    }
    static bool ClickIcon(const QRect& icon) { return Click(icon.center()); }
    // Through the toolkit: the window manager keeps Alt+Space for its own menu.
    static bool AltSpace(const QRect&)
    {
        QTest::keyClick(QApplication::activeWindow(), Qt::Key_Space, Qt::AltModifier);
        return true;
    }
    // "清理缓存" chosen in the tray menu with the keyboard, as it opens with that item lit.
    void OpenFromTheTray()
    {
        Q_EMIT tray.OnContextMenu(QPoint(600, 300));
        ASSERT_TRUE(WaitFor([&] { return form->bsSkinFrame1->SkinMenu()->Visible(); }));
        ASSERT_TRUE(Key("Return"));
    }
    void OpenFromTheTitleBar() { ASSERT_TRUE(Click(form->ImageSet->mapToGlobal(form->ImageSet->rect().center()))); }

    BoxWatch boxes;
};

TEST_F(BoxSystemMenu, OpensUnderItsIconHoweverTheBoxWasOpened)
{
    const struct {
        const char* route;
        bool fromTray;
        bool (*menu)(const QRect&);
    } cases[] = {
        {"title bar, icon clicked", false, &ClickIcon},
        {"tray, icon clicked", true, &ClickIcon},
        {"tray, Alt+Space", true, &AltSpace},
    };
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.route);
        bool done = false;
        boxes.Then([&](TDialogForm& box) {
            ExpectMenuUnderTheIcon(box, c.menu);
            box.reject();
            done = true;
        });
        if (c.fromTray)
            OpenFromTheTray();
        else
            OpenFromTheTitleBar();
        EXPECT_TRUE(WaitFor([&] { return done; }));
    }
}

// The close button lights up under the pointer, and shows its pressed look, after the system
// menu has been open, however the menu was closed.
TEST_F(BoxSystemMenu, TheCloseButtonLightsUpAfterTheMenu)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    bool done = false;
    boxes.Then([&](TDialogForm& box) {
        const auto& close = [&]() -> const TbsActiveSkinObject& { return Button(box, TbsSkinCommand::Close); };
        const auto lit = [&] { return close().MouseIn && box.bsSkinFrame1->HotObject() == &close(); };
        ASSERT_TRUE(Settled(box));
        const QPoint button = OnScreen(box, TbsSkinCommand::Close).center();
        const QPoint body = OnScreen(box, TbsSkinCommand::Close).bottomLeft() + QPoint(-60, 60);
        const struct {
            const char* how;
            std::function<bool()> closeMenu;
        } ways[] = {
            {"Escape", [] { return Key("Escape"); }},
            {"a click on the box", [&] { return Click(body); }},
        };
        for (const auto& way : ways) {
            SCOPED_TRACE(way.how);
            ASSERT_TRUE(Point(button));
            EXPECT_TRUE(WaitFor(lit));
            ASSERT_TRUE(Click(OnScreen(box, TbsSkinCommand::SysMenu).center()));
            ASSERT_TRUE(WaitFor([&] { return Menus(box).Visible(); }));
            ASSERT_TRUE(way.closeMenu());
            ASSERT_TRUE(WaitFor([&] { return !Menus(box).Visible(); }));
            ASSERT_TRUE(Point(body));
            ASSERT_TRUE(Point(button));
            EXPECT_TRUE(WaitFor(lit));
        }
        // Pressed, then let go away from it: the pressed look, and the box stays.
        ASSERT_TRUE(Xdotool({QStringLiteral("mousedown"), QStringLiteral("1")}));
        EXPECT_TRUE(WaitFor([&] { return close().Down && close().MouseIn; }));
        ASSERT_TRUE(Point(body));
        ASSERT_TRUE(Xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}));
        EXPECT_TRUE(WaitFor([&] { return !close().Down; }));
        EXPECT_TRUE(box.isVisible());
        box.reject();
        done = true;
    });
    OpenFromTheTray();
    EXPECT_TRUE(WaitFor([&] { return done; }));
}

}  // namespace
