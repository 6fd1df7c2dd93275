// The page control drawn from a tab skin, its skin-change step and its scroll arrows.
#include "support/Wait.h"
#include "skincontrols/TbsSkinPageControl.h"

#include "framework/TImage.h"
#include "skin/TbsSkinMessageEvent.h"
#include "skincontrols/CraftedSkin.h"
#include "skincontrols/TbsSkinTabSheet.h"
#include "skincontrols/TbsSkinUpDown.h"

#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

const QRgb kFrame = qRgb(90, 90, 90);
const QRgb kClient = qRgb(240, 240, 200);
const QRgb kTab = qRgb(200, 0, 0);
const QRgb kActiveTab = qRgb(0, 200, 0);
const QRgb kHotTab = qRgb(0, 0, 200);
const QRgb kStrip = qRgb(200, 200, 0);
const QRgb kClose = qRgb(0, 200, 200);
const QRgb kCloseHot = qRgb(200, 0, 200);

// A "tab" object: a 20 x 20 frame with 2-pixel borders, 10-pixel-high tabs per state, a strip
// background and close-button pictures.
std::unique_ptr<TbsSkinData> TabSkin()
{
    const QImage picture = CraftedSkin::Blocks(120, 20, {{QRect(0, 0, 20, 20), kFrame},
                                                         {QRect(2, 2, 16, 16), kClient},
                                                         {QRect(20, 0, 20, 10), kTab},
                                                         {QRect(40, 0, 20, 10), kActiveTab},
                                                         {QRect(60, 0, 20, 10), kHotTab},
                                                         {QRect(80, 0, 10, 10), kStrip},
                                                         {QRect(90, 0, 6, 6), kClose},
                                                         {QRect(100, 0, 6, 6), kCloseHot}});
    return CraftedSkin::Store(
        {picture}, CraftedSkin::OneControl(QStringLiteral("tab"), QStringLiteral("tab"),
                                           {QStringLiteral("pictureindex=0"), QStringLiteral("skinrect=0,0,20,20"),
                                            QStringLiteral("clientrect=2,2,18,18"), QStringLiteral("lefttoppoint=2,2"),
                                            QStringLiteral("righttoppoint=18,2"), QStringLiteral("leftbottompoint=2,18"),
                                            QStringLiteral("rightbottompoint=18,18"), QStringLiteral("tabrect=20,0,40,10"),
                                            QStringLiteral("activetabrect=40,0,60,10"),
                                            QStringLiteral("mouseintabrect=60,0,80,10"),
                                            QStringLiteral("tabsbgrect=80,0,90,10"), QStringLiteral("fontcolor=0x00123456"),
                                            QStringLiteral("closebuttonrect=90,0,96,6"),
                                            QStringLiteral("closebuttonactiverect=100,0,106,6")}));
}

// A page control 300 x 100 on a window, three tabs 50 wide.
struct Strip {
    QWidget window;
    TbsSkinPageControl* control = new TbsSkinPageControl(&window);

    explicit Strip(int tabs = 3, int tabWidth = 50)
    {
        window.resize(400, 200);
        control->setGeometry(0, 0, 300, 100);
        control->SetTabWidth(qint16(tabWidth));
        for (int i = 0; i < tabs; ++i) {
            auto* sheet = new TbsSkinTabSheet(control);
            sheet->SetCaption(QString());
            sheet->SetPageControl(control);
        }
        window.show();
    }
    QImage Grab() const { return control->grab().toImage(); }
    void Send(int message, TbsSkinData* store)
    {
        TbsSkinMessageEvent event(message, store);
        QCoreApplication::sendEvent(control, &event);
    }
};

TEST(TbsSkinPageControlSkin, TabsFrameAndStripAreDrawnFromTheSkin)
{
    const auto store = TabSkin();
    Strip f;
    f.control->SetSkinData(store.get());
    EXPECT_EQ(f.control->PageArea(), QRect(2, 12, 296, 86)) << "tabs 10 high, borders 2 wide";
    EXPECT_EQ(f.control->ActivePage()->geometry(), f.control->PageArea());
    EXPECT_EQ(f.control->FontColor(), QColor(0x56, 0x34, 0x12));
    QTest::mouseMove(f.control, QPoint(75, 5));
    const QImage image = f.Grab();
    EXPECT_EQ(image.pixel(25, 5), kActiveTab);
    EXPECT_EQ(image.pixel(75, 5), kHotTab);
    EXPECT_EQ(image.pixel(125, 5), kTab);
    EXPECT_EQ(image.pixel(200, 5), kStrip) << "the strip's empty part";
    EXPECT_EQ(image.pixel(0, 50), kFrame);
    EXPECT_EQ(image.pixel(299, 99), kFrame);
    EXPECT_EQ(image.pixel(1, 11), kFrame);

    f.control->SetShowCloseButtons(true);
    const QRect close = f.control->CloseButtonRect(2);
    EXPECT_EQ(close.size(), QSize(6, 6)) << "the skin's close button is as wide as its picture";
    EXPECT_EQ(f.Grab().pixel(close.center()), kClose);
    QTest::mouseMove(f.control, close.center());
    EXPECT_EQ(f.Grab().pixel(close.center()), kCloseHot);
}

TEST(TbsSkinPageControlSkin, ATransparentStripShowsWhatLiesBehindTheControl)
{
    const auto store = TabSkin();
    QWidget window;
    window.resize(400, 200);
    window.setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(8, 135, 216));
    window.setPalette(palette);
    auto* logo = new TImage(&window);  // a picture under the strip, made before the control
    logo->setGeometry(0, 0, 260, 40);
    QImage red(260, 40, QImage::Format_RGB32);
    red.fill(qRgb(255, 0, 0));
    logo->SetPicture(red);
    auto* control = new TbsSkinPageControl(&window);
    control->setGeometry(0, 20, 300, 100);
    control->SetTabWidth(50);
    control->SetTabsOffset(90);  // also makes the strip transparent
    control->SetSkinData(store.get());
    auto* sheet = new TbsSkinTabSheet(control);
    sheet->SetPageControl(control);
    window.show();
    const QImage image = control->grab().toImage();
    EXPECT_EQ(image.pixel(40, 5), qRgb(255, 0, 0)) << "the picture behind";
    EXPECT_EQ(image.pixel(280, 5), qRgb(8, 135, 216)) << "the window behind";
    EXPECT_EQ(image.pixel(100, 5), kActiveTab);
    control->SetTabsBGTransparent(false);
    EXPECT_EQ(control->grab().toImage().pixel(40, 5), kStrip);
}

TEST(TbsSkinPageControlSkin, TheSkinChangeStepFollowsTheStoresMessages)
{
    const auto store = TabSkin();
    Strip f;
    f.control->SetSkinData(store.get());
    ASSERT_EQ(f.control->PageArea().top(), 12);
    f.Send(TbsSkinMessageEvent::SkinChangeBegin, store.get());
    EXPECT_EQ(f.control->PageArea().top(), 12) << "a notice passed on by a frame runs no second step";
    Q_EMIT store->OnSkinMessage(TbsSkinMessageEvent::SkinChangeBegin);
    EXPECT_EQ(f.control->PageArea(), QRect(1, 21, 298, 78)) << "plain while the skin is away";
    Q_EMIT store->OnSkinMessage(TbsSkinMessageEvent::SkinChanged);
    EXPECT_EQ(f.control->PageArea().top(), 12);
    EXPECT_EQ(f.control->ActivePage()->geometry().top(), 12) << "the page follows";
    f.control->SetSkinDataName(QStringLiteral("none"));
    EXPECT_EQ(f.control->PageArea().top(), 21) << "another object name is a skin change at once";
    f.control->SetSkinDataName(QStringLiteral("tab"));
    EXPECT_EQ(f.control->PageArea().top(), 12);

    // A new load without a tab object: the plain look and the control's own font colour.
    SkinTest::LoadPackage(*store, SkinTest::SmallPackage({QStringLiteral("[SKINCONTROLS]"), QStringLiteral("count=0")}));
    EXPECT_FALSE(f.control->Skin().valid);
    EXPECT_EQ(f.control->PageArea().top(), 21);
    EXPECT_EQ(f.Grab().pixel(25, 1), qRgb(182, 189, 210)) << "the plain active tab";
}

// The main window's strip at 1280 wide, with the default skin.
struct WideStrip {
    TbsSkinData store;
    QWidget window;
    TbsSkinPageControl* control = new TbsSkinPageControl(&window);
    QList<QPointer<TTabSheet>> pages;

    explicit WideStrip(int tabs)
    {
        store.LoadPackageFile(QStringLiteral(KESTRUNE_DEFAULT_SKIN));
        window.resize(1280, 600);
        control->setGeometry(4, 27, 1272, 564);
        control->SetTabWidth(143);
        control->SetTabHeight(30);
        control->SetTabsOffset(90);
        control->SetDefaultItemHeight(24);
        control->SetSkinData(&store);
        window.show();
        for (int i = 0; i < tabs; ++i)
            AddTab();
    }
    void AddTab()
    {
        auto* sheet = new TbsSkinTabSheet(control);
        sheet->SetPageControl(control);
        pages.append(sheet);
    }
    void ClickUp() const
    {
        TbsSkinUpDown* arrows = control->UpDown();
        QTest::mouseClick(arrows, Qt::LeftButton, {}, arrows->Buttons().rects[0].center());
    }
};

TEST(TbsSkinPageControlSkin, ArrowsScrollAnOverflowingStripUntilItsLastTabIsClear)
{
    WideStrip f(8);
    EXPECT_EQ(f.control->UpDown(), nullptr) << "eight tabs fit";
    f.AddTab();
    f.AddTab();
    f.AddTab();
    f.AddTab();
    TbsSkinUpDown* arrows = f.control->UpDown();
    ASSERT_NE(arrows, nullptr);
    EXPECT_EQ(arrows->geometry(), QRect(1272 - 48, 0, 48, 24)) << "the skin's arrows at the strip's right end";
    EXPECT_EQ(arrows->Max(), 5);

    const QRect lastBefore = f.control->TabRect(11);
    for (int i = 0; i < 3; ++i)
        f.ClickUp();
    EXPECT_EQ(f.control->ScrolledTabs(), 3);
    EXPECT_EQ(f.control->TabRect(11), lastBefore.translated(-3 * 143, 0));
    QTest::mouseClick(f.control, Qt::LeftButton, {}, QPoint(50, 10));
    EXPECT_EQ(f.control->ActivePage(), f.pages[0]) << "tabs scrolled out are not under the pointer";
    f.ClickUp();
    f.ClickUp();
    f.ClickUp();
    EXPECT_EQ(f.control->ScrolledTabs(), 5);
    EXPECT_LE(f.control->TabRect(11).right(), arrows->x()) << "the last tab lies clear of the arrows";
    QTest::mouseClick(f.control, Qt::LeftButton, {}, f.control->TabRect(11).center());
    EXPECT_EQ(f.control->ActivePage(), f.pages[11]);

    delete f.pages[11];
    delete f.pages[10];
    delete f.pages[9];
    EXPECT_NE(f.control->UpDown(), nullptr);
    EXPECT_EQ(f.control->ActivePage(), f.pages[0]) << "the last page went: the first is active";
    EXPECT_EQ(f.control->ScrolledTabs(), 0) << "and its tab is brought into view";
    delete f.pages[8];
    EXPECT_EQ(f.control->UpDown(), nullptr) << "every tab fits again";
    EXPECT_EQ(f.control->ScrolledTabs(), 0);
    const QPointer<TbsSkinUpDown> gone(arrows);
    ASSERT_TRUE(WaitFor([&] { return gone.isNull(); }, 5000));
}

// A tab a title-bar link opens, or Ctrl+Tab and Ctrl+9 choose, comes into view as it becomes
// active, and the arrows show where the strip then stands.
TEST(TbsSkinPageControlSkin, EveryChangeOfTheActivePageScrollsItsTabIntoView)
{
    WideStrip f(8);
    f.AddTab();
    TbsSkinUpDown* arrows = f.control->UpDown();
    ASSERT_NE(arrows, nullptr) << "nine tabs do not fit in 1280 pixels";
    ASSERT_EQ(f.control->ScrolledTabs(), 0);
    const auto inView = [&](int index) {
        const QRect tab = f.control->TabRect(index);
        return f.control->StripGeometry().Shown(index) && tab.left() >= 0 && tab.x() + tab.width() <= arrows->x();
    };
    f.control->SetActivePage(f.pages[8]);
    EXPECT_TRUE(inView(8)) << "the last tab";
    EXPECT_GT(f.control->ScrolledTabs(), 0);
    EXPECT_EQ(arrows->Position(), f.control->ScrolledTabs());
    f.control->SetActivePage(f.pages[0]);
    EXPECT_EQ(f.control->ScrolledTabs(), 0) << "round to the first";
    EXPECT_EQ(arrows->Position(), 0);
    f.AddTab();
    f.control->SetActivePage(f.pages[9]);
    EXPECT_TRUE(inView(9)) << "a new tab opened at the end";
}

TEST(TbsSkinPageControlSkin, PlainArrowsAreTwoItemHeightsWide)
{
    Strip f(5, 50);
    EXPECT_EQ(f.control->UpDown(), nullptr);
    f.control->resize(200, 100);
    ASSERT_NE(f.control->UpDown(), nullptr);
    EXPECT_EQ(f.control->UpDown()->geometry(), QRect(200 - 40, 0, 40, 20));
}

}  // namespace
