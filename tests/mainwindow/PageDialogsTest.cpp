#include "PageAsksFixture.h"

#include "dialogs/WaitingDialogs.h"
#include "framework/TMenuItem.h"
#include "skincontrols/TbsSkinMenu.h"
#include "skincontrols/TbsSkinPopupMenu.h"
#include "skinframe/TbsSkinFrame.h"

#include <QSignalSpy>

namespace {

class PageDialogs : public PageAsksFixture {
protected:
    QString Host() { return QStringLiteral("127.0.0.1:%1").arg(portal.Server().Port()); }
    QString OtherHost() { return QStringLiteral("localhost:%1").arg(portal.Server().Port()); }
};

// Every kind of script dialog, in the main tab and in a Silent tab, from the page and from a
// frame of another site inside it: a skinned box captioned with the asking frame's site, the
// page's words as they stand, and the player's answer back in the page.
TEST_F(PageDialogs, EveryKindIsAskedInTheSkinnedBoxAndTheAnswerReachesThePage)
{
    enum Answer { Ok, Cancel, Type };
    const struct {
        const char* what;
        QString call;  // what the page runs, in asks.ask's terms
        bool frame;
        Answer answer;
        QStringList buttons;  // OK, Cancel
        bool edit;
        QVariant expected;
    } cases[] = {
        {"alert", QStringLiteral("'alert', 'a & b <i>x</i>'"), false, Ok, {QStringLiteral("确定")}, false, QStringLiteral("ok")},
        {"confirm, OK", QStringLiteral("'confirm', 'a & b <i>x</i>'"), false, Ok,
         {QStringLiteral("确定"), QStringLiteral("取消")}, false, true},
        {"confirm, Cancel", QStringLiteral("'confirm', 'a & b <i>x</i>'"), false, Cancel,
         {QStringLiteral("确定"), QStringLiteral("取消")}, false, false},
        {"prompt, typed", QStringLiteral("'prompt', 'a & b <i>x</i>', '玩家一号'"), false, Type,
         {QStringLiteral("确定"), QStringLiteral("取消")}, true, QStringLiteral("星际旅人")},
        {"prompt, as offered", QStringLiteral("'prompt', 'a & b <i>x</i>', '玩家一号'"), false, Ok,
         {QStringLiteral("确定"), QStringLiteral("取消")}, true, QStringLiteral("玩家一号")},
        {"prompt, Cancel", QStringLiteral("'prompt', 'a & b <i>x</i>', '玩家一号'"), false, Cancel,
         {QStringLiteral("确定"), QStringLiteral("取消")}, true, QVariant()},
        {"confirm of the other site's frame", QStringLiteral("'confirm', 'a & b <i>x</i>'"), true, Ok,
         {QStringLiteral("确定"), QStringLiteral("取消")}, false, true},
        {"prompt of the other site's frame", QStringLiteral("'prompt', 'a & b <i>x</i>', '玩家一号'"), true, Type,
         {QStringLiteral("确定"), QStringLiteral("取消")}, true, QStringLiteral("星际旅人")},
    };
    for (const bool mainTab : {true, false}) {
        TWebBrowser* tab = OpenAsks(mainTab);
        ASSERT_NE(tab, nullptr);
        ASSERT_TRUE(WaitForScript(tab->page(), QStringLiteral("document.getElementById('other').contentDocument === null && !!frames[0]"), true));
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.what) + (mainTab ? ", main tab" : ", Silent tab"));
            QString caption, text;
            QStringList buttons;
            bool edit = false;
            bool modal = false;
            boxes.Then([&](TDialogForm& shown) {
                TFormPageDialog& box = PageBox(shown);
                caption = box.windowTitle();
                text = TextOf(box);
                modal = box.windowModality() == Qt::WindowModal && box.parentWidget() == form.get();
                buttons << box.bsSkinButtonOk->Caption();
                if (box.bsSkinButtonCancel)
                    buttons << box.bsSkinButtonCancel->Caption();
                edit = box.bsSkinEditValue != nullptr;
                if (c.answer == Type) {
                    box.bsSkinEditValue->Editor()->selectAll();
                    TypeInto(box.bsSkinEditValue, QStringLiteral("星际旅人"));
                }
                Press(c.answer == Cancel ? box.bsSkinButtonCancel : box.bsSkinButtonOk);
            });
            const int before = Js(tab, QStringLiteral("asks.answers.length")).toInt();
            Js(tab, (c.frame ? QStringLiteral("asks.askInFrame(%1); 0") : QStringLiteral("asks.ask(%1); 0")).arg(c.call));
            ASSERT_TRUE(WaitForScript(tab->page(), QStringLiteral("asks.answers.length"), before + 1));
            EXPECT_EQ(Js(tab, QStringLiteral("asks.answers[asks.answers.length - 1]")), c.expected);
            EXPECT_EQ(caption, c.frame ? OtherHost() : Host());
            EXPECT_EQ(text, QStringLiteral("a & b <i>x</i>"));
            EXPECT_EQ(buttons, c.buttons);
            EXPECT_EQ(edit, c.edit);
            EXPECT_TRUE(modal) << "modal to the main window alone";
        }
    }
}

// F5 on a page that holds the player on leaving asks first; "留下" keeps the page as it is,
// "离开" lets the reload go on.
TEST_F(PageDialogs, TheLeaveQuestionHoldsTheRefreshUntilAnswered)
{
    TWebBrowser* tab = OpenAsks(false);
    ASSERT_NE(tab, nullptr);
    ClickElement(tab, QStringLiteral("leave"));  // a click of the player: the page may now ask
    ASSERT_TRUE(WaitForScript(tab->page(), QStringLiteral("document.getElementById('leave').checked"), true));
    Js(tab, QStringLiteral("window.kept = 1"));
    const int loads = portal.Server().CountRequests(QStringLiteral("/asks/"));

    for (const bool leave : {false, true}) {
        SCOPED_TRACE(leave ? "leave" : "stay");
        QString text, ok, cancel;
        bool reloadedMeanwhile = true;
        boxes.Then([&](TDialogForm& shown) {
            TFormPageDialog& box = PageBox(shown);
            text = TextOf(box);
            ok = box.bsSkinButtonOk->Caption();
            cancel = box.bsSkinButtonCancel->Caption();
            reloadedMeanwhile = portal.Server().CountRequests(QStringLiteral("/asks/")) != loads;
            Press(leave ? box.bsSkinButtonOk : box.bsSkinButtonCancel);
        });
        // The window back in front (the window manager's part) and a click of the player: a page
        // may hold the player once per click.
        QApplication::setActiveWindow(form.get());
        ClickElement(tab, QStringLiteral("pointer"));
        QTest::keyClick(form.get(), Qt::Key_F5);
        ASSERT_TRUE(WaitFor([&] { return !text.isEmpty(); }));
        EXPECT_EQ(text, QStringLiteral("要离开此页面吗？\n您所做的更改可能不会保存。"));
        EXPECT_EQ(ok, QStringLiteral("离开"));
        EXPECT_EQ(cancel, QStringLiteral("留下"));
        EXPECT_FALSE(reloadedMeanwhile);
        if (leave)
            EXPECT_TRUE(WaitFor([&] { return portal.Server().CountRequests(QStringLiteral("/asks/")) == loads + 1; }));
        else
            EXPECT_EQ(Js(tab, QStringLiteral("window.kept")), 1);
    }
}

// A page that asks and asks: from the fourth box on, the player may stop it; once stopped, its
// dialogs are answered without a box while it goes on running.
TEST_F(PageDialogs, AFloodOffersToStopThePageAndThenStaysQuiet)
{
    TWebBrowser* tab = OpenAsks(false);
    ASSERT_NE(tab, nullptr);
    QList<bool> offered;
    for (int i = 0; i < 4; ++i)
        boxes.Then([&](TDialogForm& shown) {
            TFormPageDialog& box = PageBox(shown);
            offered << (box.bsSkinCheckBoxBlock != nullptr);
            if (box.bsSkinCheckBoxBlock) {
                EXPECT_EQ(box.bsSkinCheckBoxBlock->Caption(), QStringLiteral("阻止此页面显示更多对话框"));
                QTest::mouseClick(box.bsSkinCheckBoxBlock, Qt::LeftButton);
            }
            Press(box.bsSkinButtonOk);
        });
    Js(tab, QStringLiteral("asks.flood(); 0"));
    ASSERT_TRUE(WaitFor([&] { return offered.size() == 4; }));
    EXPECT_EQ(offered, QList<bool>({false, false, false, true}));
    EXPECT_TRUE(WaitForScript(tab->page(), QStringLiteral("asks.count >= 200"), true)) << "the page runs on";
    EXPECT_EQ(boxes.Seen(), 4);

    // Nor can a stopped page hold the player: it may be left without a question, and once
    // loaded anew it may ask again.
    QApplication::setActiveWindow(form.get());
    ClickElement(tab, QStringLiteral("leave"));
    ASSERT_TRUE(WaitForScript(tab->page(), QStringLiteral("document.getElementById('leave').checked"), true));
    tab->Refresh();
    ASSERT_TRUE(WaitFor([&] { return tab->page()->isLoading(); }));
    ASSERT_TRUE(WaitFor([&] { return !tab->page()->isLoading(); }));
    boxes.Then([&](TDialogForm& shown) { Press(PageBox(shown).bsSkinButtonOk); });
    Js(tab, QStringLiteral("asks.ask('alert', '又来了'); 0"));
    EXPECT_TRUE(WaitFor([&] { return boxes.Seen() == 5; }));
}

// While a box waits, a page's or the cache cleaner's question, the tray still works: its double
// click brings the box forward, its menu opens with only leaving offered, and "退出" answers
// the box as its Cancel would, closes it, and then closes the window.
TEST_F(PageDialogs, TheTrayEndsTheClientWhileABoxWaits)
{
    TWebBrowser* tab = nullptr;
    const struct {
        const char* box;
        std::function<void()> ask;
    } cases[] = {
        {"the cleaner's question", [&] { form->MenuItemClearCacheClick(nullptr); }},
        {"a page's question",
         [&] {
             tab = OpenAsks(false);
             ASSERT_NE(tab, nullptr);
             Js(tab, QStringLiteral("asks.ask('confirm', '还在吗？'); 0"));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        Open(portal.BaseUrl());  // a window that has not ended yet
        TbsSkinMenu& menus = *form->bsSkinFrame1->SkinMenu();
        QSignalSpy closed(form.get(), &TFormMain::Closed);
        bool clearCacheOffered = true;
        bool boxClosedFirst = false;
        bool broughtForward = false;
        boxes.Then([&](TDialogForm& box) {
            QApplication::setActiveWindow(form.get());
            Q_EMIT tray.OnDblClick(&tray);
            broughtForward = WaitFor([&] { return box.isActiveWindow(); }) && form->isVisible();
            QObject::connect(form.get(), &TFormMain::Closed, &box, [&] { boxClosedFirst = !box.isVisible(); });
            Q_EMIT tray.OnContextMenu(QPoint(1270, 790));
            ASSERT_TRUE(WaitFor([&] { return menus.Visible(); }));
            clearCacheOffered = form->MenuItemClearCache->Enabled();
            menus.ChooseItem(0, form->bsSkinPopupMenu->Items()->IndexOf(form->MenuItemExit));
        });
        c.ask();
        ASSERT_TRUE(WaitFor([&] { return closed.count() == 1; }));
        EXPECT_TRUE(broughtForward);
        EXPECT_FALSE(clearCacheOffered);
        EXPECT_TRUE(boxClosedFirst);
        EXPECT_TRUE(form->Waiting().Ending());
    }
    EXPECT_TRUE(WaitForScript(tab->page(), QStringLiteral("asks.answers[0]"), false)) << "answered as by Cancel";
}

}  // namespace
