#include "skinui/SkinObjectMapping.h"

#include "skin/SkinDescription.h"
#include "skin/SkinKindTable.h"
#include "skin/TbsDataSkinButtonControl.h"
#include "skin/TbsDataSkinFormInfo.h"
#include "skin/TbsSkinData.h"
#include "skinui/SkinPixelTestSupport.h"
#include "skinui/SkinRect.h"

#include <gtest/gtest.h>

namespace {

// A control object read from its own section; every nine-piece key has a value of its own so
// a key landing in the wrong place shows.
template <typename Kind>
std::unique_ptr<Kind> ReadControl(const char* kindWord, const QStringList& keys)
{
    auto control = SkinKindTable::CreateControl(QLatin1String(kindWord), QStringLiteral("object"));
    control->ReadFromDescription(SkinDescription(QStringList{QStringLiteral("[object]")} + keys));
    return std::unique_ptr<Kind>(dynamic_cast<Kind*>(control.release()));
}

const QStringList kNinePieceKeys{
    QStringLiteral("lefttoppoint=1,2"),      QStringLiteral("righttoppoint=30,3"),
    QStringLiteral("leftbottompoint=4,20"),  QStringLiteral("rightbottompoint=31,21"),
    QStringLiteral("clientrect=5,6,25,18"),  QStringLiteral("leftstretch=1"),
    QStringLiteral("rightstretch=1"),        QStringLiteral("stretcheffect=1"),
    QStringLiteral("stretchtype=stvert"),    QStringLiteral("skinrect=0,0,40,24"),
};

TEST(SkinObjectMapping, StretchTypesMapByName)
{
    EXPECT_EQ(MiddleStretchTypeOf(TbsStretchType::Full), MiddleStretchType::Whole);
    EXPECT_EQ(MiddleStretchTypeOf(TbsStretchType::Horz), MiddleStretchType::TileHorizontally);
    EXPECT_EQ(MiddleStretchTypeOf(TbsStretchType::Vert), MiddleStretchType::TileVertically);
}

TEST(SkinObjectMapping, EveryNinePieceKeyReachesItsPlace)
{
    const auto button = ReadControl<TbsDataSkinButtonControl>("button", kNinePieceKeys);
    ASSERT_TRUE(button);
    const ControlGrowth growth = ControlGrowthOf(*button);
    EXPECT_EQ(growth.geometry.lt, QPoint(1, 2));
    EXPECT_EQ(growth.geometry.rt, QPoint(30, 3));
    EXPECT_EQ(growth.geometry.lb, QPoint(4, 20));
    EXPECT_EQ(growth.geometry.rb, QPoint(31, 21));
    EXPECT_EQ(growth.geometry.clRect, SkinRect(5, 6, 25, 18));
    EXPECT_EQ(growth.options, NinePieceOptions(NinePieceOption::StretchLeft | NinePieceOption::StretchRight
                                               | NinePieceOption::StretchMiddle));
    EXPECT_EQ(growth.stretchType, MiddleStretchType::TileVertically);
    EXPECT_EQ(growth.mode, TbsResizeMode::Both);
    EXPECT_EQ(growth.SizeFor(QSize(90, 50), button->skinrect), QSize(90, 50));

    // The form info names the same keys; its top and bottom flags are separate keys too.
    TbsDataSkinFormInfo info;
    info.ReadFromDescription(SkinDescription({QStringLiteral("[FORMINFO]"), QStringLiteral("topstretch=1"),
                                              QStringLiteral("bottomstretch=1"), QStringLiteral("clientrect=3,4,5,6")}));
    EXPECT_EQ(NinePieceOptionsOf(info), NinePieceOptions(NinePieceOption::StretchTop | NinePieceOption::StretchBottom));
    EXPECT_EQ(NinePieceGeometryOf(info).clRect, SkinRect(3, 4, 5, 6));
}

TEST(SkinObjectMapping, KindsWithoutCornerPointsKeepTheirSize)
{
    const auto bevel = ReadControl<TbsDataSkinControl>("bevel", {QStringLiteral("skinrect=2,2,12,10")});
    ASSERT_TRUE(bevel);
    const ControlGrowth growth = ControlGrowthOf(*bevel);
    EXPECT_EQ(growth.mode, TbsResizeMode::Fixed);
    EXPECT_EQ(growth.SizeFor(QSize(100, 100), bevel->skinrect), QSize(10, 8));
    const auto inverted = ReadControl<TbsDataSkinControl>("bevel", {QStringLiteral("skinrect=12,2,2,10")});
    EXPECT_EQ(ControlGrowthOf(*inverted).mode, TbsResizeMode::None) << "an inverted rectangle is empty";
}

TEST(SkinObjectMapping, PicturesByIndexAndControlImages)
{
    TbsSkinData empty;
    EXPECT_EQ(SkinPicture(empty, -1), nullptr);
    EXPECT_EQ(SkinPicture(empty, 0), nullptr);
    const auto bevel = ReadControl<TbsDataSkinControl>("bevel", {QStringLiteral("skinrect=2,2,12,10")});
    EXPECT_TRUE(BuildControlImage(empty, *bevel, QSize(30, 30)).isNull()) << "no picture";
}

}  // namespace
