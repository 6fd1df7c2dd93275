#include "skinframe/FrameFixture.h"

#include "skincontrols/TbsSkinMenu.h"
#include "skincontrols/TbsSkinPopupWindow.h"
#include "support/Wait.h"

#include <QPointer>
#include <QWindow>

namespace {

QStringList toolkitMessages;

void Record(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        toolkitMessages << message;
}

// The frame's system menu on a compositor that places the windows itself: the menu is a popup
// of the form's window, which the compositor shows and hides, and the form's show (with its
// fade, which the platform cannot do) and the menu leave the toolkit nothing to warn about.
TEST(WaylandFrame, TheSystemMenuIsAPopupOfTheFormsWindow)
{
    toolkitMessages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(Record);
    FramedForm framed(TbsBorderIcons(biSystemMenu | biMinimize | biMaximize));
    LoadDefaultSkin(framed.store);
    framed.frame->SetAlphaBlend(true);
    framed.frame->SetAlphaBlendAnimation(true);
    framed.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(framed.form.get()));

    TbsSkinMenu& menu = *framed.frame->SkinMenu();
    framed.frame->ShowSystemMenu(framed.form->mapToGlobal(QPoint(30, 20)));
    ASSERT_TRUE(menu.Visible());
    const QPointer<TbsSkinPopupWindow> level = menu.Level(0);
    ASSERT_TRUE(level);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(level.data()));
    EXPECT_EQ(level->windowHandle()->transientParent(), framed.form->windowHandle());
    EXPECT_EQ(level->windowHandle()->type(), Qt::ToolTip);

    menu.CloseAll();
    EXPECT_FALSE(menu.Visible());
    EXPECT_TRUE(WaitFor([&] { return !level; }));
    EXPECT_TRUE(framed.form->isVisible());
    qInstallMessageHandler(previous);
    EXPECT_EQ(toolkitMessages, QStringList());
}

}  // namespace
