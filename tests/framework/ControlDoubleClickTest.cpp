#include "framework/TImage.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// What the window system delivers for a double click: press, release, double click, release.
void DoubleClick(QWidget* control, Qt::MouseButton button, QPoint at)
{
    QTest::mouseClick(control, button, {}, at);
    QTest::mouseDClick(control, button, {}, at);
    QTest::mouseRelease(control, button, {}, at);
}

TEST(ControlEvents, ADoubleClickIsOneClickThenTheDoubleClickEvent)
{
    TImage picture;
    picture.resize(30, 20);
    picture.show();
    QStringList order;
    QObject::connect(&picture, &TControl::OnMouseDown, &picture,
                     [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { order << QStringLiteral("down"); });
    QObject::connect(&picture, &TControl::OnClick, &picture, [&](QObject*) { order << QStringLiteral("click"); });
    QObject::connect(&picture, &TControl::OnDblClick, &picture, [&](QObject*) { order << QStringLiteral("double"); });
    QObject::connect(&picture, &TControl::OnMouseUp, &picture,
                     [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { order << QStringLiteral("up"); });

    DoubleClick(&picture, Qt::LeftButton, QPoint(4, 5));
    EXPECT_EQ(order, (QStringList{QStringLiteral("down"), QStringLiteral("click"), QStringLiteral("up"),
                                  QStringLiteral("double"), QStringLiteral("down"), QStringLiteral("up")}));
    // The next single click is a click again.
    order.clear();
    QTest::mouseClick(&picture, Qt::LeftButton, {}, QPoint(4, 5));
    EXPECT_EQ(order, (QStringList{QStringLiteral("down"), QStringLiteral("click"), QStringLiteral("up")}));
}

}  // namespace
