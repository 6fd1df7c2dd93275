#include "skincontrols/TbsSkinPageControl.h"

#include "error/KestruneError.h"
#include "framework/TApplicationEvents.h"
#include "skincontrols/TbsSkinTabSheet.h"
#include "skinui/SkinColor.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

const QRgb kHot = qRgb(182, 189, 210);
const QRgb kNavy = qRgb(0, 0, 128);
const QRgb kFocusedActive = qRgb(133, 147, 181);

// The main window's strip: 915 x 564, tabs 143 x 30 from x 90, three pages.
struct MainStrip {
    std::unique_ptr<TbsSkinPageControl> control = std::make_unique<TbsSkinPageControl>();
    TTabSheet* pages[3] = {};

    MainStrip()
    {
        control->resize(915, 564);
        control->SetTabWidth(143);
        control->SetTabHeight(30);
        control->SetTabsOffset(90);
        pages[0] = new TbsSkinTabSheet(control.get());
        pages[1] = new TTabSheet(control.get());
        pages[2] = new TTabSheet(control.get());
        for (TTabSheet* page : pages)
            page->SetPageControl(control.get());
    }

    QImage Grab() const { return control->grab().toImage(); }
};

struct DrawCall {
    int tabIndex;
    int visibleIndex;
    QRect rct;
    bool active;
    bool mouseIn;
};

TEST(TbsSkinPageControl, TabRectanglesOfTheMainStrip)
{
    MainStrip f;
    EXPECT_EQ(f.control->TabRect(2), QRect(376, 0, 519 - 376, 30));
    EXPECT_EQ(f.control->TabRect(0), QRect(91, 0, 233 - 91, 30));
    f.pages[1]->SetTabVisible(false);  // hidden tabs take no place
    EXPECT_EQ(f.control->TabRect(1), QRect(233, 0, 143, 30));
    EXPECT_TRUE(f.control->TabRect(2).isNull());
}

TEST(TbsSkinPageControl, PageAreaWithoutSkinAndTabHeightFallback)
{
    MainStrip f;
    EXPECT_EQ(f.control->PageArea(), QRect(1, 31, 913, 532));
    EXPECT_EQ(f.control->ActivePage()->geometry(), QRect(1, 31, 913, 532));
    f.control->SetTabHeight(0);
    EXPECT_EQ(f.control->PageArea().top(), 21);  // DefaultItemHeight 20 + 1
    f.control->SetDefaultItemHeight(24);
    EXPECT_EQ(f.control->ActivePage()->geometry().top(), 25);
}

TEST(TbsSkinPageControl, LeftButtonPositionsAreShiftedByTheStripOffset)
{
    MainStrip f;
    f.control->show();
    QSignalSpy downs(f.control.get(), &TPageControl::OnMouseDown);
    QSignalSpy ups(f.control.get(), &TPageControl::OnMouseUp);
    QSignalSpy moves(f.control.get(), &TPageControl::OnMouseMove);
    QTest::mouseMove(f.control.get(), QPoint(400, 12));
    QTest::mouseClick(f.control.get(), Qt::LeftButton, {}, QPoint(400, 12));
    QTest::mouseClick(f.control.get(), Qt::RightButton, {}, QPoint(400, 12));
    ASSERT_EQ(downs.size(), 2);
    ASSERT_EQ(ups.size(), 2);
    ASSERT_FALSE(moves.isEmpty());
    EXPECT_EQ(moves.last()[2].toInt(), 400);
    EXPECT_EQ(downs[0][3].toInt(), 310);
    EXPECT_EQ(ups[0][3].toInt(), 310);
    EXPECT_EQ(ups[0][4].toInt(), 12);
    EXPECT_EQ(downs[1][3].toInt(), 400) << "other buttons keep client coordinates";
    EXPECT_EQ(ups[1][3].toInt(), 400);
    // The framework selects with the shifted position, so the tab drawn at 400 is chosen.
    EXPECT_EQ(f.control->ActivePage(), f.pages[2]);
}

TEST(TbsSkinPageControl, ClicksSelectTheTabDrawnUnderThePointer)
{
    MainStrip f;
    f.control->show();
    QTest::mouseClick(f.control.get(), Qt::LeftButton, {}, QPoint(240, 5));
    EXPECT_EQ(f.control->ActivePage(), f.pages[1]);
    QTest::mouseClick(f.control.get(), Qt::LeftButton, {}, QPoint(89, 5));
    EXPECT_EQ(f.control->ActivePage(), f.pages[1]) << "left of the strip is no tab";
    f.control->SetTabsOffset(0);  // without an offset in effect nothing is shifted
    QSignalSpy ups(f.control.get(), &TPageControl::OnMouseUp);
    QTest::mouseClick(f.control.get(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(ups[0][3].toInt(), 5);
    EXPECT_EQ(f.control->ActivePage(), f.pages[0]);
    f.control->SetTabsInCenter(true);  // centred: 457 - 214 = 243
    QTest::mouseClick(f.control.get(), Qt::LeftButton, {}, QPoint(243 + 2 * 143 + 5, 5));
    EXPECT_EQ(ups[1][3].toInt(), 2 * 143 + 5);
    EXPECT_EQ(f.control->ActivePage(), f.pages[2]);
}

TEST(TbsSkinPageControl, OffsetAndCentringSettersForceATransparentStrip)
{
    TbsSkinPageControl control;
    control.SetTabsInCenter(true);
    EXPECT_FALSE(control.TabsInCenter()) << "refused while TabWidth is 0";
    EXPECT_FALSE(control.TabsBGTransparent());
    control.SetTabWidth(100);
    control.SetTabsInCenter(true);
    EXPECT_TRUE(control.TabsInCenter());
    EXPECT_TRUE(control.TabsBGTransparent());
    control.SetTabsBGTransparent(false);
    control.SetTabsOffset(-3);
    EXPECT_FALSE(control.TabsBGTransparent());
    control.SetTabsOffset(90);
    EXPECT_TRUE(control.TabsBGTransparent());
    control.SetTabMargin(-2);
    EXPECT_EQ(control.TabMargin(), -1);
    control.SetTabMargin(4);
    EXPECT_EQ(control.TabMargin(), 4);
}

TEST(TbsSkinPageControl, RemovingPagesActivatesTheFollowingOrTheFirst)
{
    {
        MainStrip f;
        f.control->SetActivePage(f.pages[2]);
        QSignalSpy changes(f.control.get(), &TPageControl::OnChange);
        delete f.pages[2];
        EXPECT_EQ(f.control->ActivePage(), f.pages[0]);
        EXPECT_EQ(changes.size(), 1);
    }
    {
        MainStrip f;
        delete f.pages[1];
        EXPECT_EQ(f.control->ActivePage(), f.pages[2]);
        EXPECT_EQ(f.control->TabIndex(), 1);
        EXPECT_EQ(f.control->TabRect(1), QRect(233, 0, 143, 30));
    }
}

TEST(TbsSkinPageControl, OwnerDrawGetsEachTabsOwnBitmapAndItsPixelsAreCopied)
{
    MainStrip f;
    f.pages[1]->SetTabVisible(false);
    std::vector<DrawCall> calls;
    f.control->OnDrawSkinTab = [&](int tabIndex, int visibleIndex, QRect rct, bool active, bool mouseIn,
                                   QPainter* cnvs) {
        calls.push_back({tabIndex, visibleIndex, rct, active, mouseIn});
        EXPECT_EQ(cnvs->brush().style(), Qt::NoBrush);
        EXPECT_EQ(cnvs->font(), f.control->Font());
        cnvs->fillRect(QRect(0, 0, 4, 4), Qt::red);
    };
    const QImage face = f.Grab();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].tabIndex, 0);
    EXPECT_EQ(calls[0].rct, QRect(0, 0, 142, 30));
    EXPECT_TRUE(calls[0].active);
    EXPECT_EQ(calls[1].tabIndex, 2) << "page index, counting the hidden tab";
    EXPECT_EQ(calls[1].visibleIndex, 1) << "and its place in the strip, without it";
    EXPECT_EQ(calls[1].rct, QRect(0, 0, 143, 30));
    EXPECT_FALSE(calls[1].active);
    EXPECT_FALSE(calls[1].mouseIn);
    EXPECT_EQ(face.pixelColor(91, 0), QColor(Qt::red));
    EXPECT_EQ(face.pixelColor(233 + 3, 3), QColor(Qt::red));
    EXPECT_NE(face.pixelColor(233 + 4, 4), QColor(Qt::red));
}

TEST(TbsSkinPageControl, PlainLookFillsTabsByState)
{
    MainStrip f;
    f.control->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.control.get()));
    f.control->clearFocus();
    QTest::mouseMove(f.control.get(), QPoint(300, 10));  // over the second tab
    ASSERT_EQ(f.control->HotTab(), 1);
    const QRgb face = SystemColor(SkinColor::kButtonFace).rgb();
    QImage image = f.Grab();
    EXPECT_EQ(image.pixel(300, 10), kHot);
    EXPECT_EQ(image.pixel(450, 10), face);
    EXPECT_EQ(image.pixel(91, 0), kNavy);
    EXPECT_EQ(image.pixel(232, 29), kNavy);
    EXPECT_EQ(image.pixel(92, 1), kHot) << "active without the focus";
    EXPECT_EQ(image.pixel(5, 5), face);
    const QRgb shadow = SystemColor(SkinColor::kButtonShadow).rgb();
    EXPECT_EQ(image.pixel(0, 30), shadow);      // frame around the page area
    EXPECT_EQ(image.pixel(914, 563), shadow);
    EXPECT_EQ(image.pixel(913, 562), face);     // inside, under no sheet here

    f.control->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.control.get()));
    f.control->setFocus();
    ASSERT_TRUE(f.control->hasFocus());
    EXPECT_EQ(f.Grab().pixel(92, 1), kFocusedActive);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(f.control.get(), &leave);
    EXPECT_EQ(f.control->HotTab(), -1);
    EXPECT_EQ(f.Grab().pixel(300, 10), face);
}

TEST(TbsSkinPageControl, WithoutOwnerDrawTheCaptionIsCentred)
{
    TbsSkinPageControl control;
    control.resize(300, 100);
    control.SetTabWidth(100);
    control.SetTabHeight(30);
    auto* sheet = new TTabSheet(&control);
    sheet->SetCaption(QStringLiteral("WWW"));
    sheet->SetPageControl(&control);
    control.SetFontColor(Qt::black);
    const QImage image = control.grab().toImage();
    const int textWidth = QFontMetrics(control.Font()).horizontalAdvance(QStringLiteral("WWW"));
    int firstInk = -1;
    for (int x = 3; x < 98 && firstInk < 0; ++x) {  // inside the active tab's navy frame
        for (int y = 2; y < 28; ++y) {
            if (qGray(image.pixel(x, y)) < 100) {
                firstInk = x;
                break;
            }
        }
    }
    ASSERT_GE(firstInk, 0) << "the caption is drawn";
    EXPECT_NEAR(firstInk, 1 + (99 - textWidth) / 2, 2);  // the first tab's bitmap is 99 wide at x 1
}

TEST(TbsSkinPageControl, NothingIsPaintedBelowOnePixel)
{
    MainStrip f;
    int calls = 0;
    f.control->OnDrawSkinTab = [&](int, int, QRect, bool, bool, QPainter*) { ++calls; };
    f.control->resize(0, 564);
    f.control->grab();
    EXPECT_EQ(calls, 0);
}

TEST(TbsSkinPageControl, ARaisingDrawHandlerIsReportedPerTabAndTheOtherTabsAreStillDrawn)
{
    MainStrip f;
    TApplicationEvents hub;
    int reported = 0;
    QObject::connect(&hub, &TApplicationEvents::OnException, &hub, [&](QObject*, const std::exception&) { ++reported; });
    f.control->OnDrawSkinTab = [](int tabIndex, int, QRect, bool, bool, QPainter* cnvs) {
        if (tabIndex == 1)
            throw KestruneError(QStringLiteral("no picture"));
        cnvs->fillRect(QRect(0, 0, 4, 4), Qt::red);
    };
    const QImage face = f.Grab();
    EXPECT_EQ(reported, 1);
    EXPECT_EQ(face.pixelColor(91, 0), QColor(Qt::red));
    EXPECT_EQ(face.pixelColor(376, 0), QColor(Qt::red)) << "the tab after the failing one";
    f.control->OnDrawSkinTab = nullptr;
    EXPECT_NE(f.Grab().pixelColor(91, 0), QColor(Qt::red));
}

}  // namespace

namespace {

// 600 x 200 with three 100 x 30 tabs that carry close buttons.
struct ClosingStrip {
    std::unique_ptr<TbsSkinPageControl> control = std::make_unique<TbsSkinPageControl>();
    QPointer<TTabSheet> pages[3];

    ClosingStrip()
    {
        control->resize(600, 200);
        control->SetTabWidth(100);
        control->SetTabHeight(30);
        control->SetShowCloseButtons(true);
        control->SetFreeOnClose(true);
        for (auto& page : pages) {
            page = new TTabSheet(control.get());
            page->SetPageControl(control.get());
        }
        control->show();
    }

    QPoint ButtonCentre(int visibleIndex) const { return control->CloseButtonRect(visibleIndex).center(); }
};

TEST(TbsSkinPageControl, CloseButtonsSitAtTheTabsRightEndAndLightUnderThePointer)
{
    ClosingStrip f;
    EXPECT_EQ(f.control->CloseButtonRect(1), QRect(100 + 100 - 16, 8, 14, 14));
    // The cross meets in the middle of the button.
    const QPoint middle = f.control->CloseButtonRect(1).adjusted(3, 3, -4, -4).center();
    EXPECT_EQ(f.control->grab().toImage().pixel(middle), qRgb(0, 0, 0));
    QTest::mouseMove(f.control.get(), f.ButtonCentre(1));
    EXPECT_EQ(f.control->grab().toImage().pixel(middle), qRgb(255, 255, 255));
    QTest::mouseMove(f.control.get(), QPoint(150, 5));
    EXPECT_EQ(f.control->grab().toImage().pixel(middle), qRgb(0, 0, 0));
    QTest::mouseMove(f.control.get(), f.ButtonCentre(1));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(f.control.get(), &leave);
    EXPECT_EQ(f.control->grab().toImage().pixel(middle), qRgb(0, 0, 0)) << "dark again once the pointer left";
    f.control->SetShowCloseButtons(false);
    EXPECT_TRUE(f.control->CloseButtonRect(1).isNull());
}

TEST(TbsSkinPageControl, PressAndReleaseOnACloseButtonClosesThatPage)
{
    ClosingStrip f;
    std::vector<TTabSheet*> closes;
    f.control->OnClose = [&](TTabSheet* page, bool&) { closes.push_back(page); };
    const TTabSheet* closing = f.pages[1];
    QSignalSpy afterCloses(f.control.get(), &TbsSkinPageControl::OnAfterClose);
    QTest::mouseMove(f.control.get(), f.ButtonCentre(1));
    QTest::mousePress(f.control.get(), Qt::LeftButton, {}, f.ButtonCentre(1));
    QTest::mouseRelease(f.control.get(), Qt::LeftButton, {}, f.ButtonCentre(1));
    ASSERT_EQ(closes.size(), 1u);
    EXPECT_EQ(closes[0], closing);
    EXPECT_EQ(afterCloses.size(), 1);
    EXPECT_TRUE(f.pages[1].isNull()) << "freed with FreeOnClose";
    EXPECT_EQ(f.control->PageCount(), 2);
    EXPECT_EQ(f.control->ActivePage(), f.pages[2].data());
}

TEST(TbsSkinPageControl, CloseNeedsPressAndReleaseOnTheSameButtonAndCanBeRefused)
{
    ClosingStrip f;
    bool allow = true;
    int closes = 0;
    f.control->OnClose = [&](TTabSheet*, bool& canClose) {
        ++closes;
        canClose = allow;
    };
    QTest::mouseMove(f.control.get(), f.ButtonCentre(0));
    QTest::mousePress(f.control.get(), Qt::LeftButton, {}, f.ButtonCentre(0));
    QTest::mouseRelease(f.control.get(), Qt::LeftButton, {}, QPoint(300, 100));
    QTest::mouseRelease(f.control.get(), Qt::LeftButton, {}, f.ButtonCentre(0));
    EXPECT_EQ(closes, 0) << "a release elsewhere clears the press";

    allow = false;
    QTest::mousePress(f.control.get(), Qt::LeftButton, {}, f.ButtonCentre(0));
    QTest::mouseRelease(f.control.get(), Qt::LeftButton, {}, f.ButtonCentre(0));
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(f.pages[0].isNull());
    EXPECT_TRUE(f.pages[0]->TabVisible());
    EXPECT_EQ(f.control->PageCount(), 3);
}

TEST(TbsSkinPageControl, AClosedPageThatIsKeptLosesOnlyItsTab)
{
    ClosingStrip f;
    f.control->SetFreeOnClose(false);
    QTest::mouseMove(f.control.get(), f.ButtonCentre(0));
    QTest::mouseClick(f.control.get(), Qt::LeftButton, {}, f.ButtonCentre(0));
    ASSERT_FALSE(f.pages[0].isNull());
    EXPECT_FALSE(f.pages[0]->TabVisible());
    EXPECT_EQ(f.control->PageCount(), 3);
    EXPECT_EQ(f.control->ActivePage(), f.pages[1].data()) << "the tab that took its place";
}

TEST(TbsSkinPageControl, ACloseHandlerThatFreesThePageItselfIsSafe)
{
    ClosingStrip f;
    QSignalSpy afterCloses(f.control.get(), &TbsSkinPageControl::OnAfterClose);
    f.control->OnClose = [](TTabSheet* page, bool&) { delete page; };
    QTest::mouseMove(f.control.get(), f.ButtonCentre(2));
    QTest::mouseClick(f.control.get(), Qt::LeftButton, {}, f.ButtonCentre(2));
    EXPECT_TRUE(f.pages[2].isNull());
    EXPECT_EQ(f.control->PageCount(), 2);
    EXPECT_EQ(afterCloses.size(), 0);
}

void Wheel(QWidget* widget, int angle)
{
    QWheelEvent event(QPointF(50, 10), widget->mapToGlobal(QPointF(50, 10)), QPoint(), QPoint(0, angle),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &event);
}

TEST(TbsSkinPageControl, WheelStepsThroughPagesWithTabsWithoutWrapping)
{
    ClosingStrip f;
    f.pages[1]->SetTabVisible(false);
    Wheel(f.control.get(), -120);
    EXPECT_EQ(f.control->ActivePage(), f.pages[0].data()) << "off by default";
    f.control->SetMouseWheelSupport(true);
    Wheel(f.control.get(), -120);
    EXPECT_EQ(f.control->ActivePage(), f.pages[2].data());
    Wheel(f.control.get(), -120);
    EXPECT_EQ(f.control->ActivePage(), f.pages[2].data());
    Wheel(f.control.get(), 120);
    EXPECT_EQ(f.control->ActivePage(), f.pages[0].data());
    Wheel(f.control.get(), 120);
    EXPECT_EQ(f.control->ActivePage(), f.pages[0].data());
}

}  // namespace
