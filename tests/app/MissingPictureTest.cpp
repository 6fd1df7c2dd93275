#include "support/MainWindowFixture.h"

#include "framework/TImage.h"
#include "platform/Global.h"
#include "platform/PeResourceWriter.h"
#include "skincontrols/TbsSkinPageControl.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A pack that has the normal and hover pictures but lacks every pressed one.
class PackWithoutPressedPictures : public MainWindowFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(packDir.isValid());
        PeResourceWriter writer;
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QByteArray jpeg, png;
        QBuffer jpegBuffer(&jpeg), pngBuffer(&png);
        picture.save(&jpegBuffer, "JPEG");
        picture.save(&pngBuffer, "PNG");
        for (const char* name : {"Close", "CloseMove", "Max", "MaxMove", "Restore", "RestoreMove"})
            writer.add(ResourceId(QStringLiteral("JPEG")), ResourceId(QLatin1String(name)), 0, jpeg);
        for (const char* name : {"YXN", "YXM"})
            writer.add(ResourceId(QStringLiteral("PNG")), ResourceId(QLatin1String(name)), 0, png);
        QFile pack(packDir.filePath(QStringLiteral("Tarvel.dll")));
        ASSERT_TRUE(pack.open(QIODevice::WriteOnly));
        pack.write(writer.build());
        pack.close();
        MainWindowFixture::SetUp();
    }
    QString PackDirectory() const override { return packDir.path() + QLatin1Char('/'); }
    QTemporaryDir packDir;
};

TEST_F(PackWithoutPressedPictures, ALinkOpensNothingButAButtonClickStillActs)
{
    ASSERT_NE(ResourcePackHandle, 0u);
    testing::internal::CaptureStderr();
    QTest::mousePress(form->ITgame, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(form->ImageMax, Qt::LeftButton, {}, QPoint(5, 5));
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("Resource YXD not found"), std::string::npos);
    EXPECT_NE(errors.find("Resource RestoreDown not found"), std::string::npos);
    EXPECT_EQ(form->bsSkinPageControl->PageCount(), 1);  // the link's action never ran
    EXPECT_EQ(form->Tag(), 0);                            // the button's click did
    // The release after the click shows the normal picture of the new state from the pack.
    EXPECT_EQ(form->ImageMax->Picture().size(), QSize(4, 4));
}

}  // namespace
