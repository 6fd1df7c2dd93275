#include "FrameFixture.h"

#include "framework/TMenuItem.h"
#include "skincontrols/TbsSkinMenu.h"
#include "skincontrols/TbsSkinPopupWindow.h"

#include <QApplication>

namespace {

const QPoint kCaption(200, 12);

QStringList Captions(const TMenuItem& menu)
{
    QStringList captions;
    for (int i = 0; i < menu.Count(); ++i)
        captions << menu.Items(i)->Caption() + QLatin1Char('|') + menu.Items(i)->ShortCutText();
    return captions;
}

}  // namespace

// The message box's system-menu button opens a menu below itself holding one item, "&关闭"
// with Alt+F4; choosing it closes the box.
TEST(SystemMenu, TheMessageBoxsButtonOpensAMenuWithTheCloseItemOnly)
{
    FramedForm box(biSystemMenu, TFormBorderStyle::bsDialog);
    LoadDefaultSkin(box.store);
    box.Show();
    const QRect button = box.Object("sysmenubutton").ObjectRect;
    QTest::mouseClick(box.form.get(), Qt::LeftButton, {}, button.center());
    TbsSkinMenu& menu = *box.frame->SkinMenu();
    ASSERT_TRUE(menu.Visible());
    EXPECT_EQ(Captions(*box.frame->SystemMenu()), QStringList{"&关闭|Alt+F4"});
    EXPECT_EQ(box.frame->SystemMenu()->Items(0)->objectName(), QStringLiteral("BSF_CLOSE"));
    EXPECT_EQ(menu.Level(0)->geometry().topLeft(), box.form->mapToGlobal(button.bottomLeft() + QPoint(0, 1)));
    EXPECT_TRUE(box.Object("sysmenubutton").Down) << "down while its menu is up";
    menu.ChooseItem(0, 0);
    EXPECT_FALSE(menu.Visible());
    EXPECT_FALSE(box.Object("sysmenubutton").Down);
    EXPECT_TRUE(WaitForHidden(*box.form));
}

// A right press on the caption opens the menu at the pointer; a sizable form's menu offers
// what its state allows; pressing the form closes the menu without a choice.
TEST(SystemMenu, ARightPressOnTheCaptionOpensTheMenuAtThePointer)
{
    FramedForm f(biSystemMenu | biMaximize | biMinimize | biRollUp);
    LoadDefaultSkin(f.store);
    f.Show();
    QTest::mouseClick(f.form.get(), Qt::RightButton, {}, kCaption);
    TbsSkinMenu& menu = *f.frame->SkinMenu();
    ASSERT_TRUE(menu.Visible());
    EXPECT_EQ(menu.Level(0)->geometry().topLeft(), f.form->mapToGlobal(kCaption));
    EXPECT_EQ(Captions(*f.frame->SystemMenu()),
              (QStringList{"&最小化|", "&最大化|", "&收缩|", "-|", "&关闭|Alt+F4"}));
    menu.ChooseItem(0, 1);
    EXPECT_EQ(f.frame->WindowState(), TbsFrameWindowState::Maximized);

    QTest::mouseClick(f.form.get(), Qt::RightButton, {}, kCaption + QPoint(1, 0));
    EXPECT_EQ(Captions(*f.frame->SystemMenu()), (QStringList{"&最小化|", "&还原|", "&收缩|", "-|", "&关闭|Alt+F4"}));
    f.frame->RestoreWindow();
    EXPECT_FALSE(menu.Visible()) << "the form's size changed under it";

    f.frame->SetDisableSystemMenu(true);
    QTest::mouseClick(f.form.get(), Qt::RightButton, {}, kCaption + QPoint(2, 0));
    EXPECT_FALSE(menu.Visible());
}

// Alt+Space is taken on every form; only a form with an active system-menu button opens its
// menu, below the button.
TEST(SystemMenu, AltSpaceOpensTheMenuOnlyWhereTheButtonIsActive)
{
    FramedForm box(biSystemMenu, TFormBorderStyle::bsDialog);
    LoadDefaultSkin(box.store);
    box.Show();
    QTest::keyClick(box.form.get(), Qt::Key_Space, Qt::AltModifier);
    ASSERT_TRUE(box.frame->SkinMenu()->Visible());
    const QRect button = box.Object("sysmenubutton").ObjectRect;
    EXPECT_EQ(box.frame->SkinMenu()->Level(0)->geometry().topLeft(),
              box.form->mapToGlobal(button.bottomLeft() + QPoint(0, 1)));
    box.frame->SkinMenu()->CloseAll();

    FramedForm cleaner{TbsBorderIcons()};
    LoadDefaultSkin(cleaner.store);
    cleaner.Show();
    QTest::keyClick(cleaner.form.get(), Qt::Key_Space, Qt::AltModifier);
    EXPECT_FALSE(cleaner.frame->SkinMenu()->Visible());
}
