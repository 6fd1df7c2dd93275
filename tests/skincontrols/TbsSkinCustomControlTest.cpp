#include "skincontrols/TbsSkinCustomControl.h"

#include "skin/TbsSkinMessageEvent.h"
#include "skincontrols/CraftedSkin.h"
#include "skinui/SkinColor.h"

#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

const QRgb kSkin = qRgb(30, 120, 200);

// A "label" object named "ctl" over the 20 x 10 block at (0, 0) of its picture, with the keys
// given; picture 1 is a mask, black in its top-left 10 x 5 block only.
std::unique_ptr<TbsSkinData> ControlSkin(const QStringList& keys)
{
    const QImage picture = CraftedSkin::Blocks(40, 20, {{QRect(0, 0, 20, 10), kSkin}});
    const QImage mask = CraftedSkin::Blocks(20, 10, {{QRect(0, 0, 10, 5), qRgb(0, 0, 0)}}, qRgb(255, 255, 255));
    return CraftedSkin::Store({picture, mask},
                              CraftedSkin::OneControl(QStringLiteral("ctl"), QStringLiteral("label"),
                                                      QStringList{QStringLiteral("pictureindex=0"),
                                                                  QStringLiteral("skinrect=0,0,20,10")}
                                                          + keys));
}

struct Control {
    std::unique_ptr<TbsSkinCustomControl> control = std::make_unique<TbsSkinCustomControl>();

    Control()
    {
        control->SetSkinDataName(QStringLiteral("ctl"));
        control->resize(50, 40);
        control->show();
    }
    void Send(int message, TbsSkinData* store)
    {
        TbsSkinMessageEvent event(message, store);
        QCoreApplication::sendEvent(control.get(), &event);
    }
};

TEST(TbsSkinCustomControl, TheSizeRuleFollowsTheResizeMode)
{
    const struct {
        const char* what;
        QStringList points;
        TbsResizeMode mode;
        QSize size;
    } rows[] = {
        {"fixed", {}, TbsResizeMode::Fixed, QSize(20, 10)},
        {"horizontal", {QStringLiteral("righttoppoint=15,0")}, TbsResizeMode::Horizontal, QSize(60, 10)},
        {"vertical", {QStringLiteral("leftbottompoint=0,5")}, TbsResizeMode::Vertical, QSize(20, 30)},
        {"both", {QStringLiteral("rightbottompoint=15,5")}, TbsResizeMode::Both, QSize(60, 30)},
    };
    for (const auto& row : rows) {
        const auto store = ControlSkin(row.points);
        Control f;
        f.control->SetSkinData(store.get());
        EXPECT_EQ(f.control->ResizeMode(), row.mode) << row.what;
        f.control->resize(60, 30);  // every later size change follows the rule too
        EXPECT_EQ(f.control->size(), row.size) << row.what;
        f.control->SetUseSkinSize(false);
        f.control->resize(60, 30);
        EXPECT_EQ(f.control->size(), QSize(60, 30)) << row.what << ": not without UseSkinSize";
    }
}

TEST(TbsSkinCustomControl, FollowsItsStoreThroughLoadsAndSkinMessages)
{
    auto store = std::make_unique<TbsSkinData>();
    const auto other = ControlSkin({});
    Control f;
    f.control->SetDefaultWidth(33);
    f.control->SetSkinData(store.get());
    EXPECT_EQ(f.control->size(), QSize(50, 40)) << "an empty store runs no skin step";

    // The store's own load reaches the control.
    SkinTest::LoadPackage(*store, SkinTest::Package(SkinTest::Content(
                                      3, {SkinTest::AbsentItem(), SkinTest::AbsentItem(), SkinTest::AbsentItem()}, 1,
                                      {CraftedSkin::Blocks(40, 20, {{QRect(0, 0, 20, 10), kSkin}})},
                                      SkinTest::AnsiLines(CraftedSkin::OneControl(
                                          QStringLiteral("ctl"), QStringLiteral("label"),
                                          {QStringLiteral("pictureindex=0"), QStringLiteral("skinrect=0,0,20,10")})))));
    EXPECT_EQ(f.control->size(), QSize(20, 10));
    EXPECT_EQ(f.control->grab().toImage().pixel(5, 5), kSkin);

    // The notices a form frame passes on: the store's broadcast has run the steps already.
    f.Send(TbsSkinMessageEvent::SkinChangeBegin, other.get());
    f.Send(TbsSkinMessageEvent::SkinChangeBegin, store.get());
    EXPECT_GE(f.control->SkinIndex(), 0) << "a passed-on notice runs no second step";

    // A load without the object: the plain look at the default size.
    SkinTest::LoadPackage(*store, SkinTest::SmallPackage({QStringLiteral("[SKINCONTROLS]"), QStringLiteral("count=0")}));
    EXPECT_EQ(f.control->SkinIndex(), -1);
    EXPECT_EQ(f.control->size(), QSize(33, 10));
    EXPECT_EQ(f.control->grab().toImage().pixel(5, 5), SystemColor(SkinColor::kButtonFace).rgb());
}

TEST(TbsSkinCustomControl, TheWindowRegionComesFromTheMask)
{
    {
        const auto store = ControlSkin({QStringLiteral("maskpictureindex=1")});
        Control f;
        f.control->SetSkinData(store.get());
        EXPECT_EQ(f.control->mask(), QRegion(0, 0, 10, 5)) << "fixed: the whole mask";
        f.control->SetUseSkinSize(false);
        EXPECT_TRUE(f.control->mask().isEmpty());
    }
    {
        // Growing both ways with the client rectangle as the mask's inner part: the black
        // corner stays a corner and the inner part grows with the control.
        const auto store = ControlSkin({QStringLiteral("maskpictureindex=1"), QStringLiteral("lefttoppoint=2,2"),
                                        QStringLiteral("righttoppoint=18,2"), QStringLiteral("leftbottompoint=2,8"),
                                        QStringLiteral("rightbottompoint=18,8"), QStringLiteral("clientrect=2,2,18,8")});
        Control f;
        f.control->SetSkinData(store.get());
        ASSERT_EQ(f.control->size(), QSize(50, 40));
        EXPECT_TRUE(f.control->mask().contains(QPoint(0, 0)));
        EXPECT_FALSE(f.control->mask().contains(QPoint(49, 0))) << "the white top-right corner";
        EXPECT_TRUE(f.control->mask().contains(QPoint(25, 20))) << "the grown inner part";
    }
    {
        const auto store = ControlSkin({});
        Control f;
        f.control->SetSkinData(store.get());
        EXPECT_TRUE(f.control->mask().isEmpty()) << "no mask picture: no region";
    }
}

}  // namespace
