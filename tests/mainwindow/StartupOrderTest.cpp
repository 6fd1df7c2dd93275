#include "browser/TWebBrowser.h"
#include "framework/TImage.h"
#include "framework/TPanel.h"
#include "mainwindow/TFormMain.h"
#include "skin/TbsSkinData.h"
#include "skincontrols/TbsSkinPageControl.h"
#include "skincontrols/TbsSkinTabSheet.h"
#include "support/FakeWindowManager.h"
#include "support/PortalFixture.h"
#include "support/RecordingDefaultBrowser.h"
#include "support/Wait.h"

#include <QApplication>
#include <QPointer>
#include <gtest/gtest.h>

namespace {

// Notes, in the order they happen, the window's first show, the first paint of each of its
// parts, the browser arriving in the main sheet, and the home page being asked for.
class StartupLog : public QObject {
public:
    explicit StartupLog(PortalServer& server)
    {
        qApp->installEventFilter(this);
        connect(&server, &PortalServer::RequestServed, this, [this](const QString& line) {
            if (line.startsWith(QStringLiteral("GET / ")))
                Note(QStringLiteral("home page asked for"));
        });
    }
    ~StartupLog() override { qApp->removeEventFilter(this); }

    void Watch(TFormMain* form) { form_ = form; }
    const QStringList& Entries() const { return entries_; }
    // What the window looked like at its first show.
    int TagAtShow = -1;
    bool SkinLoadedAtShow = false;
    bool MainTabFiledAtShow = true;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!form_)
            return false;
        if (watched == form_ && event->type() == QEvent::Show && !entries_.contains(QStringLiteral("shown"))) {
            TagAtShow = form_->Tag();
            SkinLoadedAtShow = !form_->bsSkinData1->IsEmpty();
            MainTabFiledAtShow = form_->Tabs().FindTab(1) != nullptr;
            Note(QStringLiteral("shown"));
        } else if (event->type() == QEvent::Paint && form_->isAncestorOf(qobject_cast<QWidget*>(watched))) {
            Note(QStringLiteral("painted ") + watched->objectName());
        } else if (watched == form_->bsSkinTabSheetMain && event->type() == QEvent::ChildAdded) {
            Note(QStringLiteral("browser made"));
        }
        return false;
    }

private:
    void Note(const QString& entry)
    {
        if (!entries_.contains(entry))
            entries_ << entry;
    }

    QPointer<TFormMain> form_;
    QStringList entries_;
};

TEST(FormMainStartup, TheWindowIsShownAndPaintedBeforeItsFirstBrowserExists)
{
    PortalFixture portal;
    FakeWindowManager windows;
    RecordingDefaultBrowser browser;
    StartupLog log(portal.Server());
    TFormMain form(portal.BaseUrl(), {windows, browser, QStringLiteral(KESTRUNE_PACK_DIR)});
    log.Watch(&form);
    EXPECT_EQ(form.findChild<QWebEngineView*>(), nullptr);

    form.show();
    ASSERT_TRUE(WaitFor([&] { return form.Tabs().FindTab(1) != nullptr; }));
    ASSERT_TRUE(WaitFor([&] { return log.Entries().contains(QStringLiteral("home page asked for")); }));

    // The creation up to the maximize had run when the window was first shown; sending the
    // main tab home and filing it came after.
    EXPECT_EQ(log.TagAtShow, 1);
    EXPECT_TRUE(log.SkinLoadedAtShow);
    EXPECT_FALSE(log.MainTabFiledAtShow);

    const QStringList& order = log.Entries();
    const qsizetype made = order.indexOf(QStringLiteral("browser made"));
    ASSERT_GE(made, 0) << order.join(QLatin1Char('\n')).toStdString();
    EXPECT_LT(order.indexOf(QStringLiteral("shown")), made);
    for (const char* part : {"PanelMain", "ImageTitleLeft", "ITgame", "ImageClose", "bsSkinPageControl", "PanelBottom",
                             "ImageToolRight"}) {
        const qsizetype painted = order.indexOf(QStringLiteral("painted ") + QLatin1String(part));
        EXPECT_GE(painted, 0) << part;
        EXPECT_LT(painted, made) << part;
    }
    EXPECT_LT(made, order.indexOf(QStringLiteral("home page asked for")));
    EXPECT_EQ(form.WebBrowser->parent(), form.bsSkinTabSheetMain);
    EXPECT_EQ(form.WebBrowser->Tag(), 1);
}

TEST(FormMainStartup, ATabOpenedBeforeTheMainBrowserLeavesTheMainTabItsTag)
{
    PortalFixture portal;
    FakeWindowManager windows;
    RecordingDefaultBrowser browser;
    TFormMain form(portal.BaseUrl(), {windows, browser, QStringLiteral(KESTRUNE_PACK_DIR)});
    form.ITgameMouseDown(form.ITgame, Qt::LeftButton, {}, 1, 1);  // before the first frame
    form.show();
    ASSERT_TRUE(WaitFor([&] { return form.WebBrowser != nullptr && form.WebBrowser->Tag() != 0; }));

    EXPECT_EQ(form.WebBrowser->Tag(), 1);
    ASSERT_NE(form.Tabs().FindTab(1), nullptr);
    EXPECT_EQ(form.Tabs().FindTab(1)->Sheet, form.bsSkinTabSheetMain);
    ASSERT_NE(form.Tabs().FindTab(2), nullptr);
    EXPECT_NE(form.Tabs().FindTab(2)->Sheet, form.bsSkinTabSheetMain);
}

}  // namespace
