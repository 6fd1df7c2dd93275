#include "skincontrols/TbsSkinUpDown.h"

#include "skincontrols/CraftedSkin.h"
#include "support/TimerTick.h"
#include "skinui/SkinColor.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Plain arrows 48 x 24, range 0..10, shown.
struct Arrows {
    std::unique_ptr<TbsSkinUpDown> control = std::make_unique<TbsSkinUpDown>();
    QSignalSpy changes{control.get(), &TbsSkinUpDown::OnChange};
    QSignalSpy ups{control.get(), &TbsSkinUpDown::OnUpButtonClick};
    QSignalSpy downs{control.get(), &TbsSkinUpDown::OnDownButtonClick};

    Arrows()
    {
        control->resize(48, 24);
        control->SetMax(10);
        control->show();
    }
    QPoint Centre(int button) const { return control->Buttons().rects[button].center(); }
    void Press(int button) { QTest::mousePress(control.get(), Qt::LeftButton, {}, Centre(button)); }
    void Release(int button) { QTest::mouseRelease(control.get(), Qt::LeftButton, {}, Centre(button)); }
    void Move(QPoint to) { QTest::mouseMove(control.get(), to); }
};

TEST(TbsSkinUpDown, SettersIgnoreOutOfRangePositionsAndBoundsPullItSilently)
{
    Arrows f;
    f.control->SetPosition(11);
    f.control->SetPosition(-1);
    EXPECT_EQ(f.control->Position(), 0);
    EXPECT_EQ(f.changes.size(), 0);
    f.control->SetPosition(7);
    EXPECT_EQ(f.changes.size(), 1);
    f.control->SetMax(5);
    EXPECT_EQ(f.control->Position(), 5);
    f.control->SetMin(6);
    f.control->SetMax(9);
    EXPECT_EQ(f.control->Position(), 6);
    EXPECT_EQ(f.changes.size(), 1) << "bounds move the position without announcing it";
}

TEST(TbsSkinUpDown, PlainButtonsOfAHorizontalControlAndTheirLooks)
{
    Arrows f;
    EXPECT_EQ(f.control->Buttons().rects[0], QRect(24, 0, 24, 24));
    EXPECT_EQ(f.control->Buttons().rects[1], QRect(0, 0, 24, 24));
    const QRgb shadow = SystemColor(SkinColor::kButtonShadow).rgb();
    const QRgb face = SystemColor(SkinColor::kButtonFace).rgb();
    const QRgb navy = qRgb(0, 0, 128);
    const struct {
        const char* what;
        std::function<void()> act;
        QRgb upFrame, upFill, downFrame, downFill;
    } rows[] = {
        {"idle", [] {}, shadow, face, shadow, face},
        {"pointer over up", [&] { f.Move(f.Centre(0)); }, navy, qRgb(182, 189, 210), shadow, face},
        {"up held", [&] { f.Press(0); }, navy, qRgb(133, 147, 181), shadow, face},
        {"up released", [&] { f.Release(0); }, navy, qRgb(182, 189, 210), shadow, face},
        {"pointer over down", [&] { f.Move(f.Centre(1)); }, shadow, face, navy, qRgb(182, 189, 210)},
    };
    for (const auto& row : rows) {
        row.act();
        const QImage image = f.control->grab().toImage();
        EXPECT_EQ(image.pixel(24, 0), row.upFrame) << row.what;
        EXPECT_EQ(image.pixel(27, 3), row.upFill) << row.what;
        EXPECT_EQ(image.pixel(0, 23), row.downFrame) << row.what;
        EXPECT_EQ(image.pixel(3, 3), row.downFill) << row.what;
    }
    // The arrows themselves: right on the up button, left on the down button, in black.
    const QImage image = f.control->grab().toImage();
    EXPECT_EQ(image.pixel(36 + 1, 12), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(12 - 2, 12), qRgb(0, 0, 0));
}

TEST(TbsSkinUpDown, AtMaxTheUpButtonStillReportsItsClick)
{
    Arrows f;
    f.control->SetPosition(10);
    f.changes.clear();
    f.Move(f.Centre(0));
    f.Press(0);
    f.Release(0);
    EXPECT_EQ(f.control->Position(), 10);
    EXPECT_EQ(f.changes.size(), 0);
    EXPECT_EQ(f.ups.size(), 1);
}

TEST(TbsSkinUpDown, HoldingRepeatsAfterTheFirstWaitAndStepsOnceMoreOnRelease)
{
    Arrows f;
    f.control->SetPosition(5);
    f.changes.clear();
    f.Move(f.Centre(1));
    f.Press(1);
    TTimer* repeat = TimerOf(f.control.get(), "RepeatTimer");
    EXPECT_EQ(f.control->RepeatWait(), TbsSkinUpDown::kFirstWait);
    // The first tick only switches to the repeat interval.
    Tick(repeat);
    EXPECT_EQ(f.control->RepeatWait(), TbsSkinUpDown::kRepeatInterval);
    EXPECT_EQ(f.control->Position(), 5);
    EXPECT_EQ(f.changes.size(), 0);
    // Then one step per tick, down to Min.
    QList<int> seen;
    QObject::connect(f.control.get(), &TbsSkinUpDown::OnChange, f.control.get(),
                     [&] { seen.append(f.control->Position()); });
    for (int tick = 0; tick < 6; ++tick)
        Tick(repeat);
    EXPECT_EQ(seen, QList<int>({4, 3, 2, 1, 0})) << "the sixth tick is ignored at Min";
    repeat->SetEnabled(true);  // as the running timer would be
    f.Release(1);
    EXPECT_EQ(f.control->RepeatWait(), 0);
    EXPECT_EQ(f.control->Position(), 0) << "the step on release is ignored at Min";
    EXPECT_EQ(f.downs.size(), 1);
}

TEST(TbsSkinUpDown, LeavingTheHeldButtonStopsTheRepeatAndComingBackRestartsIt)
{
    Arrows f;
    f.Move(f.Centre(0));
    f.Press(0);
    f.Move(f.Centre(1));  // onto the other button: neither lights
    EXPECT_EQ(f.control->HotButton(), -1);
    EXPECT_EQ(f.control->RepeatWait(), 0);
    const QImage image = f.control->grab().toImage();
    EXPECT_EQ(image.pixel(27, 3), SystemColor(SkinColor::kButtonFace).rgb());
    EXPECT_EQ(image.pixel(3, 3), SystemColor(SkinColor::kButtonFace).rgb());
    f.Move(f.Centre(0));
    EXPECT_EQ(f.control->HotButton(), 0);
    EXPECT_EQ(f.control->RepeatWait(), TbsSkinUpDown::kComeBackWait);
    f.Move(f.Centre(1));
    f.Release(1);
    EXPECT_EQ(f.control->Position(), 0) << "released over the other button: no step";
    EXPECT_EQ(f.ups.size() + f.downs.size(), 0);
}

TEST(TbsSkinUpDown, WithoutIncrementPressesStartNoTimerAndReleasesOnlyReport)
{
    Arrows f;
    f.control->SetIncrement(0);
    f.control->SetPosition(3);
    f.Move(f.Centre(0));
    f.Press(0);
    EXPECT_EQ(f.control->RepeatWait(), 0);
    f.Release(0);
    f.Move(f.Centre(1));
    f.Press(1);
    f.Release(1);
    EXPECT_EQ(f.control->Position(), 3);
    EXPECT_EQ(f.ups.size(), 1);
    EXPECT_EQ(f.downs.size(), 1);
}

// An "updown" object 16 x 24 at (40, 0) of its picture: up button on top, down below.
std::unique_ptr<TbsSkinData> UpDownSkin(const QString& downButton)
{
    const QImage picture = CraftedSkin::Blocks(64, 24, {{QRect(40, 0, 16, 12), qRgb(10, 200, 10)},
                                                        {QRect(40, 12, 16, 12), qRgb(10, 10, 200)},
                                                        {QRect(56, 0, 8, 12), qRgb(250, 250, 0)}});
    return CraftedSkin::Store({picture}, CraftedSkin::OneControl(QStringLiteral("arrows"), QStringLiteral("updown"),
                                                                 {QStringLiteral("pictureindex=0"),
                                                                  QStringLiteral("skinrect=40,0,56,24"),
                                                                  QStringLiteral("upbuttonrect=0,0,16,12"),
                                                                  QStringLiteral("activeupbuttonrect=56,0,64,12"),
                                                                  QStringLiteral("downbuttonrect=") + downButton}));
}

// The up-down object lies away from the picture's origin; its button rectangles are the
// control's, as written.
TEST(TbsSkinUpDown, TheSkinGivesSizeButtonsAsWrittenAndHotPicturesCopiedAtTheirSize)
{
    const auto store = UpDownSkin(QStringLiteral("0,12,16,24"));
    Arrows f;
    f.control->SetSkinDataName(QStringLiteral("arrows"));
    f.control->SetSkinData(store.get());
    EXPECT_EQ(f.control->size(), QSize(16, 24));
    EXPECT_EQ(f.control->Buttons().rects[0], QRect(0, 0, 16, 12));
    EXPECT_EQ(f.control->Buttons().rects[1], QRect(0, 12, 16, 12));
    QImage image = f.control->grab().toImage();
    EXPECT_EQ(image.pixel(8, 5), qRgb(10, 200, 10));
    EXPECT_EQ(image.pixel(8, 18), qRgb(10, 10, 200));
    f.Move(QPoint(12, 5));
    EXPECT_EQ(f.control->HotButton(), 0);
    image = f.control->grab().toImage();
    EXPECT_EQ(image.pixel(4, 5), qRgb(250, 250, 0)) << "the 8-pixel active picture at the button's left";
    EXPECT_EQ(image.pixel(12, 5), qRgb(10, 200, 10)) << "copied, not stretched over the button";
    f.Press(0);
    EXPECT_EQ(f.control->grab().toImage().pixel(4, 5), qRgb(250, 250, 0)) << "no pressed picture: the active one";
    f.Release(0);
    EXPECT_EQ(f.control->Position(), 1);
}

TEST(TbsSkinUpDown, AnInvertedButtonRectangleIsNoButton)
{
    // right left of left: empty, not the rectangle between the two edges
    const auto store = UpDownSkin(QStringLiteral("16,12,0,24"));
    Arrows f;
    f.control->SetSkinDataName(QStringLiteral("arrows"));
    f.control->SetSkinData(store.get());
    f.Move(QPoint(8, 18));
    EXPECT_EQ(f.control->HotButton(), -1);
    QTest::mouseClick(f.control.get(), Qt::LeftButton, {}, QPoint(8, 18));
    EXPECT_EQ(f.downs.size(), 0);
}

TEST(TbsSkinUpDown, ObjectsOfAnotherKindLeaveThePlainLook)
{
    const auto store = CraftedSkin::Store(
        {CraftedSkin::Blocks(8, 8, {})},
        CraftedSkin::OneControl(QStringLiteral("hupdown"), QStringLiteral("label"), {QStringLiteral("skinrect=0,0,8,8")}));
    Arrows f;
    f.control->SetSkinData(store.get());
    EXPECT_EQ(f.control->size(), QSize(48, 24));
    EXPECT_EQ(f.control->grab().toImage().pixel(24, 0), SystemColor(SkinColor::kButtonShadow).rgb());
}

}  // namespace
