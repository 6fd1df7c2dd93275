#include "support/MainWindowFixture.h"
#include "support/PageScript.h"

#include "framework/TLabel.h"
#include "mainwindow/StatusStrip.h"

#include <QRegularExpression>
#include <QTest>
#include <QWebEnginePage>

namespace {

class StatusTexts : public MainWindowFixture {
protected:
    QString Shown() const { return form->LabelStatus->Caption(); }
    bool Show(const QString& url, const QString& title)
    {
        form->WebBrowser->Navigate(url);
        return WaitFor([&] { return form->WebBrowser->title() == title; });
    }
};

TEST_F(StatusTexts, TheLinkUnderThePointerAndTheHostOfAPageAwayFromThePortal)
{
    ASSERT_TRUE(Show(portal.Url(QStringLiteral("lab/menu.html")), QStringLiteral("右键菜单")));
    EXPECT_TRUE(WaitFor([&] { return Shown().isEmpty(); }));
    QWidget* surface = form->WebBrowser->focusProxy();
    QTest::mouseMove(surface, QPoint(20, 25));
    EXPECT_TRUE(WaitFor([&] { return Shown() == portal.Url(QStringLiteral("games.html")); })) << Shown().toStdString();
    QTest::mouseMove(surface, QPoint(300, 300));
    EXPECT_TRUE(WaitFor([&] { return Shown().isEmpty(); })) << Shown().toStdString();

    // The same server under another name is another host; while it loads, the strip says so.
    QStringList whileLoading;
    QObject::connect(form->WebBrowser->page(), &QWebEnginePage::loadProgress, form.get(),
                     [&] { whileLoading.append(Shown()); });
    const QString away = QStringLiteral("http://localhost:%1/games.html").arg(portal.Server().Port());
    ASSERT_TRUE(Show(away, QStringLiteral("游戏列表")));
    EXPECT_FALSE(whileLoading.filter(QRegularExpression(QStringLiteral("^正在载入… \\d+%$"))).isEmpty())
        << whileLoading.join(u'|').toStdString();
    EXPECT_TRUE(WaitFor([&] { return Shown() == QStringLiteral("localhost"); })) << Shown().toStdString();
    // Only while the main tab is in front.
    TWebBrowser* tab = form->OpenTab(portal.Url(QStringLiteral("gift.html")), nullptr);
    ASSERT_TRUE(WaitFor([&] { return tab->title() == QStringLiteral("礼包中心"); }));
    EXPECT_TRUE(WaitFor([&] { return Shown().isEmpty(); })) << Shown().toStdString();
    form->ActivateTab(0);
    EXPECT_EQ(Shown(), QStringLiteral("localhost"));
    ASSERT_TRUE(Show(portal.BaseUrl(), QStringLiteral("Kestrune 游戏大厅")));
    EXPECT_TRUE(WaitFor([&] { return Shown().isEmpty(); })) << Shown().toStdString();
}

}  // namespace
