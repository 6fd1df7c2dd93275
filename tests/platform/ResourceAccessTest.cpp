#include "PackFixture.h"

#include "platform/DataFormatError.h"
#include "platform/FileCreateError.h"
#include "platform/JpegImage.h"
#include "platform/ModuleRegistry.h"
#include "platform/PeResourceWriter.h"
#include "platform/PngImage.h"
#include "platform/ResourceNotFoundError.h"
#include "platform/ResourcePack.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// Stands in for the framework's picture control: anything with SetPicture works.
struct PictureHolder {
    QImage picture;
    int assignments = 0;
    void SetPicture(const QImage& image)
    {
        picture = image;
        ++assignments;
    }
};

// Stands in for a picture control that can show a double-size form, drawn at a ratio.
struct ScaledHolder {
    qreal ratio = 1;
    QImage picture;
    QImage doubleSize;
    qreal devicePixelRatioF() const { return ratio; }
    void SetPicture(const QImage& image) { SetPicture(image, QImage()); }
    void SetPicture(const QImage& image, const QImage& twice)
    {
        picture = image;
        doubleSize = twice;
    }
};

const QImage CloseMovePicture = TestPicture(27, 22, false);
const QImage LinkPicture = TestPicture(62, 22, true);
const QImage LinkVariant = TestPicture(124, 44, true);
const QByteArray SkinBytes("KSKN\0\1\2\3 skin package", 21);

QByteArray TestPack()
{
    PeResourceWriter writer;
    const ResourceId jpeg(QStringLiteral("JPEG"));
    const ResourceId png(QStringLiteral("PNG"));
    writer.add(jpeg, ResourceId(QStringLiteral("CloseMove")), 0, EncodePicture(CloseMovePicture, "JPEG"));
    writer.add(jpeg, ResourceId(QStringLiteral("Broken")), 0, "not a picture");
    writer.add(png, ResourceId(QStringLiteral("YXM")), 0, EncodePicture(LinkPicture, "PNG"));
    writer.add(png, ResourceId(QStringLiteral("YXM@2X")), 0, EncodePicture(LinkVariant, "PNG"));
    writer.add(png, ResourceId(QStringLiteral("KFN")), 0, EncodePicture(LinkPicture, "PNG"));
    writer.add(png, ResourceId(QStringLiteral("KFN@2X")), 0, "a damaged variant");
    writer.add(ResourceId(QStringLiteral("BMP")), ResourceId(QStringLiteral("Plain")), 0, EncodePicture(CloseMovePicture, "BMP"));
    writer.add(ResourceId(quint16(10)), ResourceId(QStringLiteral("Skin")), 0, SkinBytes);
    return writer.build();
}

template <class Action>
QString ErrorOf(Action action)
{
    try {
        action();
    } catch (const KestruneError& error) {
        return error.message();
    }
    return QStringLiteral("(no error)");
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

class ResourceAccess : public ::testing::Test {
protected:
    void SetUp() override { pack = packs.load(TestPack()); ASSERT_NE(pack, 0u); }
    void TearDown() override { ResourcePackHandle = 0; }

    PackFixture packs;
    ModuleHandle pack = 0;
    PictureHolder holder;
};

} // namespace

TEST_F(ResourceAccess, ImageTypeTextChoosesTheDecoderExactly)
{
    LoadResourceImage(pack, holder, QStringLiteral("closemove"), QStringLiteral("JPEG"));
    EXPECT_EQ(holder.assignments, 1);
    EXPECT_EQ(holder.picture.size(), QSize(27, 22));
    LoadResourceImage(pack, holder, QStringLiteral("YXM"), QStringLiteral("PNG"));
    EXPECT_TRUE(holder.picture.hasAlphaChannel());
    LoadResourceImage(pack, holder, QStringLiteral("Plain"), QStringLiteral("BMP"));
    EXPECT_EQ(holder.assignments, 3);
    EXPECT_EQ(holder.picture.pixel(3, 2), CloseMovePicture.pixel(3, 2));
    // Lower case finds the resource (type names ignore case) but selects no decoder.
    const QImage before = holder.picture;
    LoadResourceImage(pack, holder, QStringLiteral("CloseMove"), QStringLiteral("jpeg"));
    EXPECT_EQ(holder.assignments, 3);
    EXPECT_EQ(holder.picture, before);
}

TEST_F(ResourceAccess, MissingOrDamagedPicturesRaiseAndLeaveThePicture)
{
    LoadResourceImage(pack, holder, QStringLiteral("CloseMove"), QStringLiteral("JPEG"));
    const QImage shown = holder.picture;
    EXPECT_EQ(ErrorOf([&] { LoadResourceImage(pack, holder, QStringLiteral("MaxMove"), QStringLiteral("JPEG")); }),
              u"Resource MaxMove not found");
    // The lookup comes before the type test: an unknown type still raises for a missing name.
    EXPECT_EQ(ErrorOf([&] { LoadResourceImage(pack, holder, QStringLiteral("MaxMove"), QStringLiteral("TIFF")); }),
              u"Resource MaxMove not found");
    EXPECT_THROW(LoadResourceImage(pack, holder, QStringLiteral("Broken"), QStringLiteral("JPEG")), DataFormatError);
    EXPECT_EQ(ErrorOf([&] { LoadResourceImage(pack + 1000, holder, QStringLiteral("CloseMove"), QStringLiteral("JPEG")); }),
              u"Resource CloseMove not found");
    EXPECT_EQ(holder.assignments, 1);
    EXPECT_EQ(holder.picture, shown);
}

// A variant is looked up only above 1, and a missing or damaged one leaves the base alone.
TEST_F(ResourceAccess, DoubleSizeVariantsAreOptional)
{
    const struct {
        const char* name;
        const char* type;
        QSize variant;  // 0 x 0: none
    } cases[] = {
        {"YXM", "PNG", {124, 44}},
        {"yxm", "PNG", {124, 44}},  // names ignore case
        {"CloseMove", "JPEG", {0, 0}},  // no variant
        {"KFN", "PNG", {0, 0}},         // damaged
        {"YXM", "JPEG", {0, 0}},        // another type
        {"YXM", "png", {0, 0}},         // a type text that selects no decoder
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeResourceVariant(pack, QLatin1String(c.name), QLatin1String(c.type)).size(), c.variant) << c.name;
    EXPECT_TRUE(DecodeResourceVariant(0, QStringLiteral("YXM"), QStringLiteral("PNG")).isNull());

    ScaledHolder scaled;
    LoadResourceImage(pack, scaled, QStringLiteral("YXM"), QStringLiteral("PNG"));
    EXPECT_EQ(scaled.picture.size(), QSize(62, 22));
    EXPECT_TRUE(scaled.doubleSize.isNull());
    scaled.ratio = 1.5;
    LoadResourceImage(pack, scaled, QStringLiteral("YXM"), QStringLiteral("PNG"));
    EXPECT_EQ(scaled.doubleSize.pixel(100, 40), LinkVariant.pixel(100, 40));
    LoadResourceImage(pack, scaled, QStringLiteral("KFN"), QStringLiteral("PNG"));
    EXPECT_EQ(scaled.picture.size(), QSize(62, 22));
    EXPECT_TRUE(scaled.doubleSize.isNull());
}

TEST_F(ResourceAccess, PictureObjectsLoadByTheirOwnType)
{
    PngImage png;
    JpegImage jpeg;
    LoadResourcePng(pack, png, QStringLiteral("yxm"));
    LoadResourceJpeg(pack, jpeg, QStringLiteral("CloseMove"));
    EXPECT_EQ(png.image().size(), QSize(62, 22));
    EXPECT_EQ(jpeg.image().size(), QSize(27, 22));
    EXPECT_EQ(ErrorOf([&] { LoadResourcePng(pack, png, QStringLiteral("CloseMove")); }), u"Resource CloseMove not found");
    EXPECT_THROW(LoadResourceJpeg(pack, jpeg, QStringLiteral("Broken")), DataFormatError);
    EXPECT_EQ(png.image().size(), QSize(62, 22));
    EXPECT_EQ(jpeg.image().size(), QSize(27, 22));
}

TEST_F(ResourceAccess, SaveWritesExactBytesAndOnlyLowerCaseRcdataIsTheRawType)
{
    const QString directory = packs.directory();
    SaveResourceToFile(pack, QStringLiteral("Skin"), QStringLiteral(".skn"), QStringLiteral("rcdata"), directory);
    EXPECT_EQ(ReadFile(directory + u"Skin.skn"), SkinBytes);
    // An existing file of ours is replaced.
    QFile::remove(directory + u"Skin.skn");
    packs.write("old and longer contents than the skin", QStringLiteral("Skin.skn"));
    SaveResourceToFile(pack, QStringLiteral("Skin"), QStringLiteral(".skn"), QStringLiteral("rcdata"), directory);
    EXPECT_EQ(ReadFile(directory + u"Skin.skn"), SkinBytes);
    EXPECT_EQ(ErrorOf([&] { SaveResourceToFile(pack, QStringLiteral("Skin"), QStringLiteral(".x"), QStringLiteral("RCDATA"), directory); }),
              u"Resource Skin not found");
    EXPECT_FALSE(QFileInfo::exists(directory + u"Skin.x"));
    // Plain concatenation: no separator is added.
    SaveResourceToFile(pack, QStringLiteral("Skin"), QStringLiteral(".bin"), QStringLiteral("rcdata"), directory + u"pre-");
    EXPECT_EQ(ReadFile(directory + u"pre-Skin.bin"), SkinBytes);
}

TEST_F(ResourceAccess, SaveRefusesPlantedLinksAndForeignFiles)
{
    const QString directory = packs.directory();
    const QString victim = packs.write("victim", QStringLiteral("victim.txt"));
    ASSERT_TRUE(QFile::link(victim, directory + u"Skin.skn"));
    const QString error = ErrorOf([&] { SavePackResource(QStringLiteral("Skin"), QStringLiteral(".skn"), directory, QStringLiteral("rcdata")); });
    EXPECT_EQ(error, u"(no error)") << "no pack loaded yet: nothing happens";
    ResourcePackHandle = pack;
    EXPECT_EQ(ErrorOf([&] { SavePackResource(QStringLiteral("Skin"), QStringLiteral(".skn"), directory, QStringLiteral("rcdata")); }),
              QStringLiteral("Cannot create file \"%1Skin.skn\". The path is a symbolic link.").arg(directory));
    EXPECT_EQ(ReadFile(victim), "victim");
    EXPECT_TRUE(QFileInfo(directory + u"Skin.skn").isSymLink());
    // A dangling link is refused too: following it would create a file elsewhere.
    ASSERT_TRUE(QFile::link(directory + u"elsewhere", directory + u"Dangling-Skin.skn"));
    EXPECT_THROW(SaveResourceToFile(pack, QStringLiteral("Skin"), QStringLiteral(".skn"), QStringLiteral("rcdata"), directory + u"Dangling-"), FileCreateError);
    EXPECT_FALSE(QFileInfo::exists(directory + u"elsewhere"));
    if (geteuid() == 0) {  // only root can plant a file owned by someone else
        const QString foreign = packs.write("theirs", QStringLiteral("Foreign.skn"));
        ASSERT_EQ(chown(QFile::encodeName(foreign).constData(), 65534, 65534), 0);
        EXPECT_THROW(SavePackResource(QStringLiteral("Foreign"), QStringLiteral(".skn"), directory, QStringLiteral("rcdata")), ResourceNotFoundError);
        PeResourceWriter writer;
        writer.add(ResourceId(quint16(10)), ResourceId(QStringLiteral("Foreign")), 0, "ours");
        const ModuleHandle other = packs.load(writer.build());
        EXPECT_THROW(SaveResourceToFile(other, QStringLiteral("Foreign"), QStringLiteral(".skn"), QStringLiteral("rcdata"), directory), FileCreateError);
        EXPECT_EQ(ReadFile(foreign), "theirs");
    }
    // No temporary files are left behind by the refusals.
    const QStringList left = QDir(directory).entryList(QDir::Files | QDir::System | QDir::Hidden);
    for (const QString& name : left)
        EXPECT_FALSE(name.contains(u".skn.")) << name.toStdString();
}

TEST_F(ResourceAccess, SaveIntoAMissingDirectoryNamesTheFileAndReason)
{
    const QString directory = packs.directory() + u"absent/";
    EXPECT_EQ(ErrorOf([&] { SaveResourceToFile(pack, QStringLiteral("Skin"), QStringLiteral(".skn"), QStringLiteral("rcdata"), directory); }),
              QStringLiteral("Cannot create file \"%1Skin.skn\". No such file or directory").arg(directory));
}

TEST_F(ResourceAccess, WithoutAPackOrNameEveryOperationChangesNothing)
{
    PngImage png;
    JpegImage jpeg;
    ResourcePackHandle = 0;
    LoadPackImage(holder, QStringLiteral("Missing"), QStringLiteral("JPEG"));
    LoadPackPng(png, QStringLiteral("Missing"));
    LoadPackJpeg(jpeg, QStringLiteral("Missing"));
    SavePackResource(QStringLiteral("Skin"), QStringLiteral(".skn"), packs.directory(), QStringLiteral("rcdata"));
    EXPECT_EQ(holder.assignments, 0);
    EXPECT_TRUE(png.image().isNull());
    EXPECT_TRUE(jpeg.image().isNull());
    EXPECT_FALSE(QFileInfo::exists(packs.directory() + u"Skin.skn"));
    ResourcePackHandle = pack;
    LoadPackImage(holder, QString(), QStringLiteral("JPEG"));
    SavePackResource(QString(), QStringLiteral(".skn"), packs.directory(), QStringLiteral("rcdata"));
    EXPECT_EQ(holder.assignments, 0);
    EXPECT_FALSE(QFileInfo::exists(packs.directory() + u".skn"));
    LoadPackImage(holder, QStringLiteral("CloseMove"), QStringLiteral("JPEG"));
    LoadPackPng(png, QStringLiteral("YXM"));
    EXPECT_EQ(holder.assignments, 1);
    EXPECT_FALSE(png.image().isNull());
}

TEST(ResourcePack, LoadsTarvelFromTheDirectoryOrGivesZero)
{
    PackFixture packs;
    EXPECT_EQ(LoadResourcePack(packs.directory()), 0u);
    packs.write("MZ but nothing more", QStringLiteral("Tarvel.dll"));
    EXPECT_EQ(LoadResourcePack(packs.directory()), 0u);
    packs.write(TestPack(), QStringLiteral("Tarvel.dll"));
    const ModuleHandle handle = packs.loadFile(packs.directory() + u"Tarvel.dll");
    EXPECT_NE(handle, 0u);
    const ModuleHandle again = LoadResourcePack(packs.directory());
    EXPECT_NE(again, 0u);
    EXPECT_NE(again, handle);
    ModuleRegistry::free(again);
}
