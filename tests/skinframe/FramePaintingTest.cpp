#include "support/Wait.h"
#include "FrameFixture.h"

#include "skin/TbsSkinMessageEvent.h"
#include "skinframe/FrameHitTest.h"
#include "skincontrols/TbsSkinButton.h"
#include "skinframe/FramePainting.h"
#include "skincontrols/TbsSkinMenu.h"
#include "skinui/SkinColor.h"
#include "skinui/SkinRect.h"
#include "skinui/CompositingProbe.h"

#include "../skinui/SkinPixelTestSupport.h"

#include <QApplication>
#include <QPainter>

namespace {

// A 100 x 80 frame picture whose pixels name their own coordinates; borders 6, top 24; a
// close button of its own picture (normal, hot and pressed looks in blue, green and red) at
// the caption's right end; an inactive frame picture in grey.
const QRgb kNormal = qRgb(0, 0, 200), kHot = qRgb(0, 200, 0), kDown = qRgb(200, 0, 0);
const QRgb kInactive = qRgb(90, 90, 90);

// bar: the keys of a button object "bar" besides the close button; none when empty.
void LoadCoordinateSkin(TbsSkinData& store, const QStringList& formInfo = {}, const QStringList& close = {},
                        const QStringList& bar = {})
{
    QImage buttons(30, 10, QImage::Format_RGB32);
    QPainter painter(&buttons);
    painter.fillRect(0, 0, 10, 10, QColor(kNormal));
    painter.fillRect(10, 0, 10, 10, QColor(kHot));
    painter.fillRect(20, 0, 10, 10, QColor(kDown));
    painter.end();
    using namespace SkinTest;
    const QList<QByteArray> items{PictureItem(CoordinateImage(100, 80)), PictureItem(Solid(100, 80, kInactive)),
                                  AbsentItem()};
    const QStringList description =
        QStringList{"[FORMINFO]", "lefttoppoint=12,24", "righttoppoint=88,24", "leftbottompoint=12,64",
                    "rightbottompoint=88,64", "clientrect=6,24,94,74", "captionrect=6,7,94,17"}
        + formInfo
        + QStringList{"[SKINOBJECTS]", bar.isEmpty() ? "count=1" : "count=2", "0=close:stdbutton", "1=bar:button",
                      "[close]", "command=cmclose", "skinrectinapicture=1", "activepictureindex=0",
                      "skinrect=0,0,10,10", "activeskinrect=10,0,20,10", "downrect=20,0,30,10"}
        + close + QStringList{"[bar]"} + bar;
    LoadPackage(store, Package(Content(3, items, 1, {buttons}, AnsiLines(description))));
}

}  // namespace

// The frame picture's strips fill the margins of a 200 x 150 form, the close button sits at
// the caption's right end in its own look, and the client area with its child stays the
// child's.
TEST(FramePainting, TheFrameFillsTheMarginsAndNeverTheClientArea)
{
    FramedForm f({}, TFormBorderStyle::bsSizeable);
    LoadCoordinateSkin(f.store);
    f.form->resize(200, 150);
    auto* child = new QWidget(f.form.get());
    child->setGeometry(f.form->contentsRect());
    child->setAutoFillBackground(true);
    QPalette palette = child->palette();
    palette.setColor(QPalette::Window, QColor(1, 2, 3));
    child->setPalette(palette);
    f.Show();

    const QImage image = f.Grab();
    EXPECT_EQ(f.form->contentsMargins(), QMargins(6, 24, 6, 6));
    EXPECT_EQ(SourceOf(image.pixel(0, 0)), QPoint(0, 0));
    EXPECT_EQ(SourceOf(image.pixel(199, 0)), QPoint(99, 0)) << "top-right corner at the right end";
    EXPECT_EQ(SourceOf(image.pixel(40, 3)), QPoint(12 + 40, 3)) << "top side tiled from x = 0";
    EXPECT_EQ(SourceOf(image.pixel(2, 100)), QPoint(2, 24 + (100 - 24) % 40)) << "left side tiled";
    EXPECT_EQ(SourceOf(image.pixel(199, 149)), QPoint(99, 79));
    EXPECT_EQ(SourceOf(image.pixel(100, 146)), QPoint(12 + (100 % 76), 76)) << "bottom strip";
    for (const QPoint p : {QPoint(6, 24), QPoint(193, 24), QPoint(6, 143), QPoint(193, 143), QPoint(100, 80)})
        EXPECT_EQ(image.pixel(p), qRgb(1, 2, 3)) << p.x() << "," << p.y();

    const QRect close = f.Object("close").ObjectRect;
    EXPECT_EQ(close, SkinRect(184, 7, 194, 17));
    EXPECT_EQ(image.pixel(close.topLeft()), kNormal);
    QTest::mouseMove(f.form.get(), close.center());
    EXPECT_EQ(f.Grab().pixel(close.topLeft()), kHot);
    QTest::mousePress(f.form.get(), Qt::LeftButton, {}, close.center());
    EXPECT_EQ(f.Grab().pixel(close.topLeft()), kDown);
    QTest::mouseRelease(f.form.get(), Qt::LeftButton, {}, close.center());
    EXPECT_TRUE(WaitForHidden(*f.form));
}

// An object grown with the form shows a look from its corner at the look's own size, not
// scaled to the object; the rest of it is the frame's.
TEST(FramePainting, LooksAreCopiedAtTheirOwnSizeNotScaledToAGrownObject)
{
    FramedForm f({}, TFormBorderStyle::bsSizeable);
    LoadCoordinateSkin(f.store, {}, {}, {"activepictureindex=-1", "skinrect=2,1,98,5", "activeskinrect=0,30,40,34"});
    f.form->resize(200, 150);
    f.Show();
    ASSERT_EQ(f.Object("bar").ObjectRect, SkinRect(2, 1, 198, 5)) << "grown from the top-left to the top-right zone";
    QTest::mouseMove(f.form.get(), QPoint(150, 3));
    ASSERT_TRUE(f.Object("bar").MouseIn);
    const QImage image = f.Grab();
    EXPECT_EQ(SourceOf(image.pixel(2 + 30, 2)), QPoint(30, 31)) << "the hot look, unscaled";
    EXPECT_EQ(SourceOf(image.pixel(2 + 39, 4)), QPoint(39, 33));
    EXPECT_EQ(SourceOf(image.pixel(2 + 60, 2)).y(), 2) << "beyond the look, the frame's top strip";
}

// With the store's skin effects on, a morphing button blends from its normal into its hot look
// over a few ticks.
TEST(FramePainting, AMorphingButtonBlendsIntoItsHotLook)
{
    FramedForm f({}, TFormBorderStyle::bsSizeable);
    f.store.SetEnableSkinEffects(true);
    LoadCoordinateSkin(f.store, {}, {"morphing=1"});
    f.Show();
    const TbsActiveSkinObject& close = f.Object("close");
    ASSERT_TRUE(close.Morphing);
    QTest::mouseMove(f.form.get(), close.ObjectRect.center());
    EXPECT_TRUE(close.MorphRunning());
    ASSERT_TRUE(WaitFor([&] { return close.ObjectRect.isValid() && f.Grab().pixel(close.ObjectRect.topLeft()) != kNormal; }, 2000));
    const QRgb between = f.Grab().pixel(close.ObjectRect.topLeft());
    EXPECT_TRUE(qGreen(between) > 0 && qBlue(between) > 0) << "part normal, part hot: " << std::hex << between;
    ASSERT_TRUE(WaitFor([&] { return !close.MorphRunning(); }, 2000));
    EXPECT_EQ(f.Grab().pixel(close.ObjectRect.topLeft()), kHot);

    f.store.SetEnableSkinEffects(false);
    LoadCoordinateSkin(f.store, {}, {"morphing=1"});
    EXPECT_FALSE(f.Object("close").Morphing) << "only with the store's skin effects";
}

TEST(FramePainting, AnInactiveFormShowsTheInactiveFramePicture)
{
    FramedForm f({}, TFormBorderStyle::bsSizeable);
    LoadCoordinateSkin(f.store);
    f.Show();
    EXPECT_EQ(SourceOf(f.Grab().pixel(0, 0)), QPoint(0, 0));
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(f.frame->FormActive());
    EXPECT_EQ(f.Grab().pixel(0, 0), kInactive);
}

// Without a frame picture the default frame is drawn; pictures the list does not have are no
// pictures; an empty mask leaves the window rectangular. Nothing throws or complains.
TEST(FramePainting, BadSkinsGiveTheDefaultFrameOrNoPicture)
{
    FramedForm noFrame(biSystemMenu);
    LoadCraftedSkin(noFrame.store, {}, {}, {}, {"[FORMINFO]", "clientrect=4,20,96,76"});
    EXPECT_FALSE(noFrame.frame->SkinLoaded());
    EXPECT_EQ(noFrame.form->contentsMargins(), QMargins(3, 22, 3, 3));
    EXPECT_EQ(noFrame.frame->Objects().size(), 2u) << "the default close and menu buttons";
    EXPECT_EQ(noFrame.Grab().pixel(0, 30), SystemColor(SkinColor::kButtonShadow).rgb());

    FramedForm outOfRange(biSystemMenu);
    LoadCoordinateSkin(outOfRange.store, {"bgpictureindex=7"},
                       {"activepictureindex=9", "activemaskpictureindex=-5", "glowlayerpictureindex=3"});
    ASSERT_TRUE(outOfRange.frame->SkinLoaded());
    const TbsActiveSkinObject& close = outOfRange.Object("close");
    EXPECT_TRUE(close.Picture.isNull());
    EXPECT_TRUE(close.MaskPicture.isNull());
    EXPECT_TRUE(close.GlowPicture.isNull());
    EXPECT_TRUE(outOfRange.form->mask().isEmpty()) << "no frame mask: the whole rectangle";
    const QImage image = outOfRange.Grab();
    EXPECT_EQ(SourceOf(image.pixel(100, 100)).y(), 24 + (100 - 24) % 50) << "the client piece, tiled";

    // Only a frame mask cuts the window; its white pixels are outside.
    FramedForm emptyMask(biSystemMenu);
    QImage mask = SkinTest::Solid(100, 80, 0xFF000000);
    mask.setPixel(0, 0, 0xFFFFFFFF);
    LoadCraftedSkin(emptyMask.store, CoordinateImage(100, 80), mask, {},
                    {"[PICTURES]", "mask=mask.bmp", "[FORMINFO]", "clientrect=6,24,94,74", "lefttoppoint=12,24",
                     "righttoppoint=88,24", "leftbottompoint=12,64", "rightbottompoint=88,64"});
    EXPECT_FALSE(emptyMask.form->mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(emptyMask.form->mask().contains(QPoint(1, 0)));
}

TEST(FramePainting, ClientBackgroundFromTheSkin)
{
    const QRect client(10, 20, 60, 30);
    const auto paint = [&](const TbsSkinData* store) {
        QImage image(80, 60, QImage::Format_RGB32);
        image.fill(0);
        QPainter painter(&image);
        PaintClientBackground(painter, store, client);
        return image;
    };
    const QImage plain = paint(nullptr);
    EXPECT_EQ(plain.pixel(10, 20), SystemColor(SkinColor::kButtonFace).rgb());
    EXPECT_EQ(plain.pixel(9, 20), 0xFF000000u) << "only the client area";

    TbsSkinData tiled;
    LoadCraftedSkin(tiled, CoordinateImage(40, 30), {}, {}, {"[FORMINFO]", "clientrect=5,5,25,15"});
    EXPECT_EQ(SourceOf(paint(&tiled).pixel(10 + 23, 20 + 12)), QPoint(5 + 3, 5 + 2));

    TbsSkinData stretched;
    LoadCraftedSkin(stretched, CoordinateImage(40, 30), {}, {},
                    {"[FORMINFO]", "clientrect=5,5,25,15", "stretcheffect=1", "stretchtype=stfull"});
    const QImage whole = paint(&stretched);
    EXPECT_EQ(SourceOf(whole.pixel(10, 20)), QPoint(5, 5));
    EXPECT_EQ(SourceOf(whole.pixel(69, 49)), QPoint(24, 14));

    TbsSkinData vertical;
    LoadCraftedSkin(vertical, CoordinateImage(40, 30), {}, {},
                    {"[FORMINFO]", "clientrect=5,5,25,15", "stretcheffect=1", "stretchtype=stvert"});
    const QImage rows = paint(&vertical);
    EXPECT_EQ(SourceOf(rows.pixel(69, 20 + 12)), QPoint(24, 5 + 2)) << "stretched across, tiled down";

    TbsSkinData background;
    LoadCraftedSkin(background, CoordinateImage(40, 30), {}, {SkinTest::Solid(4, 4, 0xFF00FF00)},
                    {"[FORMINFO]", "clientrect=5,5,25,15", "bgpictureindex=0"});
    EXPECT_EQ(paint(&background).pixel(40, 30), qRgb(0, 255, 0));
}

// The main window draws its own chrome: its frame keeps off its shape and its margins, builds
// no frame objects and paints only the client background.
TEST(FramePainting, BorderStyleNoneKeepsTheFormsOwnShape)
{
    FramedForm f({}, TFormBorderStyle::bsNone);
    f.form->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    const QRegion shape = QRegion(0, 0, 400, 300) - QRegion(0, 0, 5, 5);
    f.form->setMask(shape);
    LoadDefaultSkin(f.store);
    f.form->resize(500, 350);
    EXPECT_EQ(f.form->mask(), shape);
    EXPECT_EQ(f.form->contentsMargins(), QMargins());
    EXPECT_TRUE(f.frame->Objects().empty());
    EXPECT_EQ(f.form->minimumSize(), QSize(0, 0));
    f.Show();
    const QImage image = f.form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image.pixel(10, 2), qRgb(0xF4, 0xF6, 0xFA)) << "the client piece where a caption would be";
    EXPECT_EQ(image.pixel(499, 349), qRgb(0xF4, 0xF6, 0xFA));
    QTest::mousePress(f.form.get(), Qt::LeftButton, {}, {1, 150});
    EXPECT_TRUE(f.windows.drags.empty());
}

TEST(TbsSkinFrame, SkinLoadsReachTheFormsOwnControlsOnly)
{
    FramedForm f;
    auto* control = new Recorder(f.form.get());
    auto* nested = new Recorder(new QWidget(control));
    auto* dialog = new Recorder(f.form.get());
    dialog->setWindowFlags(Qt::Window);
    LoadDefaultSkin(f.store);
    const QList<int> loadMessages{TbsSkinMessageEvent::SkinChangeBegin, TbsSkinMessageEvent::SkinChanged};
    EXPECT_EQ(control->messages, loadMessages);
    EXPECT_EQ(nested->messages, loadMessages);
    EXPECT_EQ(control->stores, (QList<const TbsSkinData*>{&f.store, &f.store}));
    EXPECT_TRUE(dialog->messages.isEmpty()) << "another window: its own frame passes them on";
    EXPECT_TRUE(f.frame->SkinLoaded()) << "the load reached the frame through its form";

    TbsSkinData other;
    LoadDefaultSkin(other);
    EXPECT_EQ(control->messages.size(), 3) << "another store's load: only its change passes, for the controls to check the store";
}

// The frame passes a load's notices on to its form's controls, but a skinned control, which
// hears its store itself, runs its skin step once per load.
TEST(TbsSkinFrame, ALoadRunsASkinnedControlsStepOnce)
{
    struct Counting : TbsSkinButton {
        using TbsSkinButton::TbsSkinButton;
        int steps = 0;
        void ChangeSkinData() override
        {
            ++steps;
            TbsSkinButton::ChangeSkinData();
        }
    };
    FramedForm f;
    auto* button = new Counting(new QWidget(f.form.get()));
    button->SetSkinData(&f.store);
    ASSERT_EQ(button->steps, 0) << "an empty store runs no step";
    LoadDefaultSkin(f.store);
    EXPECT_EQ(button->steps, 1);
    EXPECT_GE(button->SkinIndex(), 0);
}

// Alt+Space never reaches the focused control; without a system-menu button it does nothing
// else, and the hook sees it first.
TEST(TbsSkinFrame, AltSpaceIsConsumedOnEveryForm)
{
    for (const TbsBorderIcons icons : {TbsBorderIcons(biSystemMenu), TbsBorderIcons()}) {
        FramedForm f(icons, TFormBorderStyle::bsDialog);
        LoadDefaultSkin(f.store);
        auto* control = new Recorder(f.form.get());
        control->setFocusPolicy(Qt::StrongFocus);
        f.Show();
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Space, Qt::AltModifier);
        f.frame->SkinMenu()->CloseAll();  // the message box's menu, opened by it
        QTest::keyClick(control, Qt::Key_Space);
        EXPECT_EQ(control->keys, QList<int>{Qt::Key_Space}) << "only the plain space";
    }
    FramedForm none({}, TFormBorderStyle::bsNone);
    int seen = 0;
    none.frame->OnShortCut = [&](const QKeySequence& key, bool& handled) {
        seen += key == QKeySequence(Qt::ALT | Qt::Key_Space);
        handled = true;
    };
    EXPECT_TRUE(none.frame->ShortCut(QKeySequence(Qt::ALT | Qt::Key_Space)));
    EXPECT_EQ(seen, 1);
}

TEST(TbsSkinFrame, NoFadeWithoutACompositingManager)
{
    ASSERT_FALSE(CompositingManagerPresent());
    FramedForm f;
    LoadDefaultSkin(f.store);
    f.Show();
    EXPECT_FALSE(f.frame->Fading());
    EXPECT_EQ(f.form->windowOpacity(), 1.0);
}
