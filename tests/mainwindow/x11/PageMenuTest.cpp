#include "support/MainWindowFixture.h"
#include "support/PageScript.h"

#include "framework/TMenuItem.h"
#include "framework/TTabSheet.h"
#include "skincontrols/TbsSkinMenu.h"
#include "skincontrols/TbsSkinMenuItem.h"
#include "skincontrols/TbsSkinPopupWindow.h"
#include "mainwindow/PageMenu.h"
#include "skincontrols/TbsSkinPageControl.h"
#include "skincontrols/TbsSkinPopupMenu.h"
#include "skinframe/TbsSkinFrame.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

namespace {

// The demo's menu page puts one kind of place a right click can land on at each height.
constexpr QPoint Link(20, 25);
constexpr QPoint Image(20, 65);
constexpr QPoint Field(20, 105);
constexpr QPoint Plain(150, 145);
constexpr QPoint Refusing(20, 185);

class PageMenus : public MainWindowFixture {
protected:
    TbsSkinMenu& Menus() const { return *form->bsSkinFrame1->SkinMenu(); }
    // Shows the menu page in Tab, after the page Tab shows, once it takes the pointer. The
    // window is the active one, as under the player's hand: the frame closes its menus as the
    // window's activation changes.
    bool ShowMenuPage(TWebBrowser* tab, const QString& before)
    {
        Menus().CloseAll();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get()))
            return false;
        if (!WaitFor([&] { return tab->title() == before; }))
            return false;
        tab->Navigate(portal.Url(QStringLiteral("lab/menu.html")));
        if (!WaitFor([&] { return tab->title() == QStringLiteral("右键菜单"); }))
            return false;
        // The page hears the pointer once its last script has run and the engine passes it
        // input, a moment after the title shows: the pointer moves between two places (a move
        // to where it already is reaches no page) until the page has heard it.
        for (int tries = 0; tries < 20; ++tries) {
            QTest::mouseMove(tab->focusProxy(), QPoint(290, 290));
            QTest::mouseMove(tab->focusProxy(), QPoint(300, 300));
            if (WaitForScript(tab->page(), QStringLiteral("window.pointer === true"), true, 1000))
                return true;
        }
        return false;
    }
    void RightClick(TWebBrowser* tab, QPoint at) { QTest::mouseClick(tab->focusProxy(), Qt::RightButton, {}, at); }
    // The captions of the open menu, disabled ones marked with "!".
    QStringList Shown() const
    {
        QStringList shown;
        const TbsSkinPopupWindow* level = Menus().Visible() ? Menus().Level(0) : nullptr;
        for (int i = 0; level && i < level->ItemCount(); ++i) {
            const TMenuItem* item = level->Item(i).MenuItem();
            shown << (item->Enabled() ? QString() : QStringLiteral("!")) + item->Caption();
        }
        return shown;
    }
    QStringList MenuAt(TWebBrowser* tab, QPoint at)
    {
        Menus().CloseAll();
        RightClick(tab, at);
        WaitFor([&] { return Menus().Visible(); });
        return Shown();
    }
    int IndexOf(const QString& caption) const { return int(Shown().indexOf(caption)); }
};

TEST_F(PageMenus, ARightClickOpensTheSkinnedMenuOfWhatItLandedOn)
{
    ASSERT_TRUE(ShowMenuPage(form->WebBrowser, QStringLiteral("Kestrune 游戏大厅")));
    // The tab came to the page from the home page: it can go back.
    const QStringList head{QStringLiteral("后退"), QStringLiteral("!前进"), QStringLiteral("刷新"), QStringLiteral("-")};
    const QStringList home{QStringLiteral("-"), QStringLiteral("返回大厅")};
    const struct {
        const char* place;
        QPoint at;
        QStringList items;
    } cases[] = {
        {"link", Link, {QStringLiteral("复制链接地址"), QStringLiteral("在新标签页中打开链接")}},
        {"image", Image, {QStringLiteral("复制图片")}},
        {"field", Field,
         {QStringLiteral("!复制"), QStringLiteral("!剪切"), QStringLiteral("粘贴"), QStringLiteral("全选")}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MenuAt(form->WebBrowser, c.at), head + c.items + home) << c.place;
    EXPECT_EQ(MenuAt(form->WebBrowser, Plain), head.mid(0, 3) + home) << "plain page, main tab";

    // Another tab has no way home.
    TWebBrowser* tab = form->OpenTab(portal.Url(QStringLiteral("games.html")), nullptr);
    ASSERT_TRUE(ShowMenuPage(tab, QStringLiteral("游戏列表")));
    EXPECT_EQ(MenuAt(tab, Plain), (QStringList{QStringLiteral("后退"), QStringLiteral("!前进"), QStringLiteral("刷新")}));

    // A page with a menu of its own gets none from the client: of two right clicks, only the
    // second opens one.
    QSignalSpy opened(form->PageMenus().Menu(), &TbsSkinPopupMenu::OnPopup);
    Menus().CloseAll();
    RightClick(tab, Refusing);
    ASSERT_TRUE(WaitForScript(tab->page(), QStringLiteral("window.refused === true"), true));
    EXPECT_EQ(MenuAt(tab, Plain).size(), 3);
    EXPECT_EQ(opened.size(), 1);
    for (QWidget* widget : QApplication::allWidgets())
        EXPECT_EQ(qobject_cast<QMenu*>(widget), nullptr) << widget->metaObject()->className();
}

TEST_F(PageMenus, ItemsCopyTheLinkOpenItInATabAndGoHome)
{
    ASSERT_TRUE(ShowMenuPage(form->WebBrowser, QStringLiteral("Kestrune 游戏大厅")));
    const QString games = portal.Url(QStringLiteral("games.html"));
    MenuAt(form->WebBrowser, Link);
    Menus().ChooseItem(0, IndexOf(QStringLiteral("复制链接地址")));
    EXPECT_TRUE(WaitFor([&] { return QGuiApplication::clipboard()->text() == games; }));

    MenuAt(form->WebBrowser, Link);
    Menus().ChooseItem(0, IndexOf(QStringLiteral("在新标签页中打开链接")));
    ASSERT_EQ(form->bsSkinPageControl->PageCount(), 2);
    EXPECT_TRUE(WaitFor([&] { return form->bsSkinPageControl->Page(1)->Caption() == QStringLiteral("游戏列表"); }));

    form->ActivateTab(0);
    MenuAt(form->WebBrowser, Plain);
    Menus().ChooseItem(0, IndexOf(QStringLiteral("返回大厅")));
    EXPECT_TRUE(WaitFor([&] { return form->WebBrowser->title() == QStringLiteral("Kestrune 游戏大厅"); }));
}

}  // namespace
