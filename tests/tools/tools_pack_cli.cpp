// kestrune-pack, run as the operator runs it.
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
