#include "skincontrols/TbsSkinLabel.h"
#include "skincontrols/TbsSkinTextLabel.h"

#include "skin/TbsSkinMessageEvent.h"
#include "skincontrols/CraftedSkin.h"
#include "skinui/SkinColor.h"
#include "skinui/SkinText.h"

#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(TbsSkinLabel, PlainBordersByStyle)
{
    const QRgb face = SystemColor(SkinColor::kButtonFace).rgb();
    const QRgb shadow = SystemColor(SkinColor::kButtonShadow).rgb();
    const QRgb light = SystemColor(SkinColor::kButtonHighlight).rgb();
    const struct {
        TbsLabelBorderStyle style;
        QRgb topLeft, bottomRight;
    } rows[] = {
        {bvFrame, shadow, shadow},
        {bvRaised, light, shadow},
        {bvLowered, shadow, light},
        {bvNone, face, face},
    };
    for (const auto& row : rows) {
        TbsSkinLabel label;
        label.SetBorderStyle(row.style);
        const QImage image = label.grab().toImage();
        EXPECT_EQ(image.pixel(0, 10), row.topLeft) << row.style;
        EXPECT_EQ(image.pixel(30, 0), row.topLeft) << row.style;
        EXPECT_EQ(image.pixel(74, 10), row.bottomRight) << row.style;
        EXPECT_EQ(image.pixel(30, 20), row.bottomRight) << row.style;
        EXPECT_EQ(image.pixel(1, 1), face) << row.style;
    }
}

TEST(TbsSkinLabel, CaptionSizesTheLabelAndIsShortenedWhenAsked)
{
    TbsSkinLabel label;
    label.SetCaption(QStringLiteral("清理完成 done"));
    EXPECT_EQ(label.width(), 75) << "no auto-size by default";
    label.SetAutoSize(true);
    const int textWidth = SkinTextWidth(QFontMetrics(label.DefaultFont()), label.Caption());
    EXPECT_EQ(label.width(), textWidth + 4);
    EXPECT_EQ(label.TextArea(), label.rect().adjusted(3, 3, -3, -3));

    // Shortened, the caption ends before the text area does; otherwise it runs to the edge.
    const auto lastInk = [](const QImage& image) {
        int last = -1;
        for (int x = 0; x < image.width() - 1; ++x)
            for (int y = 4; y < image.height() - 4; ++y)
                if (qGray(image.pixel(x, y)) < 100)
                    last = x;
        return last;
    };
    TbsSkinLabel narrow;
    narrow.SetBorderStyle(bvNone);
    narrow.SetCaption(QStringLiteral("WWWWWWWWWWWWWWWWWWWW"));
    EXPECT_GE(lastInk(narrow.grab().toImage()), narrow.width() - 4);
    narrow.SetEllipsType(bsetEllips);
    EXPECT_LT(lastInk(narrow.grab().toImage()), narrow.width() - 4);
}

TEST(TbsSkinLabel, ASkinLabelTakesItsFontColourOnTheSkinsFace)
{
    const auto store = CraftedSkin::Store(
        {}, QStringList{QStringLiteral("[SKINCOLORS]"), QStringLiteral("cbtnface=0x00204060")}
                + CraftedSkin::OneControl(QStringLiteral("label"), QStringLiteral("label"),
                                          {QStringLiteral("fontcolor=0x000000FF"), QStringLiteral("fontheight=40")}));
    TbsSkinLabel label;
    label.resize(200, 60);
    label.SetSkinData(store.get());
    label.SetCaption(QStringLiteral("HH"));
    const QImage image = label.grab().toImage();
    EXPECT_EQ(image.pixel(199, 0), qRgb(0x60, 0x40, 0x20)) << "no picture: the skin's face";
    EXPECT_TRUE(label.TextArea() == label.rect()) << "an object without rectangles: the whole label";
    int red = 0;
    for (int x = 0; x < 200; ++x)
        red += image.pixel(x, 30) == qRgb(255, 0, 0) ? 1 : 0;
    EXPECT_GT(red, 0) << "the skin's font colour";
}

// A window of one colour with a text label on it.
struct Backdrop {
    QWidget window;
    TbsSkinTextLabel* label = new TbsSkinTextLabel(&window);

    Backdrop()
    {
        window.resize(300, 200);
        window.setAutoFillBackground(true);
        QPalette palette;
        palette.setColor(QPalette::Window, QColor(10, 90, 10));
        window.setPalette(palette);
        QFont big = label->DefaultFont();
        big.setPixelSize(40);
        label->SetDefaultFont(big);
        label->SetDefaultFontColor(QColor(250, 250, 250));
        label->SetLines({QStringLiteral("H")});
    }
    QImage Grab() { return window.grab().toImage(); }
    // Rows of the window holding a pixel of that exact colour.
    QList<int> RowsWith(QRgb color)
    {
        const QImage image = Grab();
        QList<int> rows;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == color) {
                    rows.append(y);
                    break;
                }
        return rows;
    }
};

TEST(TbsSkinTextLabel, DrawsOnItsParentAndSizesItselfToItsText)
{
    Backdrop f;
    const QSize text = f.label->TextSize();
    EXPECT_EQ(f.label->size(), text) << "auto-sized";
    EXPECT_EQ(text.height(), QFontMetrics(f.label->TextFont()).height()) << "one line: the last line break adds none";
    const QImage image = f.Grab();
    EXPECT_EQ(image.pixel(1, 1), qRgb(10, 90, 10)) << "no background of its own";
    EXPECT_FALSE(f.RowsWith(qRgb(250, 250, 250)).isEmpty());

    f.label->move(200, 0);
    f.label->SetAlignment(Qt::AlignRight);
    f.label->SetLines({QStringLiteral("H"), QStringLiteral("HHH")});
    EXPECT_EQ(f.label->x() + f.label->width(), 200 + text.width()) << "right-aligned, the right edge stays";
    EXPECT_EQ(f.label->height(), 2 * text.height());
}

TEST(TbsSkinTextLabel, LayoutMovesTheTextDownAndDisabledTextIsEmbossed)
{
    Backdrop f;
    f.label->SetAutoSize(false);
    f.label->resize(300, 200);
    const QRgb white = qRgb(250, 250, 250);
    const int top = f.RowsWith(white).first();
    const int free = 200 - f.label->TextSize().height();
    f.label->SetLayout(tlCenter);
    EXPECT_EQ(f.RowsWith(white).first(), top + free / 2);
    f.label->SetLayout(tlBottom);
    EXPECT_EQ(f.RowsWith(white).first(), top + free);

    f.label->setEnabled(false);
    const QList<int> light = f.RowsWith(SystemColor(SkinColor::kButtonHighlight).rgb());
    const QList<int> dark = f.RowsWith(SystemColor(SkinColor::kButtonShadow).rgb());
    ASSERT_FALSE(light.isEmpty());
    ASSERT_FALSE(dark.isEmpty());
    EXPECT_EQ(light.last(), dark.last() + 1) << "the highlight one pixel below the shadow";
    EXPECT_TRUE(f.RowsWith(white).isEmpty());
}

TEST(TbsSkinTextLabel, FollowsItsStoresSkinMessages)
{
    const auto store = CraftedSkin::Store({}, CraftedSkin::OneControl(QStringLiteral("stdlabel"), QStringLiteral("stdlabel"),
                                                                      {QStringLiteral("fontcolor=0x00FF0000"),
                                                                       QStringLiteral("fontheight=30")}));
    Backdrop f;
    f.label->SetSkinData(store.get());
    EXPECT_EQ(f.label->TextColor(), QColor(0, 0, 255));
    const int skinLine = QFontMetrics(f.label->TextFont()).height();
    EXPECT_LE(skinLine, 30);
    EXPECT_GT(skinLine, 20);
    EXPECT_EQ(f.label->height(), f.label->TextSize().height()) << "auto-sized to the skin's font";

    // The notices a form frame passes on: the store's broadcast has run the steps already.
    TbsSkinMessageEvent begin(TbsSkinMessageEvent::SkinChangeBegin, store.get());
    EXPECT_TRUE(QCoreApplication::sendEvent(f.label, &begin)) << "taken";
    EXPECT_EQ(f.label->TextColor(), QColor(0, 0, 255)) << "and nothing run for it";
    // The store's own notice does run the step.
    Q_EMIT store->OnSkinMessage(TbsSkinMessageEvent::SkinChangeBegin);
    EXPECT_EQ(f.label->TextColor(), QColor(250, 250, 250)) << "the skin object is forgotten";
    Q_EMIT store->OnSkinMessage(TbsSkinMessageEvent::SkinChanged);
    EXPECT_EQ(f.label->TextColor(), QColor(0, 0, 255));
}

}  // namespace
