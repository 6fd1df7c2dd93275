#include "framework/TLabel.h"
#include "support/Wait.h"

#include <QPaintEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Notes the region of every paint of a widget.
class PaintRegions : public QObject {
public:
    explicit PaintRegions(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            regions.append(static_cast<QPaintEvent*>(event)->region());
        return false;
    }
    QList<QRegion> regions;
};

TEST(TLabel, CutsLongTextsWithAnEllipsisAndRepaintsOnlyWhatChanged)
{
    QWidget strip;
    strip.resize(400, 30);
    auto* label = new TLabel(&strip);
    label->setGeometry(8, 4, 200, 14);
    strip.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&strip));

    PaintRegions paints(label);
    label->SetCaption(QStringLiteral("正在下载 setup.bin 41%"));
    ASSERT_TRUE(WaitFor([&] { return !paints.regions.isEmpty(); }));
    paints.regions.clear();
    label->SetCaption(QStringLiteral("正在下载 setup.bin 42%"));
    ASSERT_TRUE(WaitFor([&] { return !paints.regions.isEmpty(); }));
    const QRect repainted = paints.regions.constLast().boundingRect();
    const int unchanged = label->fontMetrics().horizontalAdvance(QStringLiteral("正在下载 setup.bin "));
    EXPECT_GE(repainted.left(), unchanged - 2);
    EXPECT_LE(repainted.right(), label->fontMetrics().horizontalAdvance(label->Caption()) + 2);

    label->SetCaption(QStringLiteral("http://games.example.com/") + QString(200, u'x') + QStringLiteral("\nsecond line"));
    const QString shown = label->ShownText();
    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    EXPECT_FALSE(shown.contains(u'\n'));
    EXPECT_LE(label->fontMetrics().horizontalAdvance(shown), label->width());
}

}  // namespace
