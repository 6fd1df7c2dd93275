#include "GameTabFixture.h"

namespace {

using Visibility = GameTabFixture;

TEST_F(Visibility, OnlyTheTabInFrontOfAWindowOnScreenIsVisible)
{
    EXPECT_EQ(VisibilityOf(game), QStringLiteral("visible"));
    EXPECT_EQ(VisibilityOf(form->WebBrowser), QStringLiteral("hidden"));  // behind the game tab

    form->showMinimized();
    EXPECT_TRUE(WaitFor([&] { return VisibilityOf(game) == QStringLiteral("hidden"); }));
    // A tab that a page opens while the window is minimized is not seen either.
    TWebBrowser* late = form->OpenTab(portal.Url(QStringLiteral("play/")), nullptr);
    ASSERT_TRUE(WaitForScript(late->page(), QStringLiteral("typeof game"), QStringLiteral("object")));
    EXPECT_TRUE(WaitFor([&] { return VisibilityOf(late) == QStringLiteral("hidden"); }));
    EXPECT_FALSE(late->page()->isVisible());
    const int framesWhileMinimized = Evaluate(late->page(), QStringLiteral("game.frames")).toInt();

    form->showNormal();
    EXPECT_TRUE(WaitFor([&] { return VisibilityOf(late) == QStringLiteral("visible"); }));
    EXPECT_TRUE(WaitFor([&] { return Evaluate(late->page(), QStringLiteral("game.frames")).toInt() > framesWhileMinimized; }));
    EXPECT_EQ(VisibilityOf(game), QStringLiteral("hidden"));

    form->hide();
    EXPECT_TRUE(WaitFor([&] { return VisibilityOf(late) == QStringLiteral("hidden"); }));
    form->show();
    EXPECT_TRUE(WaitFor([&] { return VisibilityOf(late) == QStringLiteral("visible"); }));
    EXPECT_EQ(VisibilityOf(form->WebBrowser), QStringLiteral("hidden"));
    EXPECT_EQ(VisibilityOf(game), QStringLiteral("hidden"));
}

}  // namespace
