#include "GameTabFixture.h"

namespace {

class Visibility : public GameTabFixture {
protected:
    bool Becomes(TWebBrowser* tab, const QString& state)
    {
        return WaitForScript(tab->page(), QStringLiteral("document.visibilityState"), state);
    }
};

TEST_F(Visibility, OnlyTheTabInFrontOfAWindowOnScreenIsVisible)
{
    EXPECT_EQ(VisibilityOf(game), QStringLiteral("visible"));
    EXPECT_EQ(VisibilityOf(form->WebBrowser), QStringLiteral("hidden"));  // behind the game tab

    form->showMinimized();
    EXPECT_TRUE(Becomes(game, QStringLiteral("hidden")));
    // A tab that a page opens while the window is minimized is not seen either.
    TWebBrowser* late = OpenGame();
    ASSERT_NE(late, nullptr);
    EXPECT_TRUE(Becomes(late, QStringLiteral("hidden")));
    EXPECT_FALSE(late->page()->isVisible());
    const int framesWhileMinimized = Evaluate(late->page(), QStringLiteral("game.frames")).toInt();

    form->showNormal();
    EXPECT_TRUE(Becomes(late, QStringLiteral("visible")));
    EXPECT_TRUE(WaitForScript(late->page(), QStringLiteral("game.frames > %1").arg(framesWhileMinimized), true));
    EXPECT_EQ(VisibilityOf(game), QStringLiteral("hidden"));

    form->hide();
    EXPECT_TRUE(Becomes(late, QStringLiteral("hidden")));
    form->show();
    EXPECT_TRUE(Becomes(late, QStringLiteral("visible")));
    EXPECT_EQ(VisibilityOf(form->WebBrowser), QStringLiteral("hidden"));
    EXPECT_EQ(VisibilityOf(game), QStringLiteral("hidden"));
}

}  // namespace
