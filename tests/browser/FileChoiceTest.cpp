#include "browser/FileChoice.h"
#include "support/RecordingFileChooser.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

TEST(FileChoice, TheAcceptedTypesBecomeTheFirstFilter)
{
    const QString all = QStringLiteral("所有文件 (*)");
    const struct {
        QStringList accepted;
        QStringList in;  // patterns the first filter holds
        QStringList out;
    } cases[] = {
        {{QStringLiteral(".PNG")}, {QStringLiteral("*.png")}, {QStringLiteral("*.jpg")}},
        {{QStringLiteral("image/jpeg")}, {QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")}, {QStringLiteral("*.png")}},
        {{QStringLiteral("image/*")}, {QStringLiteral("*.png"), QStringLiteral("*.jpg"), QStringLiteral("*.gif")},
         {QStringLiteral("*.txt")}},
        {{QStringLiteral(" .txt "), QStringLiteral("text/plain")}, {QStringLiteral("*.txt")}, {}},
    };
    for (const auto& c : cases) {
        const QStringList filters = FileChoice::NameFilters(c.accepted);
        ASSERT_EQ(filters.size(), 2) << c.accepted.join(u',').toStdString();
        EXPECT_TRUE(filters.first().startsWith(QStringLiteral("可接受的文件 (")));
        EXPECT_EQ(filters.last(), all);
        QStringList patterns = filters.first().mid(8).chopped(1).split(u' ');
        for (const QString& pattern : c.in)
            EXPECT_TRUE(patterns.contains(pattern)) << pattern.toStdString();
        for (const QString& pattern : c.out)
            EXPECT_FALSE(patterns.contains(pattern)) << pattern.toStdString();
        EXPECT_EQ(patterns.removeDuplicates(), 0);
    }
    for (const QStringList& nothing : {QStringList(), QStringList{QStringLiteral("no/such-type")}, QStringList{QStringLiteral(".")}})
        EXPECT_EQ(FileChoice::NameFilters(nothing), QStringList{all});
}

// Each way of choosing asks the dialog in its mode, starting where the player last chose; a
// cancelled dialog leaves that place as it was.
TEST(FileChoice, OpensWhereThePlayerLastChose)
{
    RecordingFileChooser chooser;
    FileChoice choice(chooser);
    EXPECT_EQ(choice.LastFolder(), QDir::homePath());
    const struct {
        QWebEnginePage::FileSelectionMode mode;
        FileChooser::Mode asked;
        QStringList answer;
        QString folderAfter;
    } cases[] = {
        {QWebEnginePage::FileSelectOpen, FileChooser::Mode::OpenOne, {QStringLiteral("/srv/games/a.png")}, QStringLiteral("/srv/games")},
        {QWebEnginePage::FileSelectOpenMultiple, FileChooser::Mode::OpenMany, {}, QStringLiteral("/srv/games")},
        {QWebEnginePage::FileSelectUploadFolder, FileChooser::Mode::Folder, {QStringLiteral("/srv/saves")}, QStringLiteral("/srv/saves")},
        {QWebEnginePage::FileSelectSave, FileChooser::Mode::Save, {QStringLiteral("/tmp/out/x.txt")}, QStringLiteral("/tmp/out")},
    };
    QString folderBefore = choice.LastFolder();
    for (const auto& c : cases) {
        chooser.answer = c.answer;
        EXPECT_EQ(choice.Choose(nullptr, c.mode, {}), c.answer);
        EXPECT_EQ(chooser.requests.last().mode, c.asked);
        EXPECT_EQ(chooser.requests.last().folder, folderBefore);
        EXPECT_EQ(choice.LastFolder(), c.folderAfter);
        folderBefore = c.folderAfter;
    }
}

}  // namespace
