// The clear-cache picture of the title bar, end to end: the confirmation, the cleaner on the
// web profile's real cache, and what the portal's server sees before and after.
#include "support/MainWindowFixture.h"

#include "browser/ProfileUrlCache.h"
#include "dialogs/TFormClearCache.h"
#include "dialogs/TFormMsgBox.h"
#include "framework/TImage.h"
#include "skincontrols/TbsSkinButton.h"
#include "skincontrols/TbsSkinMenu.h"
#include "skincontrols/TbsSkinTextLabel.h"
#include "skinframe/TbsSkinFrame.h"

#include <QApplication>
#include <QTest>
#include <QWebEngineProfile>

#include <algorithm>
#include <functional>
#include <utility>

namespace {

// Plays the part of the player in the modal dialogs a click opens: each step waits until it
// is ready (its dialog is the active modal window, in the state it needs) and then acts,
// from inside the dialog's own loop. Every dialog still open at the deadline is closed, so a
// fault ends the test rather than hanging it.
class Player : public QObject {
public:
    struct Step {
        std::function<bool(QWidget* modal)> ready;
        std::function<void(QWidget* modal)> act;
    };
    explicit Player(QList<Step> steps) : steps_(std::move(steps))
    {
        deadline_.start();
        connect(&poll_, &QTimer::timeout, this, &Player::Poll);
        poll_.start(10);
    }
    bool Finished() const { return steps_.isEmpty(); }
    // Every modal dialog that was shown, by class name.
    QStringList shown;

private:
    void Poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != last_)
            shown << QString::fromLatin1(modal->metaObject()->className());
        last_ = modal;
        if (deadline_.hasExpired(60000)) {
            if (modal)
                modal->close();
            return;
        }
        if (modal && !steps_.isEmpty() && steps_.first().ready(modal))
            steps_.takeFirst().act(modal);
    }

    QList<Step> steps_;
    QTimer poll_;
    QElapsedTimer deadline_;
    QPointer<QWidget> last_;
};

template <class Dialog>
Player::Step Press(Qt::Key key, std::function<bool(Dialog&)> when = [](Dialog&) { return true; })
{
    return {[when](QWidget* modal) {
                auto* dialog = qobject_cast<Dialog*>(modal);
                return dialog && modal->isActiveWindow() && when(*dialog);
            },
            [key](QWidget* modal) {
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : modal, key);
            }};
}

bool CleanerDone(TFormClearCache& cleaner)
{
    return cleaner.bsSkinButtonOK->isEnabled();
}

// The confirmation the client asks before it cleans: its text, its caption and OK with Cancel.
bool AsksToConfirmCleaning(TFormMsgBox& box)
{
    const QString text = QStringLiteral("清理缓存可以修复部分游戏显示不正确的问题。\r\n请在清理前退出游戏。");
    return box.windowTitle() == QStringLiteral("清理缓存") && box.bsSkinTextLabelContent->Lines() == QStringList{text}
           && box.bsSkinButtonOk->isVisible() && box.bsSkinButtonCancel->isVisible();
}

class ClearCache : public MainWindowFixture {
protected:
    int ItemRequests() { return int(portal.Server().Log().filter(QStringLiteral("GET /cached/item.txt?n=0 ")).size()); }
    ProfileUrlCache::EntryFiles Entries() const
    {
        return ProfileUrlCache::ReadEntryFiles(ProfileUrlCache::CacheFolder(*TWebBrowser::SharedProfile()));
    }
    // Whether every entry file of before is still there. By name: the engine may still write
    // an entry a little after its page has shown, which gives the file another identity.
    bool AllStillThere(const ProfileUrlCache::EntryFiles& before) const
    {
        const ProfileUrlCache::EntryFiles now = Entries();
        const QStringList names = before.keys();
        return std::all_of(names.begin(), names.end(), [&](const QString& name) { return now.contains(name); });
    }
    // Loads (or reloads) the page that keeps one file for a day and sets the login cookie;
    // returns its title, "filled login=...".
    QString Visit(const std::function<void()>& load)
    {
        title_.clear();
        load();
        EXPECT_TRUE(WaitFor([&] { return title_.startsWith(QStringLiteral("filled login=")); }, 30000));
        return title_;
    }
    void WatchTitle()
    {
        QObject::connect(form->WebBrowser, &TWebBrowser::OnTitleChange, form.get(),
                         [&](QObject*, const QString& text) { title_ = text; });
    }
    void ClickClearCache(Player& player)
    {
        QTest::mouseClick(form->ImageSet, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_TRUE(player.Finished()) << "the dialogs went as the player expected";
    }

private:
    QString title_;
};

TEST_F(ClearCache, CancelledItCleansNothingAndConfirmedTheServerIsAskedAgainWhileTheLoginStays)
{
    WatchTitle();
    const QString page = portal.Url(QStringLiteral("cachefill.html?count=1"));
    const QString login = Visit([&] { form->WebBrowser->Navigate(page); });
    ASSERT_EQ(ItemRequests(), 1);
    ASSERT_EQ(Visit([&] { form->ImageFeedClick(form->ImageFeed); }), login);
    ASSERT_EQ(ItemRequests(), 1) << "kept for a day: the refresh takes it from the cache";
    const ProfileUrlCache::EntryFiles before = Entries();
    ASSERT_FALSE(before.isEmpty());

    Player cancelling({Press<TFormMsgBox>(Qt::Key_Escape, AsksToConfirmCleaning)});
    ClickClearCache(cancelling);
    EXPECT_EQ(cancelling.shown, QStringList{QStringLiteral("TFormMsgBox")}) << "no cleaner";
    EXPECT_TRUE(AllStillThere(before)) << "nothing deleted";
    ASSERT_EQ(Visit([&] { form->ImageFeedClick(form->ImageFeed); }), login);
    EXPECT_EQ(ItemRequests(), 1);

    Player confirming({Press<TFormMsgBox>(Qt::Key_Return), Press<TFormClearCache>(Qt::Key_Return, CleanerDone)});
    ClickClearCache(confirming);
    EXPECT_EQ(confirming.shown, (QStringList{QStringLiteral("TFormMsgBox"), QStringLiteral("TFormClearCache")}));
    EXPECT_EQ(ItemRequests(), 1) << "the page shown stays as it is until it is reloaded";
    EXPECT_EQ(Visit([&] { form->ImageFeedClick(form->ImageFeed); }), login) << "the login cookie is still sent";
    EXPECT_EQ(ItemRequests(), 2) << "the refresh asks the server again";
}

// While one of the client's dialogs waits for its answer, the tray brings it forward: the
// window behind it neither hides nor opens the tray's menu, then or once the dialog is gone.
TEST_F(ClearCache, WhileADialogWaitsTheTrayBringsItForward)
{
    bool shownDuring = false;
    Player player({{[](QWidget* modal) { return qobject_cast<TFormMsgBox*>(modal) && modal->isActiveWindow(); },
                    [&](QWidget* modal) {
                        Q_EMIT tray.OnDblClick(&tray);
                        Q_EMIT tray.OnContextMenu(QPoint(20, 20));
                        shownDuring = form->isVisible();
                        QTest::keyClick(modal, Qt::Key_Escape);
                    }}});
    ClickClearCache(player);
    EXPECT_TRUE(shownDuring);
    EXPECT_FALSE(WaitFor([&] { return form->bsSkinFrame1->SkinMenu()->Visible(); }, 800));
}

}  // namespace
