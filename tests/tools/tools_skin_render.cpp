// kestrune-skin render run as a process against the default skin.

#include "skin/TbsSkinData.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

int Render(const QStringList& arguments, QString* errors = nullptr)
{
    QProcess process;
    process.start(QStringLiteral(KESTRUNE_SKIN_TOOL), QStringList{QStringLiteral("render")} + arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    if (errors)
        *errors = QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

class SkinRender : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        skin.LoadPackageFile(package);
    }
    QString Out(const char* name) const { return dir.filePath(QLatin1String(name)); }

    QTemporaryDir dir;
    const QString package = QStringLiteral(KESTRUNE_DEFAULT_SKIN);
    TbsSkinData skin;
};

TEST_F(SkinRender, AControlGrowsWithItsCornersKept)
{
    ASSERT_EQ(Render({package, QStringLiteral("button"), QStringLiteral("120"), QStringLiteral("40"), Out("b.png")}), 0);
    const QImage image(Out("b.png"));
    ASSERT_EQ(image.size(), QSize(120, 40));  // the button grows in both directions
    // The skin rectangle of "button" is (0, 64)-(60, 88) of picture 1: its corners stay put.
    const QImage& picture = skin.Pictures().at(1);
    EXPECT_EQ(image.pixel(0, 0), picture.pixel(0, 64));
    EXPECT_EQ(image.pixel(119, 0), picture.pixel(59, 64));
    EXPECT_EQ(image.pixel(0, 39), picture.pixel(0, 87));
    EXPECT_EQ(image.pixel(119, 39), picture.pixel(59, 87));
}

TEST_F(SkinRender, TheFormFrameIsTransparentOutsideItsMask)
{
    ASSERT_EQ(Render({package, QStringLiteral("--form"), QStringLiteral("400"), QStringLiteral("300"), Out("f.png")}), 0);
    const QImage image(Out("f.png"));
    ASSERT_EQ(image.size(), QSize(400, 300));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);          // a rounded corner lies outside the mask
    EXPECT_EQ(qAlpha(image.pixel(200, 1)), 255);      // the caption strip lies inside
    EXPECT_EQ(qAlpha(image.pixel(200, 150)), 0);      // the client area is not part of the frame
}

TEST_F(SkinRender, MissingObjectsAndBadSizesExitWithAMessage)
{
    QString errors;
    EXPECT_NE(Render({package, QStringLiteral("nosuchobject"), QStringLiteral("10"), QStringLiteral("10"), Out("x.png")},
                     &errors), 0);
    EXPECT_TRUE(errors.contains(QStringLiteral("nosuchobject")));
    EXPECT_NE(Render({package, QStringLiteral("button"), QStringLiteral("-3"), QStringLiteral("10"), Out("y.png")}), 0);
    EXPECT_NE(Render({QStringLiteral("/nonexistent.skn"), QStringLiteral("--form"), QStringLiteral("10"),
                      QStringLiteral("10"), Out("z.png")}), 0);
}

}  // namespace
