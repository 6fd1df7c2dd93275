// kestrune-pack, run as the operator runs it.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun RunPackTool(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(KESTRUNE_PACK_TOOL), args);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

class PackTool : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray read(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

    QTemporaryDir dir;
};

const QByteArray SkinBytes("KSKN\0\1\2\3\xff", 9);

} // namespace

TEST_F(PackTool, BuildListAndExtractRoundTrip)
{
    write(QStringLiteral("skin package.skn"), SkinBytes);
    write(QStringLiteral("close.jpg"), "jpeg bytes");
    write(QStringLiteral("yxn.png"), "png bytes");
    write(QStringLiteral("pack.txt"),
          "# the test pack\n"
          "\n"
          "JPEG  Close  close.jpg\n"
          "PNG\tYXN\tyxn.png\n"
          "rcdata Skin skin package.skn\n"
          "#300 #42 close.jpg\n");
    const ToolRun build = RunPackTool({QStringLiteral("build"), path(QStringLiteral("pack.txt")), path(QStringLiteral("Tarvel.dll"))});
    ASSERT_EQ(build.exitCode, 0) << build.err.toStdString();
    EXPECT_TRUE(read(QStringLiteral("Tarvel.dll")).startsWith("MZ"));

    const ToolRun list = RunPackTool({QStringLiteral("list"), path(QStringLiteral("Tarvel.dll"))});
    ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
    EXPECT_EQ(list.out.toStdString(),
              "JPEG\tCLOSE\t0\t10\n"
              "PNG\tYXN\t0\t9\n"
              "#10\tSKIN\t0\t9\n"
              "#300\t#42\t0\t10\n");

    const ToolRun skin = RunPackTool({QStringLiteral("extract"), path(QStringLiteral("Tarvel.dll")), QStringLiteral("rcdata"),
                                  QStringLiteral("skin"), path(QStringLiteral("out.skn"))});
    ASSERT_EQ(skin.exitCode, 0) << skin.err.toStdString();
    EXPECT_EQ(read(QStringLiteral("out.skn")), SkinBytes);
    const ToolRun numbered = RunPackTool({QStringLiteral("extract"), path(QStringLiteral("Tarvel.dll")), QStringLiteral("#300"),
                                      QStringLiteral("#42"), path(QStringLiteral("out.bin"))});
    ASSERT_EQ(numbered.exitCode, 0) << numbered.err.toStdString();
    EXPECT_EQ(read(QStringLiteral("out.bin")), "jpeg bytes");
}

TEST_F(PackTool, ReadsAPackMadeByAWindowsResourceToolchain)
{
    const QString fixture = QStringLiteral(KESTRUNE_TEST_DATA_DIR "/pack/fixture-x86_64.dll");
    const ToolRun list = RunPackTool({QStringLiteral("list"), fixture});
    ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
    EXPECT_TRUE(list.out.contains(u"JPEG\tCLOSE\t0\t309\n"));
    EXPECT_TRUE(list.out.contains(u"#10\tGREETING\t2052\t13\n"));
    const ToolRun extract = RunPackTool({QStringLiteral("extract"), fixture, QStringLiteral("PNG"), QStringLiteral("yxn"),
                                     path(QStringLiteral("yxn.png"))});
    ASSERT_EQ(extract.exitCode, 0) << extract.err.toStdString();
    QFile original(QStringLiteral(KESTRUNE_TEST_DATA_DIR "/pack/yxn.png"));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(read(QStringLiteral("yxn.png")), original.readAll());
}

TEST_F(PackTool, CheckPassesTheBuiltPack)
{
    const ToolRun check = RunPackTool({QStringLiteral("check"), QStringLiteral(KESTRUNE_BUILT_PACK)});
    EXPECT_EQ(check.exitCode, 0) << check.out.toStdString() << check.err.toStdString();
    const QStringList lines = check.out.split(u'\n', Qt::SkipEmptyParts);
    EXPECT_GE(lines.size(), 40);
    for (const QString& line : lines)
        EXPECT_TRUE(line.endsWith(u"\tOK")) << line.toStdString();
    EXPECT_TRUE(lines.contains(u"JPEG\tCLOSE\t0\tOK"));
    EXPECT_TRUE(lines.contains(u"PNG\tYXN\t0\tOK"));
    EXPECT_TRUE(lines.contains(u"#10\tSKIN\t0\tOK"));
}

// Each pack holds one damaged resource among good ones: the check names it with the decoder's
// or the skin reader's error, passes the others and fails as a whole.
TEST_F(PackTool, CheckNamesEveryDamagedResource)
{
    QFile jpeg(QStringLiteral(KESTRUNE_TEST_DATA_DIR "/pack/close.jpg"));
    ASSERT_TRUE(jpeg.open(QIODevice::ReadOnly));
    const QByteArray close = jpeg.readAll();
    QFile skin(QStringLiteral(KESTRUNE_DEFAULT_SKIN));
    ASSERT_TRUE(skin.open(QIODevice::ReadOnly));
    write(QStringLiteral("close.jpg"), close);
    write(QStringLiteral("truncated.jpg"), close.left(close.size() / 2));
    write(QStringLiteral("skin.skn"), skin.readAll());
    write(QStringLiteral("text.skn"), "this is no skin package");
    write(QStringLiteral("garbled.skn"), QByteArray("\x03\0\0\0\x06\0\0\0garbag", 14));
    const struct {
        const char* jpeg;
        const char* skin;
        const char* damaged;
    } packs[] = {
        {"truncated.jpg", "skin.skn", "JPEG\tCLOSE\t0\tJPEG error: Premature end of JPEG file"},
        {"close.jpg", "text.skn", "#10\tSKIN\t0\tnot a skin package: no compressed skin behind a version of at most 3"},
        {"close.jpg", "garbled.skn", "#10\tSKIN\t0\tcompression error"},
    };
    for (const auto& [jpegFile, skinFile, damaged] : packs) {
        write(QStringLiteral("pack.txt"), QStringLiteral("JPEG Close %1\nPNG YXN yxn.png\nrcdata Skin %2\n")
                                              .arg(QLatin1String(jpegFile), QLatin1String(skinFile))
                                              .toUtf8());
        QFile::copy(QStringLiteral(KESTRUNE_TEST_DATA_DIR "/pack/yxn.png"), path(QStringLiteral("yxn.png")));
        const QString pack = path(QStringLiteral("%1.dll").arg(QLatin1String(skinFile)));
        ASSERT_EQ(RunPackTool({QStringLiteral("build"), path(QStringLiteral("pack.txt")), pack}).exitCode, 0);
        const ToolRun check = RunPackTool({QStringLiteral("check"), pack});
        EXPECT_EQ(check.exitCode, 1) << damaged;
        const QStringList lines = check.out.split(u'\n', Qt::SkipEmptyParts);
        EXPECT_EQ(lines.size(), 3) << check.out.toStdString();
        EXPECT_TRUE(lines.contains(QString::fromUtf8(damaged))) << check.out.toStdString();
        EXPECT_TRUE(lines.contains(u"PNG\tYXN\t0\tOK")) << check.out.toStdString();
        EXPECT_EQ(check.out.count(u"\tOK\n"), 2) << check.out.toStdString();
    }
    EXPECT_EQ(RunPackTool({QStringLiteral("check")}).exitCode, 2);
    EXPECT_EQ(RunPackTool({QStringLiteral("check"), path(QStringLiteral("absent.dll"))}).exitCode, 1);
}

// A variant NAME@2X decodes and is exactly twice the size of NAME of its type.
TEST_F(PackTool, CheckMeasuresEveryVariantAgainstItsPicture)
{
    const auto png = [&](const char* name, int width, int height) {
        QImage picture(width, height, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        ASSERT_TRUE(picture.save(path(QLatin1String(name)), "PNG"));
    };
    png("link.png", 5, 3);
    png("twice.png", 10, 6);
    png("wider.png", 11, 6);
    write(QStringLiteral("damaged.png"), "no picture");
    write(QStringLiteral("pack.txt"), "PNG YXN link.png\nPNG YXN@2X twice.png\n"
                                      "PNG KFN link.png\nPNG KFN@2X wider.png\n"
                                      "PNG YHN@2X twice.png\n"
                                      "PNG LBN damaged.png\nPNG LBN@2X twice.png\n"
                                      "JPEG YXN@2X twice.png\n");
    ASSERT_EQ(RunPackTool({QStringLiteral("build"), path(QStringLiteral("pack.txt")), path(QStringLiteral("v.dll"))}).exitCode, 0);
    const ToolRun check = RunPackTool({QStringLiteral("check"), path(QStringLiteral("v.dll"))});
    EXPECT_EQ(check.exitCode, 1);
    const QStringList lines = check.out.split(u'\n', Qt::SkipEmptyParts);
    for (const char* line : {"PNG\tYXN\t0\tOK", "PNG\tYXN@2X\t0\tOK", "PNG\tKFN@2X\t0\t11 x 6 is not twice the 5 x 3 of KFN",
                             "PNG\tYHN@2X\t0\tthe picture YHN it doubles is missing",
                             "PNG\tLBN@2X\t0\tthe picture LBN it doubles: PNG error: Not a PNG file"})
        EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line << "\n" << check.out.toStdString();
    EXPECT_TRUE(check.out.contains(u"JPEG\tYXN@2X\t0\tJPEG error"));  // a PNG is no JPEG
}

TEST_F(PackTool, BadInputGetsAMessageAndANonZeroExit)
{
    write(QStringLiteral("close.jpg"), "jpeg bytes");
    write(QStringLiteral("short.txt"), "JPEG Close\n");
    write(QStringLiteral("missing.txt"), "JPEG Close close.jpg\nPNG YXN nowhere.png\n");
    write(QStringLiteral("twice.txt"), "JPEG Close close.jpg\njpeg CLOSE close.jpg\n");
    write(QStringLiteral("garbage.dll"), "MZ not really");
    const QString out = path(QStringLiteral("out.dll"));
    const struct {
        QStringList args;
        int exitCode;
        const char* message;
    } cases[] = {
        {{}, 2, "usage: kestrune-pack build"},
        {{QStringLiteral("pack")}, 2, "usage:"},
        {{QStringLiteral("list")}, 2, "usage:"},
        {{QStringLiteral("build"), path(QStringLiteral("absent.txt")), out}, 1, "Cannot open file"},
        {{QStringLiteral("build"), path(QStringLiteral("short.txt")), out}, 1, "short.txt:1: expected \"TYPE NAME FILE\""},
        {{QStringLiteral("build"), path(QStringLiteral("missing.txt")), out}, 1, "missing.txt:2: cannot read"},
        {{QStringLiteral("build"), path(QStringLiteral("twice.txt")), out}, 1, "twice.txt:2: Resource CLOSE of type jpeg appears twice"},
        {{QStringLiteral("list"), path(QStringLiteral("garbage.dll"))}, 1, "kestrune-pack: "},
        {{QStringLiteral("list"), path(QStringLiteral("absent.dll"))}, 1, "Cannot open file"},
        {{QStringLiteral("extract"), QStringLiteral(KESTRUNE_TEST_DATA_DIR "/pack/fixture-i686.dll"), QStringLiteral("RCDATA"),
          QStringLiteral("Skin"), out},
         1, "kestrune-pack: Resource Skin not found"},
    };
    for (const auto& [args, exitCode, message] : cases) {
        const ToolRun run = RunPackTool(args);
        EXPECT_EQ(run.exitCode, exitCode) << args.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(message))) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
}
