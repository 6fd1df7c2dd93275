#include "framework/TAnchors.h"
#include "framework/TImage.h"
#include "framework/TTimer.h"
#include "support/Wait.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(ControlEvents, ClickIsALeftPressAndReleaseOverTheControlBetweenDownAndUp)
{
    TImage picture;
    picture.resize(30, 20);
    picture.show();
    QStringList order;
    QObject::connect(&picture, &TControl::OnMouseDown, &picture,
                     [&](QObject*, Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
                         order << QStringLiteral("down %1 %2,%3").arg(int(b)).arg(x).arg(y);
                     });
    QObject::connect(&picture, &TControl::OnClick, &picture, [&](QObject*) { order << QStringLiteral("click"); });
    QObject::connect(&picture, &TControl::OnDblClick, &picture, [&](QObject*) { order << QStringLiteral("double"); });
    QObject::connect(&picture, &TControl::OnMouseUp, &picture,
                     [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { order << QStringLiteral("up"); });

    QTest::mouseClick(&picture, Qt::LeftButton, {}, QPoint(4, 5));
    QTest::mouseClick(&picture, Qt::RightButton, {}, QPoint(4, 5));
    QTest::mousePress(&picture, Qt::LeftButton, {}, QPoint(4, 5));
    QTest::mouseRelease(&picture, Qt::LeftButton, {}, QPoint(40, 5));  // released outside
    EXPECT_EQ(order, (QStringList{QStringLiteral("down 1 4,5"), QStringLiteral("click"), QStringLiteral("up"),
                                  QStringLiteral("down 2 4,5"), QStringLiteral("up"), QStringLiteral("down 1 4,5"),
                                  QStringLiteral("up")}));

    // A double click as the window system delivers it (press, release, double click, release)
    // is one click and then the double-click event; the next single click is a click again.
    order.clear();
    QTest::mouseClick(&picture, Qt::LeftButton, {}, QPoint(4, 5));
    QTest::mouseDClick(&picture, Qt::LeftButton, {}, QPoint(4, 5));
    QTest::mouseRelease(&picture, Qt::LeftButton, {}, QPoint(4, 5));
    QTest::mouseClick(&picture, Qt::LeftButton, {}, QPoint(4, 5));
    EXPECT_EQ(order, (QStringList{QStringLiteral("down 1 4,5"), QStringLiteral("click"), QStringLiteral("up"),
                                  QStringLiteral("double"), QStringLiteral("down 1 4,5"), QStringLiteral("up"),
                                  QStringLiteral("down 1 4,5"), QStringLiteral("click"), QStringLiteral("up")}));
}

TEST(ImageControl, AutoSizeTakesThePictureSizeAndPaintingIsExact)
{
    TImage picture;
    picture.resize(5, 5);
    QImage source(3, 2, QImage::Format_ARGB32);
    source.fill(QColor(10, 20, 30));
    source.setPixelColor(2, 1, QColor(200, 100, 50));
    picture.SetPicture(source);
    EXPECT_EQ(picture.size(), QSize(5, 5));
    picture.SetAutoSize(true);
    EXPECT_EQ(picture.size(), QSize(3, 2));
    EXPECT_EQ(picture.grab().toImage().pixelColor(2, 1), QColor(200, 100, 50));

    TImage stretched;
    stretched.resize(6, 4);
    stretched.SetStretch(true);
    stretched.SetPicture(source);
    const QImage shown = stretched.grab().toImage();
    EXPECT_EQ(shown.pixelColor(5, 3), QColor(200, 100, 50));
    EXPECT_EQ(shown.pixelColor(3, 3), QColor(10, 20, 30));  // no smoothing between pixels
    EXPECT_TRUE(stretched.property("kestruneGraphicControl").toBool());
}

TEST(Anchors, KeepTheDistancesToTheAnchoredEdges)
{
    QWidget parent;
    parent.resize(200, 100);
    QWidget right(&parent), both(&parent), bottom(&parent);
    right.setGeometry(170, 0, 27, 22);
    both.setGeometry(10, 20, 180, 60);
    bottom.setGeometry(5, 70, 190, 26);
    TAnchors::Set(&right, Qt::TopEdge | Qt::RightEdge);
    TAnchors::Set(&both, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    TAnchors::Set(&bottom, Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);
    parent.show();
    parent.resize(300, 150);
    EXPECT_EQ(right.geometry(), QRect(270, 0, 27, 22));
    EXPECT_EQ(both.geometry(), QRect(10, 20, 280, 110));
    EXPECT_EQ(bottom.geometry(), QRect(5, 120, 290, 26));
}

TEST(Timer, TicksOnlyWhileEnabledAndKeepsItsTag)
{
    TTimer timer;
    timer.SetInterval(10);
    timer.SetTag(3);
    QSignalSpy ticks(&timer, &TTimer::OnTimer);
    EXPECT_FALSE(timer.Enabled());
    timer.SetEnabled(true);
    EXPECT_TRUE(WaitFor([&] { return ticks.count() >= 2; }, 5000));
    timer.SetEnabled(false);
    // A disabled timer has no tick pending: the events already queued are delivered and
    // none follows them.
    EXPECT_FALSE(timer.Enabled());
    const int seen = int(ticks.count());
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks.count(), seen);
    EXPECT_EQ(timer.Tag(), 3);
}

}  // namespace
