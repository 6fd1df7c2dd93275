#include "app/TApplication.h"
#include "error/KestruneError.h"
#include "framework/TApplicationEvents.h"
#include "framework/TImage.h"

#include <QTest>
#include <gtest/gtest.h>

TEST(ApplicationObject, AnExceptionInAMouseHandlerGoesToStandardErrorAndTheNextEventIsHandled)
{
    TImage picture;
    picture.resize(40, 20);
    picture.show();
    int presses = 0;
    QObject::connect(&picture, &TControl::OnMouseDown, &picture,
                     [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
                         if (++presses == 1)
                             throw KestruneError(QStringLiteral("Resource CloseDown not found"));
                     });
    testing::internal::CaptureStderr();
    QTest::mousePress(&picture, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&picture, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mousePress(&picture, Qt::LeftButton, {}, QPoint(6, 5));
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(presses, 2);
    EXPECT_NE(errors.find("Resource CloseDown not found\n"), std::string::npos);
}

TEST(ApplicationObject, TheNewestHubReceivesExceptionsAndNothingReachesStandardError)
{
    TApplicationEvents hub;
    QString received;
    QObject::connect(&hub, &TApplicationEvents::OnException, &hub, [&](QObject* sender, const std::exception& e) {
        EXPECT_EQ(sender, &hub);
        received = TApplicationEvents::ExceptionMessage(e);
    });
    TImage picture;
    QObject::connect(&picture, &TControl::OnMouseDown, &picture,
                     [](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
                         throw std::runtime_error("plain failure");
                     });
    picture.resize(10, 10);
    picture.show();
    testing::internal::CaptureStderr();
    QTest::mousePress(&picture, Qt::RightButton, {}, QPoint(1, 1));
    EXPECT_EQ(testing::internal::GetCapturedStderr().find("plain failure"), std::string::npos);
    EXPECT_EQ(received, QStringLiteral("plain failure"));
}
