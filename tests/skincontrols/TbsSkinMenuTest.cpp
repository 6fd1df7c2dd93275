// The skinned menu on real top-level windows (offscreen platform): opening, choosing, the
// keyboard, sub-menus, scrolling and the ways a menu closes without a choice.
#include "support/Wait.h"
#include "MenuTestSupport.h"
#include "support/TimerTick.h"

#include "framework/TApplicationEvents.h"
#include "framework/TTimer.h"
#include "skin/TbsSkinData.h"
#include "skin/TbsSkinMessageEvent.h"
#include "skinui/SkinRect.h"

#include <QApplication>
#include <QCursor>
#include <QShortcut>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QStringList kTrayItems{QStringLiteral("清理缓存"), QStringLiteral("退出")};

// The popup levels on screen, wherever they come from.
int VisibleLevels()
{
    int shown = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        shown += qobject_cast<TbsSkinPopupWindow*>(window) && window->isVisible() ? 1 : 0;
    return shown;
}


TEST(TbsSkinMenu, OpeningHighlightsTheFirstSelectableItemBeforeThePointerMoves)
{
    const struct {
        QStringList items;
        int highlighted;
    } cases[] = {
        {kTrayItems, 0},
        {{QStringLiteral("-"), QStringLiteral("!Off"), QStringLiteral("-"), QStringLiteral("On"), QStringLiteral("Two")}, 2},
        {{QStringLiteral("!Off"), QStringLiteral("!Also off")}, -1},
    };
    for (const auto& c : cases) {
        MenuHost host;
        host.AddAll(c.items);
        host.Open();
        ASSERT_EQ(host.menu->LevelCount(), 1) << c.items.join(u'|').toStdString();
        EXPECT_EQ(host.Level(0)->Selected(), c.highlighted) << c.items.join(u'|').toStdString();
        EXPECT_TRUE(host.Level(0)->isVisible());
        host.menu->CloseAll();
    }
}

TEST(TbsSkinMenu, AChosenItemClosesTheMenuBeforeItsHandlerRuns)
{
    const struct {
        const char* way;
        std::function<void(MenuHost&)> choose;
    } ways[] = {
        {"click", [](MenuHost& host) { host.Click(0, 1); }},
        {"Down and Enter",
         [](MenuHost& host) {
             QTest::keyClick(&host.form, Qt::Key_Down);
             QTest::keyClick(&host.form, Qt::Key_Return);
         }},
        {"accelerator", [](MenuHost& host) { QTest::keyClick(&host.form, Qt::Key_X); }},
    };
    for (const auto& way : ways) {
        MenuHost host;
        host.Add(QStringLiteral("清理缓存"));
        TMenuItem* exit = host.Add(QStringLiteral("退出(&X)"));
        QStringList order;
        int levelsSeenByHandler = -1;
        QObject::connect(host.popup, &TbsSkinPopupMenu::OnMenuClose, host.popup, [&] { order << "OnMenuClose"; });
        QObject::connect(exit, &TMenuItem::OnClick, exit, [&](QObject*) {
            order << host.form.messages << "OnClick";
            levelsSeenByHandler = VisibleLevels() + host.menu->LevelCount() + (host.menu->Visible() ? 1 : 0);
        });
        host.Open();
        way.choose(host);
        EXPECT_EQ(levelsSeenByHandler, 0) << way.way;
        EXPECT_EQ(order, QStringList({"OnMenuClose", "1228", "OnClick"})) << way.way;
        EXPECT_EQ(host.form.messages, QStringList({"1228", "1229"})) << way.way;
    }
}

TEST(TbsSkinMenu, KeysMoveTheSelectionOpenAndCloseLevels)
{
    MenuHost host;
    host.AddAll({QStringLiteral("First"), QStringLiteral("-"), QStringLiteral("Sub>"), QStringLiteral("!Off"),
                 QStringLiteral("Last"), QStringLiteral("-")});
    host.Open();
    TbsSkinPopupWindow* top = host.Level(0);
    const auto key = [&](Qt::Key k) { QTest::keyClick(&host.form, k); };

    key(Qt::Key_Left);  // one level: nothing
    EXPECT_EQ(host.menu->LevelCount(), 1);
    EXPECT_EQ(top->Selected(), 0);
    key(Qt::Key_Up);  // wraps to the last selectable item, past the trailing separator
    EXPECT_EQ(top->Selected(), 4);
    key(Qt::Key_Up);  // skips the disabled item
    EXPECT_EQ(top->Selected(), 2);
    key(Qt::Key_Down);
    key(Qt::Key_Down);  // wraps to the first
    EXPECT_EQ(top->Selected(), 0);

    key(Qt::Key_Down);
    key(Qt::Key_Right);  // opens the sub-menu with its first item selected
    ASSERT_EQ(host.menu->LevelCount(), 2);
    EXPECT_EQ(host.Level(1)->Selected(), 0);
    EXPECT_TRUE(top->Item(2).SubMenuOpen());
    EXPECT_TRUE(top->Item(2).OpenedByKeyboard());
    key(Qt::Key_Left);  // closes the deepest level only
    EXPECT_EQ(host.menu->LevelCount(), 1);
    EXPECT_FALSE(top->Item(2).SubMenuOpen());
    key(Qt::Key_Return);  // an item with a sub-menu opens it at once
    EXPECT_EQ(host.menu->LevelCount(), 2);
    key(Qt::Key_Escape);  // Esc closes the last level...
    EXPECT_EQ(host.menu->LevelCount(), 1);
    EXPECT_TRUE(host.menu->Visible());
    key(Qt::Key_Escape);  // ...and with one level the menu
    EXPECT_FALSE(host.menu->Visible());
    EXPECT_EQ(VisibleLevels(), 0);
    EXPECT_EQ(host.form.messages, QStringList{"1228"});
}

TEST(TbsSkinMenu, ASubMenuOpensAfterTheWaitAtItsParentItem)
{
    for (const bool nearRightEdge : {false, true}) {
        MenuHost host;
        host.AddAll({QStringLiteral("One"), QStringLiteral("Sub>")});
        const QRect area = MenuWorkArea();
        host.Open(nearRightEdge ? QPoint(RightOf(area) - 120, area.y() + 50) : area.topLeft() + QPoint(40, 50));
        TbsSkinPopupWindow* top = host.Level(0);
        EXPECT_EQ(TimerOf(host.menu, "WaitTimer")->Interval(), 500);
        EXPECT_EQ(TimerOf(top, "TrackTimer")->Interval(), 50);
        const QRect parent = top->ItemScreenRect(1);
        QCursor::setPos(parent.center());
        EXPECT_TRUE(WaitFor([&] { return top->Selected() == 1; }, 2000));
        EXPECT_EQ(host.menu->LevelCount(), 1);  // not before the wait
        ASSERT_TRUE(WaitFor([&] { return host.menu->LevelCount() == 2; }, 3000));
        TbsSkinPopupWindow* sub = host.Level(1);
        EXPECT_EQ(sub->y(), parent.y() - sub->Geometry().ItemsRect().y());
        if (nearRightEdge)
            EXPECT_EQ(sub->x() + sub->width(), parent.x() - 1);
        else
            EXPECT_EQ(sub->x(), RightOf(parent) + 1);
        EXPECT_EQ(sub->Selected(), 0);
        // Back on the first item: the sub-menu closes at once.
        QCursor::setPos(top->ItemScreenRect(0).center());
        EXPECT_TRUE(WaitFor([&] { return host.menu->LevelCount() == 1; }, 2000));
        EXPECT_EQ(top->Selected(), 0);
    }
}

TEST(TbsSkinMenu, NearTheBottomRightCornerTheMenuOpensAboveThePointerEndingAtTheRightEdge)
{
    MenuHost host;
    host.AddAll(kTrayItems);
    const QRect area = MenuWorkArea();
    const QPoint pointer(RightOf(area) - 5, BottomOf(area) - 5);
    host.Open(pointer);
    TbsSkinPopupWindow* level = host.Level(0);
    EXPECT_EQ(BottomOf(level->geometry()), pointer.y());
    EXPECT_EQ(RightOf(level->geometry()), RightOf(area));
    EXPECT_EQ(host.popup->PopupPoint(), pointer);
}

TEST(TbsSkinMenu, AMenuTallerThanTheWorkAreaIsCutToItAndScrollsOneItemPerTick)
{
    MenuHost host;
    for (int i = 0; i < 80; ++i)
        host.Add(QStringLiteral("Item %1").arg(i));
    const QRect area = MenuWorkArea();
    host.Open(area.center());
    TbsSkinPopupWindow* level = host.Level(0);
    EXPECT_EQ(level->geometry().top(), area.top());
    EXPECT_EQ(level->height(), area.height());
    ASSERT_TRUE(level->Geometry().Scrolling());
    EXPECT_EQ(level->Geometry().DownMarker().height(), 10);
    TTimer* scroll = TimerOf(level, "ScrollTimer");
    EXPECT_EQ(scroll->Interval(), 100);

    QCursor::setPos(level->mapToGlobal(level->Geometry().DownMarker().center()));
    ASSERT_TRUE(WaitFor([&] { return level->ActiveMarker() == TbsSkinPopupWindow::ScrollMarker::Down; }, 2000));
    const int top = level->TopIndex();
    Tick(scroll);
    EXPECT_EQ(level->TopIndex(), top + 1);
    Tick(scroll);
    EXPECT_EQ(level->TopIndex(), top + 2);
    for (int i = 0; i < 80; ++i)
        Tick(scroll);
    EXPECT_EQ(level->Geometry().LastShown(level->TopIndex()), 79);  // scrolled to the end, no further
    EXPECT_EQ(level->ActiveMarker(), TbsSkinPopupWindow::ScrollMarker::None);

    // Up from the first item wraps to the last and scrolls there; Down scrolls back to the top.
    QCursor::setPos(area.topLeft() - QPoint(50, 50));
    host.menu->CloseAll();
    host.Open(area.center());
    level = host.Level(0);
    QTest::keyClick(&host.form, Qt::Key_Up);
    EXPECT_EQ(level->Selected(), 79);
    EXPECT_EQ(level->Geometry().LastShown(level->TopIndex()), 79);
    QTest::keyClick(&host.form, Qt::Key_Down);
    EXPECT_EQ(level->TopIndex(), 0);
}

TEST(TbsSkinMenu, APressOutsideTheLevelsClosesWithoutAChoiceAndAPressInsideDoesNot)
{
    MenuHost host;
    TMenuItem* item = host.Add(QStringLiteral("清理缓存"));
    int clicks = 0;
    QObject::connect(item, &TMenuItem::OnClick, item, [&] { ++clicks; });
    host.Open();
    QTest::mousePress(host.Level(0), Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
    EXPECT_TRUE(host.menu->Visible());
    QTest::mousePress(&host.form, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_FALSE(host.menu->Visible());
    EXPECT_EQ(VisibleLevels(), 0);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(host.form.messages, QStringList{"1228"});
}

TEST(TbsSkinMenu, NoKeyOrWheelReachesTheOwnerWhileOpenAndKeysDoAgainAfterwards)
{
    MenuHost host;
    host.AddAll(kTrayItems);
    int shortcuts = 0;
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_K), &host.form);
    QObject::connect(shortcut, &QShortcut::activated, &host.form, [&] { ++shortcuts; });
    const auto wheel = [&] {
        QWheelEvent event(QPointF(5, 5), host.form.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&host.form, &event);
    };

    host.Open();
    QTest::keyClick(&host.form, Qt::Key_K);
    QTest::keyClick(&host.form, Qt::Key_A);
    wheel();
    EXPECT_EQ(host.form.keys + shortcuts + host.form.wheels, 0);
    QTest::keyClick(&host.form, Qt::Key_Escape);
    ASSERT_FALSE(host.menu->Visible());
    QTest::keyClick(&host.form, Qt::Key_K);
    QTest::keyClick(&host.form, Qt::Key_A);
    wheel();
    EXPECT_EQ(shortcuts, 1);
    EXPECT_EQ(host.form.keys, 1);
    EXPECT_EQ(host.form.wheels, 1);
}

TEST(TbsSkinMenu, ASkinLoadAndTheStoresEndCloseTheMenu)
{
    MenuHost host;
    host.AddAll(kTrayItems);
    auto store = std::make_unique<TbsSkinData>();
    host.popup->SetSkinData(store.get());
    host.Open();
    TbsSkinMessageEvent other(TbsSkinMessageEvent::SkinChangeBegin, nullptr);
    QApplication::sendEvent(&host.form, &other);
    EXPECT_TRUE(host.menu->Visible());  // another store's load
    TbsSkinMessageEvent begin(TbsSkinMessageEvent::SkinChangeBegin, store.get());
    QApplication::sendEvent(&host.form, &begin);
    EXPECT_FALSE(host.menu->Visible());

    host.Open();
    ASSERT_TRUE(host.menu->Visible());
    store.reset();
    EXPECT_FALSE(host.menu->Visible());
}

TEST(TbsSkinMenu, ATreeWithoutShownChildrenOpensNothingAndLeavesKeysToTheOwner)
{
    TApplicationEvents hub;
    int reported = 0;
    QObject::connect(&hub, &TApplicationEvents::OnException, &hub, [&] { ++reported; });
    MenuHost host;
    host.AddAll({QStringLiteral("-"), QStringLiteral("-")});
    host.Add(QStringLiteral("Hidden"))->SetVisible(false);
    int opened = 0;
    QObject::connect(host.popup, &TbsSkinPopupMenu::OnPopup, host.popup, [&] { ++opened; });
    host.Open();
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(host.menu->Visible());
    EXPECT_EQ(VisibleLevels(), 0);
    QTest::keyClick(&host.form, Qt::Key_A);
    EXPECT_EQ(host.form.keys, 1);
    EXPECT_TRUE(host.form.messages.isEmpty());
    EXPECT_EQ(reported, 0);
}

}  // namespace
