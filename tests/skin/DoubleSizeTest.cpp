#include "skin/SkinBitmapCodec.h"
#include "skin/SkinError.h"
#include "skin/SkinPackageContent.h"
#include "skin/SkinTestSupport.h"
#include "skin/SkinTextCodec.h"
#include "skin/TbsCompressedStoredSkin.h"
#include "skin/TbsSkinData.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace SkinTest;

namespace {

const QStringList kLines{"[VERSION]", "skinname=二倍", "[PICTURES]", "picture=frame.bmp", "mask=",
                         "activepicturescount=2", "0=a.bmp", "1=b.bmp", "[FORMINFO]", "clientrect=1,2,3,4",
                         "[SKINOBJECTS]", "count=0", "[SKINCONTROLS]", "count=0"};

SkinPackageContent Plain()
{
    SkinPackageContent content;
    content.FramePicture = Solid(5, 4, 0xFF336699);
    content.Pictures = {Solid(3, 2, 0xFF010203), Solid(2, 2, 0xFF040506)};
    content.DescriptionLines = kLines;
    return content;
}

SkinPackageContent WithDoubles()
{
    SkinPackageContent content = Plain();
    content.DoubleSize.FramePicture = Solid(10, 8, 0xFF6699CC);
    content.DoubleSize.Pictures = {QImage(), Solid(4, 4, 0xFF0A0B0C)};
    return content;
}

// What follows the picture list of a stream: description, NUL, the set, its length and tag.
QByteArray Trailer(const QByteArray& set, qint64 length)
{
    return AnsiLines(kLines) + QByteArray(1, '\0') + set + Int32(qint32(length)) + QByteArray("SKIN@2X", 8);
}

QByteArray Stream(const QByteArray& trailer)
{
    const QList<QImage> pictures = Plain().Pictures;
    return Content(3, {PictureItem(Plain().FramePicture), AbsentItem(), AbsentItem()}, 2, pictures, trailer);
}

QString ReadResult(const QByteArray& stream)
{
    try {
        SkinPackageContent::Read(stream);
    } catch (const SkinError& e) {
        return e.message();
    }
    return QStringLiteral("read");
}

} // namespace

// The double-size pictures come back as written, and the description reads the same both for
// this reader and for one that takes everything behind the picture list as text.
TEST(DoubleSizePictures, TravelBehindADescriptionEveryReaderStillReads)
{
    const QByteArray plain = Plain().Write();
    const QByteArray doubled = WithDoubles().Write();
    ASSERT_TRUE(doubled.startsWith(plain));
    const qsizetype textStart = plain.size() - AnsiLines(kLines).size();
    EXPECT_EQ(SkinTextCodec::DecodeLines(QByteArrayView(doubled).sliced(textStart)), kLines);

    const SkinPackageContent read = SkinPackageContent::Read(doubled);
    EXPECT_EQ(read.DescriptionLines, kLines);
    EXPECT_EQ(read.DoubleSize.FramePicture, WithDoubles().DoubleSize.FramePicture);
    EXPECT_TRUE(read.DoubleSize.InactiveFramePicture.isNull() && read.DoubleSize.FrameMask.isNull());
    EXPECT_TRUE(read.DoubleSize.Picture(0).isNull());
    EXPECT_EQ(read.DoubleSize.Picture(1), WithDoubles().DoubleSize.Pictures[1]);
    EXPECT_TRUE(read.DoubleSize.Picture(2).isNull());
    EXPECT_TRUE(SkinPackageContent::Read(plain).DoubleSize.IsEmpty());

    TbsSkinData store;
    LoadPackage(store, Package(doubled));
    EXPECT_EQ(store.DoubleSizePictures().Picture(1), WithDoubles().DoubleSize.Pictures[1]);
    store.ClearSkin();
    EXPECT_TRUE(store.DoubleSizePictures().IsEmpty());

    // A stream cut anywhere behind the description loses its tag: no double-size pictures,
    // the description as before.
    for (qsizetype cut = plain.size(); cut < doubled.size(); ++cut) {
        const SkinPackageContent shorter = SkinPackageContent::Read(doubled.left(cut));
        EXPECT_TRUE(shorter.DoubleSize.IsEmpty()) << cut;
        EXPECT_EQ(shorter.DescriptionLines, kLines) << cut;
    }
}

TEST(DoubleSizePictures, RefusedWhenTheyDoNotDoubleOrTheirBytesDoNotAddUp)
{
    const QByteArray absent = AbsentItem();
    const QByteArray framesAbsent = absent + absent + absent;
    const QByteArray good = PictureItem(Solid(10, 8, 0)) + absent + absent + Int32(1) + PictureItem(Solid(6, 4, 0));
    const struct {
        const char* what;
        QByteArray set;
        qint64 length;  // -1: the set's own
        QString error;
    } cases[] = {
        {"the valid set", good, -1, "read"},
        {"a frame picture one pixel too wide", PictureItem(Solid(11, 8, 0)) + absent + absent + Int32(0), -1,
         "The double-size frame picture is 11 x 8, not twice 5 x 4"},
        {"a mask where there is none", absent + absent + PictureItem(Solid(10, 8, 0)) + Int32(0), -1,
         "The double-size frame mask has no picture to double"},
        {"a third picture for a list of two", framesAbsent + Int32(3) + absent + absent + PictureItem(Solid(2, 2, 0)),
         -1, "The double-size picture 2 has no picture to double"},
        {"a negative count", framesAbsent + Int32(-1), -1, "The double-size pictures have a count of -1"},
        {"a count beyond the items", framesAbsent + Int32(2) + absent, -1, "Stream read error"},
        {"bytes left inside the length", good + "xyz", -1, "The double-size pictures end 3 bytes before their length"},
        {"a length beyond the stream", good, 100000, "The double-size pictures' length of 100000 bytes does not fit the skin"},
        {"a length that leaves no NUL before the set", good, good.size() + 1,
         QStringLiteral("The double-size pictures' length of %1 bytes does not fit the skin").arg(good.size() + 1)},
    };
    for (const auto& c : cases) {
        const qint64 length = c.length < 0 ? c.set.size() : c.length;
        EXPECT_EQ(ReadResult(Stream(Trailer(c.set, length))), c.error) << c.what;
    }

    TbsSkinData store;
    EXPECT_THROW(LoadPackage(store, Package(Stream(Trailer(framesAbsent + Int32(-1), 7)))), SkinError);
    EXPECT_TRUE(store.IsEmpty() && store.DoubleSizePictures().IsEmpty());
}

// The build takes NAME@2x.bmp beside each picture the description names, and refuses one that
// is not twice its picture's size.
TEST(DoubleSizePictures, TheBuildTakesTheFolders2xFiles)
{
    QTemporaryDir folder;
    const QDir d(folder.path());
    SkinBitmapCodec::SaveFile(Solid(5, 4, 0xFF336699), d.filePath("frame.bmp"));
    SkinBitmapCodec::SaveFile(Solid(10, 8, 0xFF6699CC), d.filePath("frame@2x.bmp"));
    SkinBitmapCodec::SaveFile(Solid(3, 2, 0xFF010203), d.filePath("a.bmp"));
    SkinBitmapCodec::SaveFile(Solid(2, 2, 0xFF040506), d.filePath("b.bmp"));
    SkinBitmapCodec::SaveFile(Solid(4, 4, 0xFF0A0B0C), d.filePath("b@2x.bmp"));
    SkinBitmapCodec::SaveFile(Solid(9, 9, 0), d.filePath("stray@2x.bmp"));  // names no picture
    QFile ini(d.filePath("skin.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(AnsiLines(kLines));
    ini.close();

    TbsCompressedStoredSkin stored;
    stored.BuildFromDescription(d.filePath("skin.ini"));
    QByteArray unpacked;
    stored.Unpack(unpacked);
    EXPECT_EQ(unpacked, WithDoubles().Write());

    SkinBitmapCodec::SaveFile(Solid(6, 5, 0), d.filePath("a@2x.bmp"));
    try {
        stored.BuildFromDescription(d.filePath("skin.ini"));
        ADD_FAILURE() << "a double-size picture of the wrong size was built";
    } catch (const SkinError& e) {
        EXPECT_EQ(e.message(), "The double-size picture 0 is 6 x 5, not twice 3 x 2");
    }
}

TEST(DoubleSizePictures, FileNamesTakeTheMarkBeforeTheirSuffix)
{
    const std::pair<const char*, const char*> names[] = {
        {"frame.bmp", "frame@2x.bmp"}, {"frame", "frame@2x"},       {"a.b.bmp", "a.b@2x.bmp"},
        {"v1.0/frame", "v1.0/frame@2x"}, {"v1.0\\f.bmp", "v1.0\\f@2x.bmp"}, {".bmp", ".bmp@2x"},
    };
    for (const auto& [name, doubled] : names)
        EXPECT_EQ(SkinDoubleSizePictures::FileName(QString::fromUtf8(name)), QString::fromUtf8(doubled)) << name;
}
