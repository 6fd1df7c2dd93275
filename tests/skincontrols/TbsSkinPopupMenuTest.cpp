// The popup menu component: which form menu and store it uses, whom it tells, and where its
// two entry points open it.
#include "MenuTestSupport.h"

#include "skin/TbsSkinData.h"
#include "skinui/SkinRect.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(TbsSkinPopupMenu, FindsTheMenuOfItsFormAndShowsNothingWithoutOne)
{
    MenuHost host;
    QObject stray;
    TbsSkinPopupMenu orphan(&stray);
    int popups = 0;
    QObject::connect(&orphan, &TbsSkinPopupMenu::OnPopup, &orphan, [&] { ++popups; });
    auto* item = new TMenuItem;
    item->SetCaption(QStringLiteral("退出"));
    orphan.Items()->Add(item);
    orphan.Popup(50, 50);
    EXPECT_EQ(popups, 1);
    EXPECT_FALSE(host.menu->Visible());

    orphan.SetOwnerForm(&host.form);
    EXPECT_EQ(orphan.FindSkinMenu(), host.menu);
    orphan.SetOwnerForm(nullptr);
    auto* panel = new QWidget(&host.form);
    orphan.setParent(panel);  // the nearest window among its owners
    EXPECT_EQ(orphan.FindSkinMenu(), host.menu);
    MenuHost other;
    orphan.SetSkinMenu(other.menu);  // its own reference comes first
    orphan.Popup(50, 50);
    EXPECT_TRUE(other.menu->Visible());
    EXPECT_FALSE(host.menu->Visible());
    orphan.setParent(nullptr);
}

TEST(TbsSkinPopupMenu, WithoutAStoreOfItsOwnItTakesAndKeepsTheFormMenusStore)
{
    MenuHost host;
    host.Add(QStringLiteral("退出"));
    TbsSkinData frameStore;
    host.menu->SetFrameSkinData(&frameStore);
    host.Open();
    EXPECT_EQ(host.menu->SkinData(), &frameStore);
    EXPECT_EQ(host.popup->SkinData(), &frameStore);
    host.menu->CloseAll();

    TbsSkinData own;
    host.popup->SetSkinData(&own);
    host.Open();
    EXPECT_EQ(host.menu->SkinData(), &own);
}

TEST(TbsSkinPopupMenu, ItsPopupComponentHearsTheMenuCloseAndTheCommand)
{
    MenuHost host;
    host.Add(QStringLiteral("清理缓存"));
    auto* component = new MenuOwner;
    component->setParent(&host.form);
    host.popup->SetPopupComponent(component);
    int closes = 0;
    QObject::connect(host.popup, &TbsSkinPopupMenu::OnMenuClose, host.popup, [&] { ++closes; });
    host.Open();
    host.Click(0, 0);
    EXPECT_EQ(component->messages, QStringList({"1228", "1229"}));
    EXPECT_EQ(host.form.messages, QStringList{"1228"});  // the form leaves menu mode too
    EXPECT_EQ(closes, 1);
    host.Open();
    host.menu->CloseAll();
    EXPECT_EQ(closes, 2);  // handed over again for each popup, once
}

TEST(TbsSkinPopupMenu, AMenuButtonsMenuOpensBelowItOrAboveItWhenUpward)
{
    MenuHost host;
    host.Add(QStringLiteral("清理缓存"));
    host.Add(QStringLiteral("退出"));
    const QRect area = MenuWorkArea();
    const QRect button = SkinRect(area.x() + 100, area.y() + 200, area.x() + 160, area.y() + 224);
    host.popup->PopupFromRect(button, false);
    EXPECT_EQ(host.Level(0)->pos(), QPoint(button.x(), BottomOf(button)));
    host.popup->PopupFromRect(button, true);
    EXPECT_EQ(host.Level(0)->pos(), QPoint(button.x(), button.y() - host.Level(0)->height()));
    EXPECT_EQ(host.popup->PopupPoint(), QPoint(-1, -1));  // only Popup remembers its point
}

}  // namespace
