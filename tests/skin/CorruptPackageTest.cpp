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
const QString kLoaded = QStringLiteral("loaded");
const QString kStreamRead = QStringLiteral("Stream read error");
const QString kNoInteger = QStringLiteral("'''' is not a valid integer value");

QByteArray SmallContent()
{
    QImage indexed(5, 3, QImage::Format_Indexed8);
    indexed.setColorCount(4);
    indexed.fill(2);
    const QList<QByteArray> frames{PictureItem(Solid(6, 4, 0xFF112233)), AbsentItem(), PictureItem(indexed)};
    return Content(3, frames, 2, {Solid(3, 2, 0xFF445566), indexed}, AnsiLines(kDescription));
}

// A refused load leaves nothing of a skin behind and closes, so receivers draw plain.
void ExpectCleared(const TbsSkinData& store, const std::string& what)
{
    EXPECT_TRUE(store.IsEmpty()) << what;
    EXPECT_FALSE(store.Changing()) << what;
    EXPECT_TRUE(store.SkinObjects().empty() && store.SkinControls().empty()) << what;
    EXPECT_TRUE(store.Pictures().isEmpty() && store.PictureNames().isEmpty()) << what;
    EXPECT_TRUE(store.FramePicture().isNull() && store.InactiveFramePicture().isNull() && store.FrameMask().isNull())
        << what;
    EXPECT_TRUE(store.FrameMaskName().isEmpty()) << what;
}

// Loads the package; gives the skin error's text, "loaded", or "nothing read" for a version
// this reader leaves alone. Whatever happens, the store must end consistent: cleared unless a
// skin was read, and never left changing.
QString LoadResult(const QByteArray& package, const std::string& what)
{
    TbsSkinData store;
    try {
        LoadPackage(store, package);
    } catch (const SkinError& e) {
        ExpectCleared(store, what);
        return e.message();
    }
    EXPECT_FALSE(store.Changing()) << what;
    if (!store.IsEmpty())
        return kLoaded;
    ExpectCleared(store, what);
    return QStringLiteral("nothing read");
}

// A description cut inside a rectangle's value leaves it short of four numbers.
QString ExpectedForDescriptionCut(const QByteArray& cutText)
{
    const QString last = QString::fromLatin1(cutText).section(QStringLiteral("\r\n"), -1);
    const bool rect = last.startsWith(u"clientrect=") || last.startsWith(u"skinrect=");
    return rect && (last.count(u',') < 3 || last.endsWith(u',')) ? kNoInteger : kLoaded;
}

} // namespace

TEST(CorruptSkinPackages, EveryCutOfThePackageAndOfItsContent)
{
    const QByteArray content = SmallContent();
    const QByteArray package = Package(content);
    for (int cut = 0; cut < package.size(); ++cut) {
        const std::string what = "package cut at " + std::to_string(cut);
        EXPECT_EQ(LoadResult(package.left(cut), what), kStreamRead) << what;
    }
    const QByteArray description = AnsiLines(kDescription);
    const qsizetype descriptionStart = content.size() - description.size();
    for (int cut = 0; cut < content.size(); ++cut) {
        const std::string what = "content cut at " + std::to_string(cut);
        const QString expected = cut < descriptionStart ? kStreamRead
                                                        : ExpectedForDescriptionCut(description.left(cut - descriptionStart));
        EXPECT_EQ(LoadResult(Package(content.left(cut)), what), expected) << what;
    }
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
        LoadResult(round % 2 ? flipped : Package(flipped), "round " + std::to_string(round));
    }
}

// Crafted inputs for faults mended on purpose, and every input the package fuzz target ever
// stopped on, loaded both as a package and as the content of one.
TEST(CorruptSkinPackages, FuzzRegressionInputs)
{
    const QDir dir(QStringLiteral(KESTRUNE_TEST_DATA_DIR "/fuzz/package"));
    const QStringList files = dir.entryList(QDir::Files);
    EXPECT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        LoadResult(bytes, name.toStdString());
        LoadResult(Package(bytes), "content of " + name.toStdString());
    }
}
