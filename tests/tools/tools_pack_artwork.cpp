// The resource pack the build makes: every resource the client asks for, in its format and
// size, and its double-size variant, drawn reproducibly.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct PackPicture {
    const char* type;
    std::string name;
    QSize size;
};

std::vector<PackPicture> ClientPictures()
{
    std::vector<PackPicture> pictures;
    const QSize caption(27, 22), words(38, 22), link(62, 22);
    for (const char* base : {"Close", "Max", "Restore", "Min"})
        for (const char* state : {"", "Move", "Down"})
            pictures.push_back({"JPEG", std::string(base) + state, caption});
    for (const char* base : {"Set", "Feed"})
        for (const char* state : {"", "Move", "Down"})
            pictures.push_back({"JPEG", std::string(base) + state, words});
    for (const char* name : {"CNCHONG2", "CMCHONG2", "CDCHONG2"})
        pictures.push_back({"PNG", name, link});
    for (const char* stem : {"YX", "YH", "LB", "KF"})
        for (const char* state : {"N", "M", "D"})
            pictures.push_back({"PNG", std::string(stem) + state, link});
    pictures.push_back({"JPEG", "Face", QSize(60, 62)});
    pictures.push_back({"JPEG", "TabSel", QSize(143, 30)});
    pictures.push_back({"JPEG", "TabUnSel", QSize(143, 30)});
    pictures.push_back({"PNG", "TabIconMain", QSize(16, 16)});
    pictures.push_back({"PNG", "TabGame", QSize(16, 16)});
    pictures.push_back({"PNG", "TabClose", QSize(12, 12)});
    pictures.push_back({"PNG", "TabCloseMove", QSize(12, 12)});
    // Each with its double-size variant.
    const size_t count = pictures.size();
    for (size_t i = 0; i < count; ++i)
        pictures.push_back({pictures[i].type, pictures[i].name + "@2X", pictures[i].size * 2});
    return pictures;
}

int RunTool(const char* tool, const QStringList& args)
{
    QProcess process;
    process.start(QString::fromLocal8Bit(tool), args);
    EXPECT_TRUE(process.waitForFinished(60000));
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(BuiltPack, HoldsEveryPictureOfTheClientInItsFormatAndSize)
{
    const std::vector<PackPicture> pictures = ClientPictures();
    ASSERT_EQ(pictures.size(), 80u);
    QTemporaryDir dir;
    for (const PackPicture& picture : pictures) {
        SCOPED_TRACE(picture.name);
        const QString name = QString::fromStdString(picture.name);
        const QString out = dir.filePath(name);
        ASSERT_EQ(RunTool(KESTRUNE_PACK_TOOL, {QStringLiteral("extract"), QStringLiteral(KESTRUNE_BUILT_PACK),
                                               QString::fromLatin1(picture.type), name, out}),
                  0);
        QImage image;
        ASSERT_TRUE(image.loadFromData(ReadAll(out), picture.type));
        EXPECT_EQ(image.size(), picture.size);
        EXPECT_EQ(image.hasAlphaChannel(), QByteArrayView(picture.type) == "PNG");
    }
}

TEST(BuiltPack, ArtworkIsReproducible)
{
    QTemporaryDir first, second;
    ASSERT_EQ(RunTool(KESTRUNE_ARTWORK_TOOL, {QStringLiteral("pack"), first.path()}), 0);
    ASSERT_EQ(RunTool(KESTRUNE_ARTWORK_TOOL, {QStringLiteral("pack"), second.path()}), 0);
    const QStringList files = QDir(first.path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(files.size(), 80);
    EXPECT_EQ(files, QDir(second.path()).entryList(QDir::Files, QDir::Name));
    for (const QString& name : files)
        EXPECT_EQ(ReadAll(first.filePath(name)), ReadAll(second.filePath(name))) << name.toStdString();
}
