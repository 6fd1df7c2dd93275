#include "support/MainWindowFixture.h"
#include "support/PageScript.h"

#include <QDesktopServices>
#include <QHelpEvent>
#include <QMimeData>
#include <QTextDocument>
#include <QToolTip>
#include <QTest>
#include <QUrl>

namespace {

// Stands in for the desktop's program of a scheme: records every address handed to it.
class SchemeRecorder : public QObject {
    Q_OBJECT
public:
    explicit SchemeRecorder(const QStringList& schemes) : schemes_(schemes)
    {
        for (const QString& scheme : schemes_)
            QDesktopServices::setUrlHandler(scheme, this, "Open");
    }
    ~SchemeRecorder() override
    {
        for (const QString& scheme : schemes_)
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QList<QUrl> opened;

public Q_SLOTS:
    void Open(const QUrl& url) { opened.append(url); }

private:
    QStringList schemes_;
};

class PageSchemes : public MainWindowFixture {
protected:
    QWebEnginePage* Page() const { return form->WebBrowser->page(); }
    bool Show(const char* page, const QString& title)
    {
        form->WebBrowser->Navigate(portal.Url(QLatin1String(page)));
        return WaitFor([&] { return form->WebBrowser->title() == title; });
    }
    // A later page loaded in the tab: whatever the engine was to do with what came before it
    // has been done by then.
    bool LoadMarker() { return Show("games.html", QStringLiteral("游戏列表")); }
};

// The player clicks each link of the page and of a frame from another host: none reaches a
// program of the desktop, neither through the engine nor through the client's own hand-off.
TEST_F(PageSchemes, LinksToOtherSchemesReachNoProgramOfTheDesktop)
{
    SchemeRecorder recorder({QStringLiteral("mailto"), QStringLiteral("smb"), QStringLiteral("ftp"),
                             QStringLiteral("kestrune-launch"), QStringLiteral("file")});
    ASSERT_TRUE(Show("lab/schemes.html", QStringLiteral("外部链接")));
    ASSERT_TRUE(WaitForScript(Page(), QStringLiteral("window.frameReady === true"), true));
    QWidget* surface = form->WebBrowser->focusProxy();
    for (const int frameTop : {0, 200})
        for (const int linkTop : {10, 50, 90, 130})
            QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(20, frameTop + linkTop + 12));
    ASSERT_TRUE(WaitForScript(Page(), QStringLiteral("window.clicks"), 8));
    ASSERT_TRUE(LoadMarker());
    EXPECT_TRUE(recorder.opened.isEmpty()) << recorder.opened.value(0).toString().toStdString();
    EXPECT_TRUE(browser.opened.isEmpty());
}

// A page's tooltip is shown as the page wrote it, never read as markup.
TEST_F(PageSchemes, TooltipsOfPagesShowAsPlainText)
{
    ASSERT_TRUE(Show("lab/schemes.html", QStringLiteral("外部链接")));
    QWidget* surface = form->WebBrowser->focusProxy();
    QTest::mouseMove(surface, QPoint(250, 150));
    QTest::mouseMove(surface, QPoint(250, 172));
    ASSERT_TRUE(WaitFor([&] { return !form->WebBrowser->toolTip().isEmpty(); }));
    QHelpEvent ask(QEvent::ToolTip, QPoint(250, 172), form->WebBrowser->mapToGlobal(QPoint(250, 172)));
    QCoreApplication::sendEvent(form->WebBrowser, &ask);
    ASSERT_TRUE(WaitFor([&] { return !QToolTip::text().isEmpty(); }));
    QTextDocument shown;
    if (Qt::mightBeRichText(QToolTip::text()))
        shown.setHtml(QToolTip::text());
    else
        shown.setPlainText(QToolTip::text());
    EXPECT_EQ(shown.toPlainText(), QStringLiteral("<b>粗体</b> & <img src=\"x\">")) << QToolTip::text().toStdString();
    QToolTip::hideText();
}

// Dropped on a page that takes no drops, neither a file nor a link is opened in the tab.
TEST_F(PageSchemes, WhatIsDroppedOnAPageOpensNothing)
{
    ASSERT_TRUE(Show("title.html", QStringLiteral("标题二")));
    const QString dropped = portal.Url(QStringLiteral("gift.html?dropped"));
    for (const QUrl& url : {QUrl::fromLocalFile(QStringLiteral(KESTRUNE_DEMO_PORTAL_DIR "/games.html")), QUrl(dropped)}) {
        QMimeData data;
        data.setUrls({url});
        const QPointF at(100, 100);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(form->WebBrowser, &enter);
        QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(form->WebBrowser, &move);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(form->WebBrowser, &drop);
    }
    ASSERT_TRUE(LoadMarker());
    EXPECT_EQ(portal.Server().CountRequests(QStringLiteral("/gift.html?dropped")), 0);
    EXPECT_EQ(form->WebBrowser->url(), QUrl(portal.Url(QStringLiteral("games.html"))));
}

}  // namespace

#include "PageSchemesTest.moc"
