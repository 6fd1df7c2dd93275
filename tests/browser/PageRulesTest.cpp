#include "browser/DownloadName.h"
#include "browser/NavigationScheme.h"
#include "browser/PayHandOff.h"
#include "browser/PopupBudget.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

using Page = QWebEnginePage;

TEST(NavigationScheme, OnlyWebAddressesAndTheClientsOwnPagesFillATab)
{
    const struct {
        const char* url;
        Page::NavigationType type;
        bool mainFrame;
        bool allowed;
    } cases[] = {
        {"http://127.0.0.1/games.html", Page::NavigationTypeLinkClicked, true, true},
        {"HTTPS://games.example.com/", Page::NavigationTypeRedirect, false, true},
        {"about:blank", Page::NavigationTypeOther, true, true},
        {"about:srcdoc", Page::NavigationTypeOther, false, true},
        {"blob:http://127.0.0.1/5c2b", Page::NavigationTypeLinkClicked, true, true},
        {"data:text/html,<p>ad", Page::NavigationTypeOther, false, true},
        // A data page fills the tab only when the client put it there.
        {"data:text/html,<p>ours", Page::NavigationTypeTyped, true, true},
        {"data:text/html,<p>ours", Page::NavigationTypeBackForward, true, true},
        {"data:text/html,<p>ours", Page::NavigationTypeReload, true, true},
        {"data:text/html,<p>fake", Page::NavigationTypeLinkClicked, true, false},
        {"data:text/html,<p>fake", Page::NavigationTypeOther, true, false},
        {"data:text/html,<p>fake", Page::NavigationTypeFormSubmitted, true, false},
        {"mailto:someone@example.com", Page::NavigationTypeLinkClicked, true, false},
        {"smb://127.0.0.1/x", Page::NavigationTypeLinkClicked, false, false},
        {"ftp://127.0.0.1/", Page::NavigationTypeLinkClicked, true, false},
        {"file:///etc/passwd", Page::NavigationTypeTyped, true, false},
        {"kestrune-launch://start", Page::NavigationTypeOther, false, false},
        {"view-source:http://127.0.0.1/", Page::NavigationTypeTyped, true, false},
        {"chrome://gpu", Page::NavigationTypeTyped, true, false},
        {"javascript:alert(1)", Page::NavigationTypeLinkClicked, false, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MayNavigate(QUrl(QString::fromUtf8(c.url)), c.type, c.mainFrame), c.allowed) << c.url << " " << c.type;
}

TEST(PopupBudget, ATabOpensThreeWindowsInTenSecondsAndTabsCountApart)
{
    PopupBudget budget;
    const struct {
        int tab;
        qint64 at;
        bool granted;
    } steps[] = {
        {2, 0, true},     {2, 100, true},   {2, 200, true},   {2, 300, false},  {2, 9999, false},
        {3, 9999, true},  // another tab has its own
        {2, 10000, true},  // the first window's ten seconds are over
        {2, 10050, false}, {2, 10100, true}, {2, 10200, true}, {2, 10300, false},
    };
    for (const auto& step : steps)
        EXPECT_EQ(budget.Take(step.tab, step.at), step.granted) << "tab " << step.tab << " at " << step.at;
}

TEST(PayHandOff, OncePerTabInThreeSecondsAndOncePerAddressInThirty)
{
    PayHandOff handOff;
    const QString pay = QStringLiteral("http://127.0.0.1/pay.html");
    const QString payTen = pay + QStringLiteral("?amount=10");
    const struct {
        int tab;
        qint64 at;
        const QString& url;
        bool handed;
    } steps[] = {
        {1, 0, pay, true},       {1, 100, payTen, false},  // the tab's pause
        {2, 200, pay, false},    // the address's pause, from another tab
        {2, 300, payTen, true},  {1, 3000, payTen, false}, {1, 3000, pay, false},
        {1, 29999, pay, false},  {1, 30000, pay, true},    {3, 30300, payTen, true},
    };
    for (const auto& step : steps)
        EXPECT_EQ(handOff.Admit(step.tab, step.url, step.at), step.handed)
            << "tab " << step.tab << " at " << step.at << " " << step.url.toStdString();
}

TEST(DownloadName, TheServersNameMadeSafeAndNumberedPastWhatIsTaken)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QDir dir(folder.path());
    for (const char* present : {"setup.bin", "setup (1).bin.part", "notes", "archive.tar.gz"})
        QFile(dir.filePath(QLatin1String(present))).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("nowhere")), dir.filePath(QStringLiteral("dangling.bin"))));
    const struct {
        QString suggested;
        QSet<QString> taken;
        QString expected;
    } cases[] = {
        {QStringLiteral("game.exe"), {}, QStringLiteral("game.exe")},
        {QStringLiteral("setup.bin"), {}, QStringLiteral("setup (2).bin")},  // (1) has a partial file
        {QStringLiteral("game.exe"), {QStringLiteral("game.exe")}, QStringLiteral("game (1).exe")},
        {QStringLiteral("notes"), {}, QStringLiteral("notes (1)")},
        {QStringLiteral("archive.tar.gz"), {}, QStringLiteral("archive.tar (1).gz")},
        {QStringLiteral("dangling.bin"), {}, QStringLiteral("dangling (1).bin")},
        {QStringLiteral("../../.bashrc"), {}, QStringLiteral("bashrc")},
        {QStringLiteral("C:\\Windows\\evil.dll"), {}, QStringLiteral("evil.dll")},
        {QStringLiteral("a\nb\u202Ec.txt"), {}, QStringLiteral("abc.txt")},
        {QStringLiteral(".."), {}, QStringLiteral("download")},
        {QString(), {}, QStringLiteral("download")},
        {QString(300, u'x') + QStringLiteral(".zip"), {}, QString(156, u'x') + QStringLiteral(".zip")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FreeDownloadName(dir, c.suggested, c.taken), c.expected) << c.suggested.toStdString();
}

}  // namespace
