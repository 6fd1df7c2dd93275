#include "GameTabFixture.h"

#include "framework/TPageControl.h"
#include "framework/TPanel.h"
#include "framework/TTabSheet.h"
#include "mainwindow/FullScreenView.h"
#include "skincontrols/TbsSkinPageControl.h"

#include <QPointer>

namespace {

class FullScreen : public GameTabFixture {
protected:
    void SetUp() override
    {
        GameTabFixture::SetUp();
        if (HasFatalFailure())
            return;
        GiveKeysToTheGame();
        sheet = game->parentWidget();
        bounds = form->geometry();
        state = form->windowState();
        shape = form->mask();
    }
    bool ViewHasTheScreen()
    {
        return form->isFullScreen() && game->parentWidget() == form.get() && game->geometry() == form->rect()
            && game->isVisible() && !form->PanelMain->isVisible() && form->mask().isEmpty();
    }
    bool WindowAsBefore()
    {
        return !form->isFullScreen() && form->windowState() == state && form->geometry() == bounds
            && form->mask() == shape && game->parentWidget() == sheet && game->geometry() == sheet->rect()
            && game->isVisible() && form->PanelMain->isVisible();
    }
    bool PageHasTheScreen(bool has)
    {
        return WaitForScript(game->page(), QStringLiteral("!!document.fullscreenElement"), has);
    }

    QWidget* sheet = nullptr;
    QRect bounds;
    Qt::WindowStates state;
    QRegion shape;
};

TEST_F(FullScreen, APageThatAsksGetsTheWholeScreenUntilEscapeOrItsOwnExit)
{
    Press(game->focusProxy(), Qt::Key_F);  // the page asks for the screen on its own key
    ASSERT_TRUE(WaitFor([&] { return ViewHasTheScreen(); }));
    EXPECT_TRUE(PageHasTheScreen(true));
    EXPECT_EQ(form->FullScreen().View(), game);

    Press(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(WindowAsBefore());
    EXPECT_TRUE(PageHasTheScreen(false));
    EXPECT_EQ(GameRecord("fullscreen"), QVariantList({true, false}));
    EXPECT_EQ(GameRecord("keys"), QVariantList({QStringLiteral("f")}));  // Escape was the client's

    Press(game->focusProxy(), Qt::Key_F);
    ASSERT_TRUE(WaitFor([&] { return ViewHasTheScreen(); }));
    ASSERT_TRUE(PageHasTheScreen(true));
    Evaluate(game->page(), QStringLiteral("document.exitFullscreen(); 0"));
    EXPECT_TRUE(WaitFor([&] { return WindowAsBefore(); }));
    // Outside full screen, Escape is the page's again.
    Press(game->focusProxy(), Qt::Key_Escape);
    EXPECT_TRUE(WaitForScript(game->page(), QStringLiteral("game.keys.join(' ')"), QStringLiteral("f f Escape")));
}

TEST_F(FullScreen, F11TogglesTheActiveTabUntilAnotherTabComesToTheFrontOrItCloses)
{
    Press(game->focusProxy(), Qt::Key_F11);
    ASSERT_TRUE(WaitFor([&] { return ViewHasTheScreen(); }));
    Press(QApplication::focusWidget(), Qt::Key_F11);
    EXPECT_TRUE(WindowAsBefore());

    Press(game->focusProxy(), Qt::Key_F11);
    ASSERT_TRUE(WaitFor([&] { return ViewHasTheScreen(); }));
    Press(QApplication::focusWidget(), Qt::Key_1, Qt::ControlModifier);
    EXPECT_FALSE(form->isFullScreen());
    EXPECT_EQ(form->geometry(), bounds);
    EXPECT_TRUE(form->PanelMain->isVisible());
    EXPECT_EQ(game->parentWidget(), sheet);  // back in its tab, now behind the main tab
    EXPECT_EQ(form->bsSkinPageControl->ActivePage(), form->bsSkinPageControl->Page(0));

    form->ActivateTab(1);
    Press(game->focusProxy(), Qt::Key_F11);
    ASSERT_TRUE(WaitFor([&] { return ViewHasTheScreen(); }));
    QPointer<TWebBrowser> view = game;
    Press(QApplication::focusWidget(), Qt::Key_W, Qt::ControlModifier);
    ASSERT_TRUE(WaitFor([&] { return view.isNull(); }));
    EXPECT_FALSE(form->isFullScreen());
    EXPECT_FALSE(form->FullScreen().Active());
    EXPECT_EQ(form->geometry(), bounds);
    EXPECT_EQ(form->mask(), shape);
    EXPECT_TRUE(form->PanelMain->isVisible());
    EXPECT_EQ(form->bsSkinPageControl->PageCount(), 1);
}

}  // namespace

namespace {

// The view's tab goes while the view has the screen: its sheet leaves the page control as its
// destruction begins, another page becomes active and the window leaves the whole screen (as
// the main window does on every page change); the view is deleted, never put back into the
// dying sheet.
TEST(FullScreenView, ItsSheetsDestructionEndsTheFullScreenAndTakesTheView)
{
    QWidget window;
    auto* rest = new QWidget(&window);
    auto* pages = new TPageControl(rest);
    auto* home = new TTabSheet(pages);
    home->SetPageControl(pages);
    (new TTabSheet(pages))->SetPageControl(pages);
    pages->SetActivePage(home);
    const QPointer<QWidget> view = new QWidget(home);
    auto* screen = new FullScreenView(&window, rest);
    QObject::connect(pages, &TPageControl::OnChange, screen, [screen] { screen->Leave(); });
    window.show();
    screen->Enter(view);
    ASSERT_EQ(view->parentWidget(), &window);
    delete home;
    ASSERT_FALSE(view.isNull()) << "not taken down inside the sheet";
    EXPECT_EQ(view->parentWidget(), &window);
    EXPECT_FALSE(screen->Active());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(view.isNull()) << "deleted once control is back in the event loop";
}

}  // namespace
