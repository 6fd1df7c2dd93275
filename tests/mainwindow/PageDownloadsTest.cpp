#include "support/MainWindowFixture.h"
#include "support/PageScript.h"

#include "browser/Downloads.h"
#include "framework/TLabel.h"
#include "skincontrols/TbsSkinPageControl.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Downloads go to a folder of the test's own; the status strip's texts are noted as each
// download reports.
class PageDownloads : public MainWindowFixture {
protected:
    void Configure(TFormMain::Services& services) override { services.DownloadDirectory = folder.path(); }
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(folder.isValid());
        ASSERT_NE(form->DownloadList(), nullptr);
        const auto note = [this] { texts.append(form->LabelStatus->Caption()); };
        Downloads* list = form->DownloadList();
        QObject::connect(list, &Downloads::Progress, form.get(), note);
        QObject::connect(list, &Downloads::Finished, form.get(), note);
        QObject::connect(list, &Downloads::Failed, form.get(), note);
        form->WebBrowser->Navigate(portal.Url(QStringLiteral("lab/downloads.html")));
        ASSERT_TRUE(WaitFor([&] { return form->WebBrowser->title() == QStringLiteral("下载"); }));
    }
    void Click(const char* id)
    {
        form->WebBrowser->page()->runJavaScript(QStringLiteral("document.getElementById('%1').click()").arg(QLatin1String(id)));
    }
    QStringList Files() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System); }
    QByteArray Content(const QString& name) const
    {
        QFile file(QDir(folder.path()).filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    bool TextShown(const QString& text) { return WaitFor([&] { return texts.contains(text); }); }

    QTemporaryDir folder;
    QStringList texts;
};

TEST_F(PageDownloads, FilesArriveWholeUnderFreeNamesAndTheirTabsGo)
{
    const QByteArray expected = PortalServer::GeneratedFile(1 << 20);
    Click("plain");
    ASSERT_TRUE(TextShown(QStringLiteral("下载完成: setup.bin")));
    EXPECT_TRUE(texts.first().startsWith(QStringLiteral("正在下载 setup.bin"))) << texts.first().toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("正在下载 setup.bin 100%")));
    EXPECT_EQ(texts.filter(QStringLiteral("下载完成")).size(), 1);
    EXPECT_EQ(texts.indexOf(QStringLiteral("下载完成: setup.bin")), texts.size() - 1);

    // A click on the finished download's text opens its folder.
    QTest::mouseClick(form->LabelStatus, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(browser.folders, QStringList(QDir(folder.path()).absolutePath()));

    // Through a new window: the tab that opened for the file goes again.
    Click("blank");
    ASSERT_TRUE(TextShown(QStringLiteral("下载完成: setup (1).bin")));
    EXPECT_TRUE(WaitFor([&] { return form->bsSkinPageControl->PageCount() == 1; }));
    EXPECT_EQ(Files(), (QStringList{QStringLiteral("setup (1).bin"), QStringLiteral("setup.bin")}));
    EXPECT_EQ(Content(QStringLiteral("setup.bin")), expected);
    EXPECT_EQ(Content(QStringLiteral("setup (1).bin")), expected);

    // The finished text makes way after a while; a click then opens nothing.
    clock.Advance(10000);
    EXPECT_EQ(form->LabelStatus->Caption(), QString());
    QTest::mouseClick(form->LabelStatus, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(browser.folders.size(), 1);
}

TEST_F(PageDownloads, AMissingFileFailsAndLeavesNothing)
{
    Click("missing");
    ASSERT_TRUE(TextShown(QStringLiteral("下载失败: setup.bin")));
    EXPECT_TRUE(Files().isEmpty()) << Files().join(u' ').toStdString();
}

TEST_F(PageDownloads, TheClientsEndCancelsADownloadAndLeavesNoPartialFile)
{
    QSignalSpy abandoned(&portal.Server(), &PortalServer::DownloadAbandoned);
    Click("slow");
    ASSERT_TRUE(WaitFor([&] { return !Files().isEmpty(); }));
    ASSERT_EQ(Files().size(), 1);
    EXPECT_TRUE(Files().at(0).startsWith(QStringLiteral("slow.bin."))) << "under a partial name";
    form.reset();
    ASSERT_TRUE(WaitFor([&] { return abandoned.size() == 1; }));
    EXPECT_TRUE(Files().isEmpty()) << Files().join(u' ').toStdString();
}

}  // namespace
