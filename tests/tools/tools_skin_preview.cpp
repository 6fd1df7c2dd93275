// kestrune-skin preview run as a process: a real page control posed and saved, and the
// command lines it refuses.

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct PreviewRun {
    int exitCode = -1;
    QString err;
};

PreviewRun Preview(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(KESTRUNE_SKIN_TOOL), QStringList{QStringLiteral("preview")} + arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

class SkinPreview : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString Out(const char* name) const { return dir.filePath(QLatin1String(name)); }
    // A package that loads but has no objects at all.
    QString BareSkin() const
    {
        QFile description(dir.filePath(QStringLiteral("skin.ini")));
        EXPECT_TRUE(description.open(QIODevice::WriteOnly));
        description.write("[VERSION]\nskinname=bare\n[PICTURES]\npicture=\nactivepicturescount=0\n"
                          "[FORMINFO]\nclientrect=1,1,2,2\n[SKINOBJECTS]\ncount=0\n[SKINCONTROLS]\ncount=0\n");
        description.close();
        const QString bare = dir.filePath(QStringLiteral("bare.skn"));
        QProcess build;
        build.start(QStringLiteral(KESTRUNE_SKIN_TOOL), {QStringLiteral("build"), description.fileName(), bare});
        EXPECT_TRUE(build.waitForFinished(60000));
        EXPECT_EQ(build.exitCode(), 0);
        return bare;
    }

    QTemporaryDir dir;
    const QString package = QStringLiteral(KESTRUNE_DEFAULT_SKIN);
};

const QStringList kStrip{QStringLiteral("tabs=4"),        QStringLiteral("active=1"),     QStringLiteral("hot=2"),
                         QStringLiteral("tabwidth=90"),   QStringLiteral("tabheight=24"), QStringLiteral("offset=20")};

TEST_F(SkinPreview, APageControlIsPosedThroughItsOwnMouseHandling)
{
    const PreviewRun run = Preview(QStringList{package, QStringLiteral("pagecontrol"), QStringLiteral("400"),
                                               QStringLiteral("120"), Out("strip.png")}
                                   + kStrip);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    const QImage strip(Out("strip.png"));
    ASSERT_EQ(strip.size(), QSize(400, 120));
    // Tabs from x 20 (the first one pixel further): Tab 1 clicked active, Tab 2 under the pointer.
    const QRgb activeFrame = qRgb(0, 0, 128);
    const QRgb hot = qRgb(182, 189, 210);
    EXPECT_EQ(strip.pixel(110, 0), activeFrame) << "the active tab's frame";
    EXPECT_TRUE(strip.pixel(113, 3) == qRgb(133, 147, 181) || strip.pixel(113, 3) == hot) << "its fill";
    EXPECT_EQ(strip.pixel(203, 3), hot) << "the hot tab";
    EXPECT_NE(strip.pixel(293, 3), hot) << "the others plain";
    EXPECT_NE(strip.pixel(293, 3), activeFrame);

    // Without a skin, and with a package that lacks the page control's object: the plain look.
    for (const QString& skin : {QString(), BareSkin()}) {
        const PreviewRun plain = Preview(QStringList{skin, QStringLiteral("pagecontrol"), QStringLiteral("400"),
                                                     QStringLiteral("120"), Out("plain.png")}
                                         + kStrip);
        ASSERT_EQ(plain.exitCode, 0) << plain.err.toStdString();
        EXPECT_EQ(QImage(Out("plain.png")).pixel(203, 3), hot) << qPrintable(skin);
    }
}

TEST_F(SkinPreview, APopupMenuIsSavedAsItsFirstLevelWithTheItemSelectedThroughTheMenu)
{
    const QString items = QStringLiteral("items=清理缓存|-|!Off|More>|退出");
    const auto run = [&](const char* width, const char* selected, const char* out) {
        const PreviewRun r = Preview({package, QStringLiteral("popupmenu"), QLatin1String(width), QStringLiteral("90"),
                                      Out(out), items, QLatin1String(selected)});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return QImage(Out(out));
    };
    const QImage chosen = run("400", "selected=3", "chosen.png");
    const QImage none = run("1", "selected=-1", "none.png");
    ASSERT_FALSE(chosen.isNull());
    EXPECT_EQ(chosen.size(), none.size()) << "the level's own size, whatever was asked";
    // Rows of the default skin: 20-pixel items and a 4-pixel divider below a 3-pixel frame.
    const int first = 3 + 10;
    const int more = 3 + 20 + 4 + 20 + 10;
    EXPECT_NE(chosen.pixel(8, more), chosen.pixel(8, first)) << "the selected item is hot";
    EXPECT_EQ(none.pixel(8, more), none.pixel(8, first)) << "nothing selected";
}

TEST_F(SkinPreview, RefusedCommandLinesEndWithOneLineAndCodeTwo)
{
    const auto line = [&](const QString& skin, const QString& control, const QString& width,
                          const QStringList& keys) {
        return QStringList{skin, control, width, QStringLiteral("50"), Out("refused.png")} + keys;
    };
    const struct {
        const char* what;
        QStringList arguments;
        const char* named;
    } rows[] = {
        {"missing package", line(dir.filePath("none.skn"), "pagecontrol", "100", {}), "none.skn"},
        {"unknown control", line(package, "dial", "100", {}), "dial"},
        {"unknown key", line(package, "pagecontrol", "100", {"colour=red"}), "colour"},
        {"not key=value", line(package, "pagecontrol", "100", {"tabs"}), "tabs"},
        {"key twice", line(package, "pagecontrol", "100", {"tabs=2", "tabs=3"}), "tabs"},
        {"bad number", line(package, "pagecontrol", "100", {"tabs=many"}), "many"},
        {"out of range", line(package, "pagecontrol", "100", {"tabs=2", "active=2"}), "active"},
        {"bad size", line(package, "pagecontrol", "0", {}), "WIDTH"},
        {"a separator selected", line(package, "popupmenu", "100", {"items=A|-|B", "selected=1"}), "separator"},
        {"selected beyond the items", line(package, "popupmenu", "100", {"items=A|B", "selected=2"}), "selected"},
    };
    for (const auto& row : rows) {
        const PreviewRun run = Preview(row.arguments);
        EXPECT_EQ(run.exitCode, 2) << row.what;
        EXPECT_EQ(run.err.count(u'\n'), 1) << row.what << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String(row.named))) << row.what << ": " << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(Out("refused.png"))) << row.what;
    }
}

}  // namespace
