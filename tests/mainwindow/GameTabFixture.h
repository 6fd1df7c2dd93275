#pragma once

#include "support/MainWindowFixture.h"
#include "support/PageScript.h"

#include <QApplication>
#include <QTest>

// The main window with the demo portal's animated game page open in a second tab, in front.
// The page keeps a record of the frames it drew and the keys, visibility changes and full
// screen changes it saw (window.game).
class GameTabFixture : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        if (HasFatalFailure())
            return;
        game = OpenGame();
        ASSERT_NE(game, nullptr);
    }

    // Opens the game page in a new tab; null unless its script runs in time.
    TWebBrowser* OpenGame()
    {
        TWebBrowser* tab = form->OpenTab(portal.Url(QStringLiteral("play/")), nullptr);
        const bool running = WaitFor([&] { return tab->title() == QStringLiteral("星海远征 试玩"); })
            && WaitForScript(tab->page(), QStringLiteral("typeof game"), QStringLiteral("object"));
        return running ? tab : nullptr;
    }

    // The window active and the game's view holding the keyboard, as after a click into it.
    void GiveKeysToTheGame()
    {
        QApplication::setActiveWindow(form.get());
        game->setFocus();
        ASSERT_TRUE(WaitFor([&] { return QApplication::focusWidget() == game->focusProxy(); }));
        // The page's renderer hears of the focus a little later; a key before that is lost.
        ASSERT_TRUE(WaitForScript(game->page(), QStringLiteral("document.hasFocus()"), true));
    }
    void Press(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(target, key, modifiers);
    }
    QVariant GameRecord(const char* field) { return Evaluate(game->page(), QStringLiteral("game.") + QLatin1String(field)); }
    QString VisibilityOf(TWebBrowser* view)
    {
        return Evaluate(view->page(), QStringLiteral("document.visibilityState")).toString();
    }

    TWebBrowser* game = nullptr;
};
