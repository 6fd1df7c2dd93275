#include "PageAsksFixture.h"

#include "browser/PlayerRequests.h"
#include "dialogs/TFormSignIn.h"

#include <QTemporaryDir>
#include <QWebEngineProfile>
#include <QFile>

namespace {

class PageRequests : public PageAsksFixture {
protected:
    QString Site() { return QStringLiteral("127.0.0.1:%1").arg(portal.Server().Port()); }
    QStringList Events(TWebBrowser* tab) { return Js(tab, QStringLiteral("asks.events")).toStringList(); }
    bool EventCame(TWebBrowser* tab, const QString& event)
    {
        return WaitFor([&] { return Events(tab).contains(event); });
    }
};

// A file input of a tab the title bar opened asks the desktop's file dialog, with the input's
// accepted types first; the file chosen reaches the server whole.
TEST_F(PageRequests, AFileInputOfASilentTabUploadsTheChosenFile)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QByteArray bytes;
    for (int i = 0; i < 70000; ++i)
        bytes += char(i * 7 % 256);
    const QString path = folder.filePath(QStringLiteral("头像.png"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    files.answer = {path};

    TWebBrowser* tab = OpenAsks(false);
    ASSERT_NE(tab, nullptr);
    ASSERT_TRUE(tab->Silent());
    ClickElement(tab, QStringLiteral("avatar"));
    ASSERT_TRUE(EventCame(tab, QStringLiteral("uploaded")));
    EXPECT_EQ(portal.Server().LastUpload(), bytes);
    ASSERT_EQ(files.requests.size(), 1);
    const FileChooser::Request& asked = files.requests.first();
    EXPECT_EQ(asked.mode, FileChooser::Mode::OpenOne);
    ASSERT_EQ(asked.nameFilters.size(), 2);
    for (const char* pattern : {"*.png", "*.jpg", "*.jpeg", "*.txt"})
        EXPECT_TRUE(asked.nameFilters.first().contains(QLatin1String(pattern))) << pattern;
    EXPECT_EQ(asked.nameFilters.last(), QStringLiteral("所有文件 (*)"));
    EXPECT_EQ(form->PageRequests().Files().LastFolder(), folder.path()) << "the next dialog starts there";
}

// Notifications are asked in a box once per site and the answer kept on disk; a notification
// shown reaches the desktop, and its click brings its tab to the front and tells the page.
TEST_F(PageRequests, NotificationsAreAskedOnceAndTheirClickBringsTheTabForward)
{
    const QString answers = TWebBrowser::SharedProfile()->persistentStoragePath() + QStringLiteral("/NotificationAnswers");
    QFile::remove(answers);
    TWebBrowser* tab = OpenAsks(false);
    ASSERT_NE(tab, nullptr);
    QString question;
    boxes.Then([&](TDialogForm& shown) {
        TFormPageDialog& box = PageBox(shown);
        question = TextOf(box);
        EXPECT_EQ(box.windowTitle(), Site());
        EXPECT_EQ(box.bsSkinButtonOk->Caption(), QStringLiteral("允许"));
        EXPECT_EQ(box.bsSkinButtonCancel->Caption(), QStringLiteral("拒绝"));
        Press(box.bsSkinButtonOk);
    });
    Js(tab, QStringLiteral("asks.notify(); 0"));
    ASSERT_TRUE(EventCame(tab, QStringLiteral("shown")));
    EXPECT_EQ(question, QStringLiteral("允许 %1 显示通知吗？").arg(Site()));
    EXPECT_TRUE(Events(tab).contains(QStringLiteral("notifications:granted")));
    ASSERT_EQ(notifications.shown.size(), 1);
    EXPECT_EQ(notifications.shown.first().title, QStringLiteral("星海远征"));
    EXPECT_EQ(notifications.shown.first().body, QStringLiteral("你的舰队已经返航。"));
    QFile kept(answers);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "allow http://" + Site().toUtf8() + '\n');

    // Asked again: the kept answer, no box.
    Js(tab, QStringLiteral("asks.notify(); 0"));
    ASSERT_TRUE(WaitFor([&] { return notifications.shown.size() == 2; }));
    EXPECT_EQ(boxes.Seen(), 1);
    EXPECT_EQ(notifications.shown.at(1).id, notifications.shown.at(0).id) << "the same tag replaces";

    form->ActivateTab(0);
    Q_EMIT notifications.Clicked(notifications.shown.last().id);
    EXPECT_TRUE(EventCame(tab, QStringLiteral("clicked")));
    EXPECT_EQ(form->ActiveBrowser(), tab);
}

// An answer kept on disk by an earlier run holds for a site that never asked in this one.
TEST_F(PageRequests, AKeptNotificationAnswerHoldsInTheNextRun)
{
    const QString answers = TWebBrowser::SharedProfile()->persistentStoragePath() + QStringLiteral("/NotificationAnswers");
    QFile kept(answers);
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("deny http://localhost:" + QByteArray::number(portal.Server().Port()) + "\n");
    kept.close();
    Open(portal.BaseUrl());  // as the client is at its next start
    TWebBrowser* tab = OpenAsks(false, QStringLiteral("localhost"));
    ASSERT_NE(tab, nullptr);
    Js(tab, QStringLiteral("asks.notify(); 0"));
    EXPECT_TRUE(EventCame(tab, QStringLiteral("notifications:denied")));
    EXPECT_EQ(boxes.Seen(), 0);
    QFile::remove(answers);
}

// The microphone is asked in a box, and the page hears of the answer only once it is given;
// the player's place is refused at once, without a box.
TEST_F(PageRequests, MediaWaitsForTheAnswerAndLocationIsRefusedAtOnce)
{
    TWebBrowser* tab = OpenAsks(false);
    ASSERT_NE(tab, nullptr);
    QString question;
    QStringList eventsWhileAsked;
    boxes.Then([&](TDialogForm& shown) {
        TFormPageDialog& box = PageBox(shown);
        question = TextOf(box);
        eventsWhileAsked = Events(tab);
        Press(box.bsSkinButtonCancel);
    });
    Js(tab, QStringLiteral("asks.media(); 0"));
    ASSERT_TRUE(EventCame(tab, QStringLiteral("media:NotAllowedError"))) << Events(tab).join(u' ').toStdString();
    EXPECT_EQ(question, QStringLiteral("允许 %1 使用您的麦克风吗？").arg(Site()));
    EXPECT_TRUE(eventsWhileAsked.isEmpty()) << eventsWhileAsked.join(u' ').toStdString();

    // Asked once in the run: the same answer at once.
    Js(tab, QStringLiteral("asks.events = []; asks.media(); asks.locate(); 0"));
    EXPECT_TRUE(EventCame(tab, QStringLiteral("media:NotAllowedError")));
    EXPECT_TRUE(EventCame(tab, QStringLiteral("location:1")));
    EXPECT_EQ(boxes.Seen(), 1);
}

// A server's demand for a user name and password opens the sign-in box: declined, the page
// shows the server's own refusal; signed in, the server serves the page to the user.
TEST_F(PageRequests, ASignInBoxAnswersTheServersDemand)
{
    for (const bool signIn : {false, true}) {
        SCOPED_TRACE(signIn ? "signed in" : "declined");
        QString text;
        bool masked = false;
        boxes.Then([&](TDialogForm& shown) {
            auto& box = dynamic_cast<TFormSignIn&>(shown);
            text = box.bsSkinTextLabelContent->Lines().join(u'\n');
            masked = box.bsSkinEditPassword->PasswordMode() && !box.bsSkinEditUser->PasswordMode();
            TypeInto(box.bsSkinEditUser, QStringLiteral("player"));
            TypeInto(box.bsSkinEditPassword, QStringLiteral("kestrune"));
            Press(signIn ? box.bsSkinButtonOk : box.bsSkinButtonCancel);
        });
        TWebBrowser* tab = form->OpenTab(portal.Url(QStringLiteral("private/")), nullptr);
        ASSERT_TRUE(WaitFor([&] { return !text.isEmpty(); }));
        EXPECT_EQ(text, QStringLiteral("127.0.0.1 要求输入用户名和密码。\n服务器提示：Kestrune test area"));
        EXPECT_TRUE(masked);
        ASSERT_TRUE(WaitFor([&] { return !tab->title().isEmpty() && !tab->page()->isLoading(); }));
        EXPECT_EQ(tab->title(), signIn ? QStringLiteral("测试区") : QStringLiteral("需要登录"));
        EXPECT_EQ(portal.Server().Log().contains(QStringLiteral("GET /private/ 200 player")), signIn);
    }
}

}  // namespace
