// kestrune-skin preview run as a process: real controls posed and saved, and the
// command lines it refuses.

#include "skin/TbsSkinData.h"

#include <QFile>
#include <QFileInfo>
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
    const auto run = [&](const QString& skin, const QStringList& keys) {
        const PreviewRun result = Preview(QStringList{skin, QStringLiteral("pagecontrol"), QStringLiteral("400"),
                                                      QStringLiteral("120"), Out("strip.png")}
                                          + keys);
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
        return QImage(Out("strip.png"));
    };
    // Tabs from x 20 (the first one pixel further): Tab 1 clicked active, Tab 2 under the pointer.
    const QImage skinned = run(package, kStrip);
    ASSERT_EQ(skinned.size(), QSize(400, 120));
    EXPECT_NE(skinned.pixel(203, 3), skinned.pixel(293, 3)) << "the hot tab has its own picture";
    EXPECT_NE(skinned.pixel(113, 3), skinned.pixel(293, 3)) << "so has the active one";

    // Without a skin, and with a package that lacks the page control's object: the plain look.
    const QRgb activeFrame = qRgb(0, 0, 128);
    const QRgb hot = qRgb(182, 189, 210);
    for (const QString& skin : {QString(), BareSkin()}) {
        const QImage plain = run(skin, kStrip);
        EXPECT_EQ(plain.pixel(110, 0), activeFrame) << "the active tab's frame";
        EXPECT_TRUE(plain.pixel(113, 3) == qRgb(133, 147, 181) || plain.pixel(113, 3) == hot) << "its fill";
        EXPECT_EQ(plain.pixel(203, 3), hot) << "the hot tab";
        EXPECT_NE(plain.pixel(293, 3), hot) << "the others plain";
        EXPECT_NE(plain.pixel(293, 3), activeFrame);
    }

    // Six tabs do not fit: the skin's arrows stand at the strip's right end.
    const QImage crowded = run(package, QStringList{QStringLiteral("tabs=6"), QStringLiteral("tabwidth=90"),
                                                    QStringLiteral("tabheight=24"), QStringLiteral("offset=20")});
    TbsSkinData skin;
    skin.LoadPackageFile(package);
    const QImage& controls = skin.Pictures().at(1);
    EXPECT_EQ(crowded.pixel(400 - 48 + 8, 6), controls.pixel(100 + 8, 112 + 6)) << "the \"tabupdown\" picture";
}

TEST_F(SkinPreview, EveryControlPreviewsWithTheSkinAndPlainly)
{
    TbsSkinData skin;
    skin.LoadPackageFile(package);
    const QImage& controls = skin.Pictures().at(1);
    const auto run = [&](const QString& from, const QString& control, int width, int height, const QStringList& keys) {
        const PreviewRun result = Preview(QStringList{from, control, QString::number(width), QString::number(height),
                                                      Out("control.png")}
                                          + keys);
        EXPECT_EQ(result.exitCode, 0) << qPrintable(control) << ": " << result.err.toStdString();
        return QImage(Out("control.png"));
    };
    const QRgb navy = qRgb(0, 0, 128);

    // Buttons grow both ways with the skin's corners; the down picture starts at (120, 64).
    EXPECT_EQ(run(package, "button", 90, 30, {"state=down"}).pixel(1, 1), controls.pixel(121, 65));
    EXPECT_EQ(run(package, "button", 90, 30, {"state=normal"}).pixel(1, 1), controls.pixel(1, 65));
    EXPECT_EQ(run(QString(), "button", 90, 30, {"state=hot", "caption=&OK"}).pixel(0, 0), navy);
    EXPECT_EQ(run(QString(), "button", 90, 30, {"state=focused"}).pixel(0, 0), navy);

    // The gauge's progress picture starts at (100, 88); the plain progress is light blue.
    const QImage full = run(package, "gauge", 200, 20, {"value=100"});
    EXPECT_EQ(full.pixel(100, 10), controls.pixel(150, 96));
    EXPECT_NE(run(package, "gauge", 200, 20, {"value=0"}).pixel(100, 10), full.pixel(100, 10));
    EXPECT_EQ(run(QString(), "gauge", 200, 20, {"min=10", "max=20", "value=15"}).pixel(99, 10), qRgb(182, 189, 210));

    const QImage raised = run(QString(), "label", 120, 24, {"border=raised", "caption=清理完成"});
    EXPECT_NE(raised.pixel(0, 0), raised.pixel(119, 23));
    EXPECT_EQ(run(package, "label", 120, 24, {"align=center", "ellipsis=1"}).size(), QSize(120, 24));

    const QImage text = run(package, "textlabel", 200, 60, {"text=One\\nTwo", "wrap=1"});
    ASSERT_EQ(text.size(), QSize(200, 60));
    EXPECT_EQ(text.pixel(199, 59), qRgb(0xF4, 0xF6, 0xFA)) << "the skin's face under the text";

    // Edits grow both ways; the active face starts at (60, 160). Check boxes are centred in
    // their height; the hot checked box starts at (162, 160).
    EXPECT_EQ(run(package, "edit", 160, 24, {"state=hot"}).pixel(0, 12), controls.pixel(60, 171));
    EXPECT_EQ(run(package, "edit", 160, 24, {"state=normal", "password=1"}).pixel(0, 12), controls.pixel(0, 171));
    EXPECT_EQ(run(package, "checkbox", 220, 17, {"state=hot", "checked=1"}).pixel(0, 2), controls.pixel(162, 160));
    const QRgb tick = run(QString(), "checkbox", 220, 17, {"checked=1"}).pixel(5, 9);
    EXPECT_NE(run(QString(), "checkbox", 220, 17, {"checked=0"}).pixel(5, 9), tick) << "the plain tick";

    const QImage arrows = run(QString(), "updown", 48, 24, {"hot=0"});
    EXPECT_EQ(arrows.pixel(24, 0), navy) << "the up button, right half";
    const QImage skinned = run(package, "updown", 48, 24, {"pressed=1"});
    EXPECT_EQ(skinned.size(), QSize(48, 24)) << "the skin's size";
    EXPECT_EQ(skinned.pixel(6, 2), controls.pixel(100 + 6, 136 + 2)) << "the pressed left arrow (button 1)";
}

// A form in its skinned frame, saved with the window's shape: the cut corners transparent,
// the close button hot under the pointer, the caption buttons only those asked for.
TEST_F(SkinPreview, AFormIsShownInItsFrameWithTheWindowsShape)
{
    const PreviewRun run =
        Preview({package, QStringLiteral("form"), QStringLiteral("300"), QStringLiteral("200"), Out("form.png"),
                 QStringLiteral("caption=提示"), QStringLiteral("icons=sysmenu"), QStringLiteral("hot=closebutton")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage form(Out("form.png"));
    ASSERT_EQ(form.size(), QSize(300, 200));
    EXPECT_EQ(qAlpha(form.pixel(0, 0)), 0) << "outside the rounded corner";
    EXPECT_EQ(qAlpha(form.pixel(0, 20)), 255);
    EXPECT_EQ(form.pixel(277, 5), qRgb(0xE0, 0x4A, 0x3C)) << "the close button, hot";
    EXPECT_EQ(form.pixel(259 + 9, 5 + 9), form.pixel(200, 5 + 9)) << "no maximize button: the bare caption bar";

    const PreviewRun plain = Preview({QString(), QStringLiteral("form"), QStringLiteral("300"), QStringLiteral("200"),
                                      Out("plain.png"), QStringLiteral("border=dialog"), QStringLiteral("active=0")});
    ASSERT_EQ(plain.exitCode, 0) << plain.err.toStdString();
    EXPECT_EQ(QImage(Out("plain.png")).size(), QSize(300, 200));
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

// The dialogs are saved whole, in their frames, at their own sizes: the client areas (324 x 152
// and 314 x 142) inside the shipped skin's borders (4 at the sides and bottom, 28 above).
TEST_F(SkinPreview, TheDialogsAreSavedWholeInTheirFramesAsTheyAreSetUp)
{
    const auto run = [&](const char* control, const char* width, const QStringList& keys) {
        const PreviewRun r = Preview(QStringList{package, QLatin1String(control), QLatin1String(width),
                                                 QStringLiteral("1"), Out("dialog.png")}
                                     + keys);
        EXPECT_EQ(r.exitCode, 0) << control << ": " << r.err.toStdString();
        return QImage(Out("dialog.png"));
    };
    const QPoint client(4, 28);
    const QImage both = run("msgbox", "500", {"mode=4", "caption=提示", "text=一\\n二"});
    const QImage alone = run("msgbox", "1", {"mode=0"});
    ASSERT_EQ(both.size(), QSize(332, 184));
    ASSERT_EQ(alone.size(), QSize(332, 184));
    EXPECT_EQ(qAlpha(both.pixel(0, 0)), 0) << "the window's shape";
    const QPoint okOfBoth = client + QPoint(160 + 37, 111 + 3);
    EXPECT_NE(both.pixel(okOfBoth), alone.pixel(okOfBoth)) << "OK alone stands where Cancel would";
    EXPECT_EQ(alone.pixel(client + QPoint(241 + 37, 111 + 3)), both.pixel(okOfBoth)) << "the focused OK";

    // A page's question grows with what it asks; the sign-in box has a client area of 340 x 196.
    const int asked = run("pagedialog", "1", {"text=一\\n二"}).height();
    EXPECT_GT(run("pagedialog", "1", {"text=一\\n二", "edit=玩家", "block=1", "cancel=取消"}).height(), asked);
    EXPECT_EQ(run("signin", "1", {"realm=Kestrune", "proxy=1"}).size(), QSize(348, 228));

    const QString pack = QStringLiteral("pack=") + QFileInfo(QStringLiteral(KESTRUNE_BUILT_PACK)).path();
    const QImage created = run("clearcache", "1", {});
    const QImage done = run("clearcache", "900", {"state=done", pack});
    ASSERT_EQ(created.size(), QSize(322, 174));
    ASSERT_EQ(done.size(), QSize(322, 174));
    const QPoint gauge = client + QPoint(24 + 60, 56 + 10);
    const QPoint face = client + QPoint(64 + 30, 34 + 31);
    EXPECT_NE(created.pixel(gauge), done.pixel(gauge)) << "the gauge gone";
    EXPECT_NE(created.pixel(face), done.pixel(face)) << "the face shown";
    EXPECT_NE(created.pixel(client + QPoint(222 + 37, 98 + 12)), done.pixel(client + QPoint(222 + 37, 98 + 12)))
        << "OK enabled";
}

// At a scale of 2 the dialog's frame is cut from the skin's double-size pictures, not the 1x
// frame enlarged; its shape is the 1x shape doubled; at 1.5 the picture covers 1.5 times the size.
TEST_F(SkinPreview, AtAScaleTheDialogIsDrawnFromTheDoubleSizePictures)
{
    const auto run = [&](const char* scale) {
        const PreviewRun r = Preview(QStringList{package, QStringLiteral("clearcache"), QStringLiteral("1"),
                                                 QStringLiteral("1"), Out("dialog.png"), QLatin1String(scale)});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return QImage(Out("dialog.png")).convertToFormat(QImage::Format_ARGB32);
    };
    const QImage one = run("scale=1"), two = run("scale=2");
    ASSERT_EQ(one.size(), QSize(322, 174));
    ASSERT_EQ(two.size(), QSize(644, 348));
    EXPECT_EQ(run("scale=1.5").size(), QSize(483, 261));

    TbsSkinData skin;
    skin.LoadPackageFile(package);
    const QImage frame = skin.FramePicture().convertToFormat(QImage::Format_ARGB32);
    const QImage doubleFrame = skin.DoubleSizePictures().FramePicture.convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(doubleFrame.size(), frame.size() * 2);
    // A column of the caption bar, away from the caption and the buttons: the frame picture's
    // middle column at each scale; at 2 not the 1x column with each pixel doubled.
    const int caption = 28;
    bool doubledOneTimes = true;
    for (int y = 0; y < 2 * caption; ++y) {
        EXPECT_EQ(two.pixel(300, y), doubleFrame.pixel(160, y)) << y;
        doubledOneTimes = doubledOneTimes && two.pixel(300, y) == one.pixel(150, y / 2);
        if (y < caption) {
            EXPECT_EQ(one.pixel(150, y), frame.pixel(80, y)) << y;
        }
    }
    EXPECT_FALSE(doubledOneTimes);
    // The rounded corners: what is cut away at 2 is what is cut away at 1, doubled.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            EXPECT_EQ(qAlpha(two.pixel(x, y)) == 0, qAlpha(one.pixel(x / 2, y / 2)) == 0) << x << "," << y;
            EXPECT_EQ(qAlpha(two.pixel(643 - x, y)) == 0, qAlpha(one.pixel(321 - x / 2, y / 2)) == 0) << x << "," << y;
        }
    EXPECT_EQ(qAlpha(two.pixel(0, 0)), 0);
    // The OK button's caption is drawn at the device's resolution, not enlarged.
    const QRect ok(4 + 222, 28 + 98, 75, 25);
    int differing = 0;
    for (int y = 2 * ok.top(); y < 2 * ok.bottom(); ++y)
        for (int x = 2 * ok.left(); x < 2 * ok.right(); ++x)
            differing += two.pixel(x, y) != one.pixel(x / 2, y / 2);
    EXPECT_GT(differing, 20);
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
        {"unknown border icon", line(package, "form", "300", {"icons=sysmenu,help"}), "help"},
        {"no such frame object", line(package, "form", "300", {"hot=helpbutton"}), "helpbutton"},
        {"unknown border", line(package, "form", "300", {"border=thick"}), "thick"},
        {"bad state", line(package, "button", "100", {"state=pressed"}), "state"},
        {"no such button", line(package, "updown", "100", {"hot=2"}), "hot"},
        {"gauge value not a number", line(package, "gauge", "100", {"value=half"}), "value"},
        {"bad border", line(package, "label", "100", {"border=double"}), "border"},
        {"bad flag", line(package, "textlabel", "100", {"wrap=yes"}), "wrap"},
        {"a separator selected", line(package, "popupmenu", "100", {"items=A|-|B", "selected=1"}), "separator"},
        {"selected beyond the items", line(package, "popupmenu", "100", {"items=A|B", "selected=2"}), "selected"},
        {"a mode of neither layout", line(package, "msgbox", "100", {"mode=2"}), "mode"},
        {"a cleaner state", line(package, "clearcache", "100", {"state=cleaning"}), "state"},
        {"no resource pack", line(package, "clearcache", "100", {"pack=/nowhere"}), "nowhere"},
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
