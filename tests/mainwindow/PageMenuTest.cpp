#include "support/MainWindowFixture.h"
#include "support/PageScript.h"

#include "framework/TMenuItem.h"
#include "framework/TTabSheet.h"
#include "skincontrols/TbsSkinMenu.h"
#include "skincontrols/TbsSkinMenuItem.h"
#include "skincontrols/TbsSkinPopupWindow.h"
#include "skincontrols/TbsSkinPageControl.h"
#include "skinframe/TbsSkinFrame.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
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
    bool ShowMenuPage(TWebBrowser* tab)
    {
        tab->Navigate(portal.Url(QStringLiteral("lab/menu.html")));
        return WaitFor([&] { return tab->title() == QStringLiteral("右键菜单"); })
            && WaitForScript(tab->page(), QStringLiteral("document.getElementById('image').complete"), true);
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
    ASSERT_TRUE(ShowMenuPage(form->WebBrowser));
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
    ASSERT_TRUE(WaitFor([&] { return tab->title() == QStringLiteral("游戏列表"); }));
    ASSERT_TRUE(ShowMenuPage(tab));
    EXPECT_EQ(MenuAt(tab, Plain), (QStringList{QStringLiteral("后退"), QStringLiteral("!前进"), QStringLiteral("刷新")}));

    // A page with a menu of its own gets none from the client.
    Menus().CloseAll();
    RightClick(tab, Refusing);
    ASSERT_TRUE(WaitForScript(tab->page(), QStringLiteral("window.refused === true"), true));
    EXPECT_TRUE(MenuAt(tab, Refusing).isEmpty());
    for (QWidget* widget : QApplication::allWidgets())
        EXPECT_EQ(qobject_cast<QMenu*>(widget), nullptr) << widget->metaObject()->className();
}

TEST_F(PageMenus, ItemsCopyTheLinkOpenItInATabAndGoHome)
{
    ASSERT_TRUE(ShowMenuPage(form->WebBrowser));
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
