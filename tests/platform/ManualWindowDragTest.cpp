#include "platform/ManualWindowDrag.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

const QRect kStart(100, 100, 300, 200);
const QSize kMinimum(200, 150);
const QSize kMaximum(500, 400);

QRect Drag(QPoint delta, Qt::Edges edges)
{
    return ManualWindowDrag::Dragged(kStart, delta, edges, kMinimum, kMaximum);
}

bool Dragging(QWidget& window)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return !window.findChildren<ManualWindowDrag*>().isEmpty();
}

} // namespace

// Each edge follows the pointer until a size limit, and the opposite edge never moves.
TEST(ManualWindowDrag, SizingStopsAtTheLimitsWithoutMovingTheWindow)
{
    EXPECT_EQ(Drag({30, -20}, {}), QRect(130, 80, 300, 200)) << "a move keeps the size";
    EXPECT_EQ(Drag({-50, 0}, Qt::LeftEdge), QRect(50, 100, 350, 200));
    EXPECT_EQ(Drag({150, 0}, Qt::LeftEdge), QRect(200, 100, 200, 200)) << "left edge stops at the minimum width";
    EXPECT_EQ(Drag({-500, 0}, Qt::LeftEdge), QRect(-100, 100, 500, 200)) << "and at the maximum";
    EXPECT_EQ(Drag({-150, 0}, Qt::RightEdge), QRect(100, 100, 200, 200));
    EXPECT_EQ(Drag({0, 100}, Qt::TopEdge), QRect(100, 150, 300, 150)) << "top edge stops at the minimum height";
    EXPECT_EQ(Drag({0, 500}, Qt::BottomEdge), QRect(100, 100, 300, 400));
    EXPECT_EQ(Drag({120, 90}, Qt::TopEdge | Qt::LeftEdge), QRect(200, 150, 200, 150));
    EXPECT_EQ(Drag({-40, 40}, Qt::BottomEdge | Qt::RightEdge), QRect(100, 100, 260, 240));
}

// The drag ends, and lets the mouse and keyboard go, on Escape, on losing the window's
// activation and on losing the grab, not only on the button's release.
TEST(ManualWindowDrag, EndsOnEscapeDeactivationAndLostGrab)
{
    QWidget window;
    window.setGeometry(kStart);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    for (const QEvent::Type ending : {QEvent::KeyPress, QEvent::WindowDeactivate, QEvent::UngrabMouse}) {
        ManualWindowDrag::Start(&window, Qt::RightEdge);
        ASSERT_TRUE(Dragging(window));
        EXPECT_EQ(QWidget::mouseGrabber(), &window);
        if (ending == QEvent::KeyPress) {
            QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
            QApplication::sendEvent(&window, &other);
            EXPECT_TRUE(Dragging(window)) << "other keys are swallowed and change nothing";
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(&window, &escape);
        } else {
            QEvent event(ending);
            QApplication::sendEvent(&window, &event);
        }
        EXPECT_FALSE(Dragging(window)) << int(ending);
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr) << int(ending);
        EXPECT_EQ(QWidget::keyboardGrabber(), nullptr) << int(ending);
    }
}
