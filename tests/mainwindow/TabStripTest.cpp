#include "support/MainWindowFixture.h"

#include "framework/TTabSheet.h"
#include "framework/TTimer.h"
#include "skincontrols/TbsSkinPageControl.h"
#include "skincontrols/TbsSkinTabSheet.h"
#include "skincontrols/TbsSkinUpDown.h"

#include <QPointer>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {

class TabStrip : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        form->OpenTab(portal.Url(QStringLiteral("games.html")), nullptr);
        form->OpenTab(portal.Url(QStringLiteral("user.html")), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        Pages()->Refresh();  // paints every tab, which places the glyphs
    }
    TbsSkinPageControl* Pages() const { return form->bsSkinPageControl; }
    void MoveTo(QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, at, Pages()->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Pages(), &move);
    }
};

TEST_F(TabStrip, GlyphsSitAtTheRightOfEveryTabButTheMain)
{
    ASSERT_EQ(QFontMetrics(Pages()->Font()).height(), 14);
    const CloseGlyphTable::Entry& third = form->CloseGlyphs()[2];
    EXPECT_EQ(QRect(QPoint(third.Left, third.Top), QPoint(third.Right, third.Bottom)), QRect(QPoint(500, 8), QPoint(512, 20)));
    const CloseGlyphTable::Entry& second = form->CloseGlyphs()[1];
    EXPECT_EQ(second.Left, 90 + 143 + 124);
    const CloseGlyphTable::Entry& main = form->CloseGlyphs()[0];
    EXPECT_EQ(main.Right - main.Left, 0);
}

TEST_F(TabStrip, TheGlyphUnderThePointerLightsUp)
{
    MoveTo(QPoint(505, 12));
    EXPECT_FALSE(form->CloseGlyphs()[2].PointerOutside);
    EXPECT_TRUE(form->CloseGlyphs()[1].PointerOutside);
    const QImage lit = Pages()->grab(QRect(500, 8, 12, 13)).toImage();
    MoveTo(QPoint(300, 12));
    EXPECT_TRUE(form->CloseGlyphs()[2].PointerOutside);
    const QImage dark = Pages()->grab(QRect(500, 8, 12, 13)).toImage();
    EXPECT_NE(lit, dark);
}

TEST_F(TabStrip, ALeftReleaseOnAGlyphClosesItsTabOnTheNextTick)
{
    QPointer<TTabSheet> third = Pages()->Page(2);
    // Pressed elsewhere, released over the glyph: only the release counts.
    QTest::mousePress(Pages(), Qt::LeftButton, {}, QPoint(150, 15));
    QTest::mouseRelease(Pages(), Qt::LeftButton, {}, QPoint(505, 12));
    EXPECT_EQ(form->TimerCloseTab->Tag(), 2);
    EXPECT_TRUE(form->TimerCloseTab->Enabled());
    EXPECT_FALSE(third.isNull());
    ASSERT_TRUE(WaitFor([&] { return third.isNull(); }));
    EXPECT_EQ(Pages()->PageCount(), 2);
}

TEST_F(TabStrip, GlyphsAreHitWhereTheyAreDrawnWhereverTheStripLies)
{
    // Centred instead of offset, and with a hidden tab before the last page: the third page's
    // glyph sits 124 pixels into the tab the page control draws for it.
    const std::function<void()> layouts[] = {
        [&] {
            Pages()->SetTabsOffset(0);
            Pages()->SetTabsInCenter(true);
        },
        [&] { Pages()->Page(1)->SetTabVisible(false); },
    };
    for (const auto& layout : layouts) {
        layout();
        Pages()->Refresh();
        const QRect tab = Pages()->TabRect(Pages()->VisibleIndexOf(Pages()->Page(2)));
        const QPoint glyph = tab.topLeft() + QPoint(124 + 5, 8 + 4);
        MoveTo(glyph);
        EXPECT_FALSE(form->CloseGlyphs()[2].PointerOutside) << "lit under the pointer at " << glyph.x();
        QTest::mouseClick(Pages(), Qt::LeftButton, {}, glyph);
        EXPECT_EQ(form->TimerCloseTab->Tag(), 2);
        EXPECT_TRUE(form->TimerCloseTab->Enabled());
        form->TimerCloseTab->SetEnabled(false);
    }
}

TEST_F(TabStrip, ALongTitleStopsBeforeTheGlyph)
{
    // However long the title, nothing is drawn over the glyph, whose column looks as it does
    // beside an empty caption.
    const QRect glyphColumn = QRect(124, 0, 143 - 124, 30).translated(Pages()->TabRect(1).topLeft());
    const QRect captionStart = QRect(25, 0, 20, 30).translated(Pages()->TabRect(1).topLeft());
    Pages()->Page(1)->SetCaption(QString());
    const QImage beside = Pages()->grab(glyphColumn).toImage();
    const QImage noTitle = Pages()->grab(captionStart).toImage();
    Pages()->Page(1)->SetCaption(QString(4000, u'W') + QStringLiteral("&&"));
    EXPECT_EQ(Pages()->grab(glyphColumn).toImage(), beside);
    EXPECT_NE(Pages()->grab(captionStart).toImage(), noTitle) << "the title is drawn";
}

TEST_F(TabStrip, TwelveTabsScrollWithTheArrowsAndTheLastClosesByItsGlyph)
{
    ASSERT_EQ(Pages()->width(), 1272);
    for (int i = 3; i < 12; ++i) {
        auto* sheet = new TbsSkinTabSheet(Pages());
        sheet->SetCaption(QStringLiteral("Tab %1").arg(i));
        sheet->SetPageControl(Pages());
    }
    TbsSkinUpDown* arrows = Pages()->UpDown();
    ASSERT_NE(arrows, nullptr);
    const QPoint up = arrows->Buttons().rects[0].center();
    const QRect second = Pages()->TabRect(1);
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(arrows, Qt::LeftButton, {}, up);
    EXPECT_EQ(Pages()->TabRect(1), second.translated(-3 * 143, 0));
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(arrows, Qt::LeftButton, {}, up);

    QPointer<TTabSheet> last = Pages()->Page(11);
    const QRect tab = Pages()->TabRect(11);
    ASSERT_LE(tab.right(), arrows->x());
    QTest::mouseClick(Pages(), Qt::LeftButton, {}, tab.center());
    EXPECT_EQ(Pages()->ActivePage(), last.data());
    Pages()->Refresh();
    const QPoint glyph = tab.topLeft() + QPoint(124 + 5, 8 + 4);
    MoveTo(glyph);
    QTest::mouseClick(Pages(), Qt::LeftButton, {}, glyph);
    ASSERT_TRUE(WaitFor([&] { return last.isNull(); }));

    // Closing tabs until the rest fit takes the arrows away. Each closes by its glyph where
    // the strip shows it once it is the active tab (closing one activates the main tab).
    while (Pages()->UpDown()) {
        QPointer<TTabSheet> closing = Pages()->Page(Pages()->PageCount() - 1);
        Pages()->SetActivePage(closing);
        const QRect place = Pages()->TabRect(Pages()->VisibleIndexOf(closing));
        QTest::mouseClick(Pages(), Qt::LeftButton, {}, place.topLeft() + QPoint(124 + 5, 8 + 4));
        ASSERT_TRUE(WaitFor([&] { return closing.isNull(); }));
    }
    EXPECT_EQ(Pages()->PageCount(), 8);
    EXPECT_EQ(Pages()->ScrolledTabs(), 0);
}

TEST_F(TabStrip, AGlyphLightsOnlyWhereThePointerWasLastSeenAsTheStripLiesNow)
{
    // Twelve tabs, scrolled as far as they go, the pointer on the glyph in the third place of
    // the strip and then on the arrows: once the strip moves under it, by the arrows or a
    // wider window, no glyph is lit, though another tab's glyph now lies where it was seen.
    const QPoint onGlyph(505, 12);
    const std::function<void(TbsSkinUpDown*)> moves[] = {
        [&](TbsSkinUpDown* arrows) { QTest::mouseClick(arrows, Qt::LeftButton, {}, arrows->Buttons().rects[1].center()); },
        [&](TbsSkinUpDown*) {
            const int wider = Pages()->width() + 143;
            form->resize(form->width() + 143, form->height());
            ASSERT_TRUE(WaitFor([&] { return Pages()->width() == wider; }));
        },
    };
    for (int i = 3; i < 12; ++i)
        (new TbsSkinTabSheet(Pages()))->SetPageControl(Pages());
    for (const auto& move : moves) {
        TbsSkinUpDown* arrows = Pages()->UpDown();
        ASSERT_NE(arrows, nullptr);
        while (Pages()->ScrolledTabs() < 5)
            QTest::mouseClick(arrows, Qt::LeftButton, {}, arrows->Buttons().rects[0].center());
        MoveTo(onGlyph);
        ASSERT_FALSE(form->CloseGlyphs()[7].PointerOutside);
        QMouseEvent over(QEvent::MouseMove, QPoint(5, 5), arrows->mapToGlobal(QPoint(5, 5)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(arrows, &over);
        move(arrows);
        ASSERT_EQ(Pages()->ScrolledTabs(), 4);
        // The tab now under the old place beside the next one, both behind the active tab.
        const QRect glyph(500, 8, 12, 13);
        const QImage seen = Pages()->grab(glyph).toImage();
        EXPECT_EQ(seen, Pages()->grab(glyph.translated(143, 0)).toImage()) << "a glyph is lit";
        for (int page = 1; page < Pages()->PageCount(); ++page)
            EXPECT_TRUE(form->CloseGlyphs()[page].PointerOutside) << page;
    }
}

// The contrast ratio of two colours by their relative luminance, 1 to 21.
double Contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

TEST_F(TabStrip, AHoveredCaptionStandsOutFromItsTab)
{
    // Its colour against the top and bottom rows of the hovered tab's picture, beside the text.
    const QRect tab = Pages()->TabRect(1);
    MoveTo(tab.topLeft() + QPoint(60, 15));
    ASSERT_EQ(Pages()->HotTab(), 1);
    const QColor caption = Pages()->Skin().TabFontColor(TabPaintFlag::MouseIn);
    const QImage face = Pages()->grab(tab).toImage();
    for (const int y : {3, tab.height() - 3})
        EXPECT_GE(Contrast(caption, face.pixelColor(100, y)), 4.5) << y;
}

TEST_F(TabStrip, OtherReleasesCloseNothing)
{
    QTest::mouseRelease(Pages(), Qt::RightButton, {}, QPoint(505, 12));
    QTest::mouseRelease(Pages(), Qt::LeftButton, {}, QPoint(215, 12));  // the main tab's place
    QTest::mouseRelease(Pages(), Qt::LeftButton, {}, QPoint(400, 25));  // in a tab, below its glyph
    EXPECT_FALSE(form->TimerCloseTab->Enabled());
    EXPECT_EQ(Pages()->PageCount(), 3);
}

}  // namespace
