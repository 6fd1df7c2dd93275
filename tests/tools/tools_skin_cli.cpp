// kestrune-skin run as a process: build, unpack and dump.

#include "skin/SkinBitmapCodec.h"
#include "skin/SkinPackageContent.h"
#include "skin/TbsCompressedStoredSkin.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun SkinTool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(KESTRUNE_SKIN_TOOL), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

QByteArray Unpacked(const QString& package)
{
    TbsCompressedStoredSkin stored;
    stored.ReadPackageFile(package);
    QByteArray bytes;
    stored.Unpack(bytes);
    return bytes;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QStringList kMinimal{"[VERSION]", "skinname=m", "[PICTURES]", "picture=", "activepicturescount=0",
                           "[FORMINFO]", "clientrect=1,1,2,2"};

} // namespace

TEST(KestruneSkinTool, BuildUnpackBuildReproducesTheDefaultSkin)
{
    QTemporaryDir dir;
    const QString original = QStringLiteral(KESTRUNE_DEFAULT_SKIN);
    QString package = original;
    for (int round = 1; round <= 2; ++round) {
        const QString folder = dir.filePath(QStringLiteral("unpacked%1").arg(round));
        const QString rebuilt = dir.filePath(QStringLiteral("rebuilt%1.skn").arg(round));
        ASSERT_EQ(SkinTool({"unpack", package, folder}).exitCode, 0);
        for (const char* picture : {"frame", "inactiveframe", "mask", "buttons", "controls", "popup"}) {
            EXPECT_TRUE(QFile::exists(folder + "/" + picture + ".bmp")) << picture;
            EXPECT_TRUE(QFile::exists(folder + "/" + picture + "@2x.bmp")) << picture;
        }
        const ToolRun build = SkinTool({"build", folder + "/skin.ini", rebuilt});
        ASSERT_EQ(build.exitCode, 0) << build.err.toStdString();
        EXPECT_EQ(Unpacked(rebuilt), Unpacked(original)) << "round " << round;
        package = rebuilt;
    }
    QFile built(package);
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    EXPECT_TRUE(built.read(10).startsWith(QByteArray("\x03\x00\x00\x00", 4)));
}

TEST(KestruneSkinTool, DumpShowsEveryObjectOfTheDefaultSkin)
{
    const ToolRun dump = SkinTool({"dump", QStringLiteral(KESTRUNE_DEFAULT_SKIN)});
    ASSERT_EQ(dump.exitCode, 0) << dump.err.toStdString();
    const QStringList lines = dump.out.split(u'\n');
    for (const char* section : {"[VERSION]", "[PICTURES]", "[FORMINFO]", "[POPUPWINDOW]", "[LAYERFRAME]",
                                "[HINTWINDOW]", "[SKINCOLORS]", "[SKINOBJECTS]", "[SKINCONTROLS]", "[caption]",
                                "[closebutton]", "[maxbutton]", "[minbutton]", "[sysmenubutton]", "[menuitem]",
                                "[tab]", "[tabupdown]", "[button]", "[label]", "[stdlabel]", "[gauge]"})
        EXPECT_TRUE(lines.contains(QLatin1String(section))) << section;
    EXPECT_TRUE(lines.contains("skinname=Kestrune 默认皮肤"));
    EXPECT_TRUE(lines.contains("command=cmmaximize"));
    EXPECT_TRUE(lines.contains("restorehint=Restore"));
    EXPECT_TRUE(lines.contains("updown=tabupdown"));
    EXPECT_TRUE(lines.contains("cbtnface=16447220"));
    EXPECT_TRUE(lines.contains("fontstyle=fsbold"));
    EXPECT_TRUE(lines.contains("1=closebutton:stdbutton"));
    // Every picture's double-size form, under the name unpack gives it.
    const qsizetype doubles = lines.indexOf("[PICTURES@2X]");
    ASSERT_GE(doubles, 0);
    EXPECT_EQ(lines.mid(doubles + 1, 6), (QStringList{"picture=frame@2x.bmp 320x180", "inactivepicture=inactiveframe@2x.bmp 320x180",
                                                      "mask=mask@2x.bmp 320x180", "0=buttons@2x.bmp 144x180",
                                                      "1=controls@2x.bmp 480x368", "2=popup@2x.bmp 200x120"}));
}

TEST(KestruneSkinTool, DumpKeepsObjectsThatShareAName)
{
    QTemporaryDir dir;
    WriteFile(dir.filePath("skin.ini"), (kMinimal + QStringList{"[SKINOBJECTS]", "count=0", "[SKINCONTROLS]", "count=2",
                                                                "0=twin:label", "1=twin:gauge", "[twin]",
                                                                "fontheight=9"})
                                            .join("\r\n")
                                            .toUtf8());
    ASSERT_EQ(SkinTool({"build", dir.filePath("skin.ini"), dir.filePath("twin.skn")}).exitCode, 0);
    const ToolRun dump = SkinTool({"dump", dir.filePath("twin.skn")});
    ASSERT_EQ(dump.exitCode, 0);
    EXPECT_EQ(dump.out.count("\n[twin]\n"), 2);
    EXPECT_EQ(dump.out.count("fontheight=9\n"), 2);
    EXPECT_TRUE(dump.out.contains("progressrect=0,0,0,0\n"));
}

TEST(KestruneSkinTool, UnpackNeverWritesOutsideItsFolder)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("src");
    WriteFile(dir.filePath("outside.bmp"), SkinBitmapCodec::Write(QImage(2, 2, QImage::Format_RGB32)));
    WriteFile(dir.filePath("src/skin.ini"),
              QStringList{"[VERSION]", "skinname=m", "[PICTURES]", "picture=../outside.bmp", "activepicturescount=1",
                          "0=../outside.bmp", "[FORMINFO]", "clientrect=1,1,2,2", "[SKINOBJECTS]", "count=0",
                          "[SKINCONTROLS]", "count=0"}
                  .join("\n")
                  .toUtf8());
    ASSERT_EQ(SkinTool({"build", dir.filePath("src/skin.ini"), dir.filePath("a.skn")}).exitCode, 0);
    QFile::remove(dir.filePath("outside.bmp"));
    ASSERT_EQ(SkinTool({"unpack", dir.filePath("a.skn"), dir.filePath("out/inner")}).exitCode, 0);
    EXPECT_FALSE(QFile::exists(dir.filePath("out/outside.bmp")));
    EXPECT_FALSE(QFile::exists(dir.filePath("outside.bmp")));
    EXPECT_TRUE(QFile::exists(dir.filePath("out/inner/picture.bmp")));
    EXPECT_TRUE(QFile::exists(dir.filePath("out/inner/picture0.bmp")));
    ASSERT_EQ(SkinTool({"build", dir.filePath("out/inner/skin.ini"), dir.filePath("b.skn")}).exitCode, 0);
    const SkinPackageContent a = SkinPackageContent::Read(Unpacked(dir.filePath("a.skn")));
    const SkinPackageContent b = SkinPackageContent::Read(Unpacked(dir.filePath("b.skn")));
    EXPECT_EQ(b.FramePicture, a.FramePicture);
    EXPECT_EQ(b.Pictures, a.Pictures);
    EXPECT_TRUE(b.DescriptionLines.contains("picture=picture.bmp"));
    EXPECT_TRUE(b.DescriptionLines.contains("0=picture0.bmp"));
}

// The mask's name decides how the frame's mask area and hit-test points are read, also when
// the mask item itself is absent: unpacking and building again must keep it.
TEST(KestruneSkinTool, UnpackThenBuildKeepsTheNameOfAnAbsentMask)
{
    QTemporaryDir dir;
    SkinPackageContent content;
    content.FramePicture = QImage(8, 8, QImage::Format_RGB32);
    content.FramePicture.fill(Qt::darkCyan);
    content.DescriptionLines = {"[VERSION]", "skinname=m", "[PICTURES]", "picture=frame.bmp", "mask=shape.bmp",
                                "activepicturescount=0", "[FORMINFO]", "clientrect=1,1,2,2", "lefttoppoint=3,3",
                                "[SKINOBJECTS]", "count=0", "[SKINCONTROLS]", "count=0"};
    TbsCompressedStoredSkin stored;
    stored.SetCompressedData(TbsCompressedStoredSkin::Compress(content.Write()));
    QFile original(dir.filePath("original.skn"));
    ASSERT_TRUE(original.open(QIODevice::WriteOnly));
    stored.WritePackageStream(original);
    original.close();

    ASSERT_EQ(SkinTool({"unpack", original.fileName(), dir.filePath("folder")}).exitCode, 0);
    const ToolRun build = SkinTool({"build", dir.filePath("folder/skin.ini"), dir.filePath("rebuilt.skn")});
    ASSERT_EQ(build.exitCode, 0) << build.err.toStdString();
    const SkinPackageContent rebuilt = SkinPackageContent::Read(Unpacked(dir.filePath("rebuilt.skn")));
    EXPECT_TRUE(rebuilt.FrameMask.isNull());
    EXPECT_TRUE(rebuilt.DescriptionLines.contains("mask=shape.bmp"));
    const ToolRun before = SkinTool({"dump", original.fileName()});
    const ToolRun after = SkinTool({"dump", dir.filePath("rebuilt.skn")});
    EXPECT_TRUE(before.out.contains("maskrectarea=1,1,2,2\n")) << before.out.toStdString();
    EXPECT_EQ(after.out, before.out);
}

TEST(KestruneSkinTool, ErrorsGoToStandardErrorWithNonZeroExit)
{
    QTemporaryDir dir;
    const ToolRun missing = SkinTool({"dump", dir.filePath("absent.skn")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("Cannot open file")) << missing.err.toStdString();
    EXPECT_TRUE(missing.out.isEmpty());

    WriteFile(dir.filePath("partial.ini"), kMinimal.join("\n").toUtf8());
    const ToolRun partial = SkinTool({"build", dir.filePath("partial.ini"), dir.filePath("p.skn")});
    EXPECT_EQ(partial.exitCode, 1);
    EXPECT_TRUE(partial.err.contains("SKINCONTROLS"));
    EXPECT_FALSE(QFile::exists(dir.filePath("p.skn")));

    WriteFile(dir.filePath("corrupt.skn"), QByteArray("\x03\x00\x00\x00\x04\x00\x00\x00" "abcd", 12));
    const ToolRun corrupt = SkinTool({"unpack", dir.filePath("corrupt.skn"), dir.filePath("x")});
    EXPECT_EQ(corrupt.exitCode, 1);
    EXPECT_TRUE(corrupt.err.contains("compression error"));

    EXPECT_EQ(SkinTool({"render"}).exitCode, 2);
    EXPECT_EQ(SkinTool({"build", "only-one"}).exitCode, 2);
    EXPECT_TRUE(SkinTool({}).err.contains("kestrune-skin unpack PACKAGE DIR"));
}
