#include "skin/SkinError.h"
#include "skin/SkinTestSupport.h"
#include "skin/TbsSkinData.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace SkinTest;

namespace {

const QStringList kDescription{"[PICTURES]", "mask=m.bmp", "[FORMINFO]", "clientrect=1,2,30,40",
                               "[SKINCONTROLS]", "count=2", "0=tab:tab", "1=b:button", "[tab]",
                               "skinrect=0,0,10,10", "[SKINOBJECTS]", "count=1", "0=c:caption"};

QByteArray SmallContent()
{
    QImage indexed(5, 3, QImage::Format_Indexed8);
    indexed.setColorCount(4);
    indexed.fill(2);
    const QList<QByteArray> frames{PictureItem(Solid(6, 4, 0xFF112233)), AbsentItem(), PictureItem(indexed)};
    return Content(3, frames, 2, {Solid(3, 2, 0xFF445566), indexed}, AnsiLines(kDescription));
}

// Loading may fail with a skin error or succeed; it must not do anything else.
void LoadSurvives(const QByteArray& package, const std::string& what)
{
    TbsSkinData store;
    try {
        LoadPackage(store, package);
    } catch (const SkinError&) {
        EXPECT_TRUE(store.IsEmpty()) << what;
        EXPECT_FALSE(store.Changing()) << what;
    }
}

} // namespace

TEST(CorruptSkinPackages, EveryCutOfThePackageAndOfItsContent)
{
    const QByteArray content = SmallContent();
    const QByteArray package = Package(content);
    for (int cut = 0; cut < package.size(); ++cut)
        LoadSurvives(package.left(cut), "package cut at " + std::to_string(cut));
    for (int cut = 0; cut < content.size(); ++cut)
        LoadSurvives(Package(content.left(cut)), "content cut at " + std::to_string(cut));
}

TEST(CorruptSkinPackages, FlippedBytes)
{
    const QByteArray content = SmallContent();
    const QByteArray package = Package(content);
    QRandomGenerator random(5);
    for (int round = 0; round < 400; ++round) {
        QByteArray flipped = round % 2 ? package : content;
        for (int n = 0; n < 1 + round % 4; ++n)
            flipped[random.bounded(int(flipped.size()))] ^= char(1 << random.bounded(8));
        LoadSurvives(round % 2 ? flipped : Package(flipped), "round " + std::to_string(round));
    }
}

// Inputs that broke or could break a reader stay here: crafted ones for the faults mended on
// purpose, and every input the fuzz target (fuzz/skin) ever stopped on.
TEST(CorruptSkinPackages, FuzzRegressionInputs)
{
    const QDir dir(QStringLiteral(KESTRUNE_TEST_DATA_DIR "/skin/fuzz"));
    const QStringList files = dir.entryList(QDir::Files);
    EXPECT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        LoadSurvives(bytes, name.toStdString());
        LoadSurvives(Package(bytes), "content of " + name.toStdString());
    }
}
