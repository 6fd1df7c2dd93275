#include "skinframe/FrameGeometry.h"
#include "skinframe/FrameObjectLayout.h"

#include "skin/TbsDataSkinFormInfo.h"
#include "skinui/SkinRect.h"

#include <gtest/gtest.h>

namespace {

// A 100 x 80 frame picture: corner zones (0,0)-(20,20), (80,0)-(100,20), (0,60)-(20,80) and
// (80,60)-(100,80); the form is 150 x 110, 50 wider and 30 taller.
struct ZoneInfo : TbsDataSkinFormInfo {
    ZoneInfo()
    {
        lefttoppoint = {20, 20};
        righttoppoint = {80, 20};
        leftbottompoint = {20, 60};
        rightbottompoint = {80, 60};
        clientrect = SkinRect(6, 20, 94, 74);
        captionrect = SkinRect(5, 2, 95, 18);
        buttonsrect = SkinRect(60, 3, 96, 17);
        buttonsoffset = 2;
        hittestlefttoppoint = {10, 10};
        hittestrighttoppoint = {90, 10};
        hittestleftbottompoint = {10, 999};
        hittestrightbottompoint = {90, 70};
        maskrectarea = SkinRect(4, 4, 96, 76);
    }
};

const QSize kPicture(100, 80);
const QSize kForm(150, 110);

}  // namespace

TEST(FrameGeometry, GrowsEveryPartFromTheFramePicture)
{
    const FrameGeometry g = FrameGeometry::OfSkin(ZoneInfo{}, kPicture, kForm);
    EXPECT_EQ(g.grown.lt, QPoint(20, 20));
    EXPECT_EQ(g.grown.rt, QPoint(130, 20));
    EXPECT_EQ(g.grown.lb, QPoint(20, 90));
    EXPECT_EQ(g.grown.rb, QPoint(130, 90));
    EXPECT_EQ(g.ClientRect(), SkinRect(6, 20, 144, 104));
    EXPECT_EQ(g.Borders(), QMargins(6, 20, 6, 6)) << "the frame picture's own borders";
    EXPECT_EQ(g.captionRect, SkinRect(5, 2, 145, 18));
    EXPECT_EQ(g.buttonsRect, SkinRect(110, 3, 146, 17)) << "right of the picture's middle: moves";
    EXPECT_FALSE(g.buttonsAtLeft);
    EXPECT_EQ(g.hitLeftTop, QPoint(10, 10));
    EXPECT_EQ(g.hitRightTop, QPoint(140, 10));
    EXPECT_EQ(g.hitLeftBottom, QPoint(10, 90)) << "y from leftbottompoint";
    EXPECT_EQ(g.hitRightBottom, QPoint(140, 100));
    EXPECT_EQ(g.maskRect, SkinRect(4, 4, 146, 106));

    ZoneInfo left;
    left.buttonsrect = SkinRect(50, 3, 70, 17);
    const FrameGeometry l = FrameGeometry::OfSkin(left, kPicture, kForm);
    EXPECT_TRUE(l.buttonsAtLeft) << "a left edge at Pw div 2 counts as left";
    EXPECT_EQ(l.buttonsRect, SkinRect(50, 3, 70, 17));

    const FrameGeometry plain = FrameGeometry::OfDefault(TFormBorderStyle::bsSizeable, kForm);
    EXPECT_EQ(plain.Borders(), QMargins(3, 22, 3, 3));
    EXPECT_EQ(plain.captionRect, SkinRect(3, 3, 147, 22));
    EXPECT_EQ(FrameGeometry::OfDefault(TFormBorderStyle::bsToolWindow, kForm).Borders(), QMargins(3, 18, 3, 3));
}

// One row per corner-zone rule: where an object that the button layout does not place ends up.
TEST(FrameObjectLayout, ObjectsKeepTheirPlaceRelativeToTheirCornerZone)
{
    const FrameGeometry g = FrameGeometry::OfSkin(ZoneInfo{}, kPicture, kForm);
    struct Row {
        const char* rule;
        QRect skin;
        QRect grown;
    };
    const Row rows[] = {
        {"inside top-left: stays", SkinRect(2, 2, 18, 18), SkinRect(2, 2, 18, 18)},
        {"inside top-right: moves right", SkinRect(82, 2, 98, 18), SkinRect(132, 2, 148, 18)},
        {"inside bottom-left: moves down", SkinRect(2, 62, 18, 78), SkinRect(2, 92, 18, 108)},
        {"inside bottom-right: moves both ways", SkinRect(82, 62, 98, 78), SkinRect(132, 92, 148, 108)},
        {"top-left to bottom-right: grows both ways", SkinRect(5, 5, 95, 75), SkinRect(5, 5, 145, 105)},
        {"top-left to top-right: grows right", SkinRect(5, 5, 95, 15), SkinRect(5, 5, 145, 15)},
        {"bottom-left to bottom-right: grows right, moves down", SkinRect(5, 65, 95, 75), SkinRect(5, 95, 145, 105)},
        {"top-left to bottom-left: grows down", SkinRect(5, 5, 15, 75), SkinRect(5, 5, 15, 105)},
        {"top-right to bottom-right: moves right, grows down", SkinRect(85, 5, 95, 75), SkinRect(135, 5, 145, 105)},
        {"edges of a zone count as inside it", SkinRect(0, 0, 20, 20), SkinRect(0, 0, 20, 20)},
        {"top middle: stays", SkinRect(30, 2, 40, 18), SkinRect(30, 2, 40, 18)},
        {"middle: stays", SkinRect(30, 30, 40, 40), SkinRect(30, 30, 40, 40)},
    };
    for (const Row& row : rows)
        EXPECT_EQ(GrownObjectRect(row.skin, g), row.grown) << row.rule;
}

namespace {

// A slot for a button of Size, not yet placed.
FrameButtonSlot Slot(QSize size, bool visible = true)
{
    FrameButtonSlot slot;
    slot.size = size;
    slot.visible = visible;
    return slot;
}

struct Layout {
    FrameButtonSlot close = Slot({14, 12});
    FrameButtonSlot maximize = Slot({16, 12});
    FrameButtonSlot minimize = Slot({16, 12}, false);
    FrameButtonSlot custom = Slot({10, 12});
    FrameButtonSlot menu = Slot({16, 10});
    QRect caption = SkinRect(5, 0, 145, 20);
    FrameButtonLayout layout;

    Layout()
    {
        layout.buttons = {&close, &maximize, &minimize, &custom};
        layout.systemMenu = &menu;
        layout.caption = &caption;
    }
};

}  // namespace

TEST(FrameObjectLayout, ButtonsAtTheRightGoLeftwardsFromTheRectanglesRightEdge)
{
    const FrameGeometry g = FrameGeometry::OfSkin(ZoneInfo{}, kPicture, kForm);
    Layout l;
    LayOutFrameButtons(g, l.layout);
    EXPECT_EQ(l.close.rect, SkinRect(132, 3, 146, 15));
    EXPECT_EQ(l.maximize.rect, SkinRect(114, 3, 130, 15)) << "the offset between buttons";
    EXPECT_FALSE(l.minimize.placed) << "hidden buttons take no place";
    EXPECT_EQ(l.custom.rect, SkinRect(102, 3, 112, 15)) << "custom objects come last";
    EXPECT_EQ(l.menu.rect, SkinRect(5, 5, 21, 15)) << "at the caption rectangle's left, centred in it";
    EXPECT_EQ(l.caption, SkinRect(19, 0, 145, 20)) << "begins after the menu button, less the offset";

    // Without a buttons rectangle the buttons fill the caption rectangle, and the caption
    // ends where they begin.
    ZoneInfo info;
    info.buttonsrect = QRect();
    Layout inCaption;
    LayOutFrameButtons(FrameGeometry::OfSkin(info, kPicture, kForm), inCaption.layout);
    EXPECT_EQ(inCaption.close.rect, SkinRect(131, 2, 145, 14));
    EXPECT_EQ(inCaption.custom.rect, SkinRect(101, 2, 111, 14));
    EXPECT_EQ(inCaption.caption, SkinRect(19, 0, 101, 20));

    info.captionrect = QRect();
    Layout nowhere;
    LayOutFrameButtons(FrameGeometry::OfSkin(info, kPicture, kForm), nowhere.layout);
    EXPECT_FALSE(nowhere.close.placed);
    EXPECT_FALSE(nowhere.menu.placed);
    EXPECT_EQ(nowhere.caption, SkinRect(5, 0, 145, 20));
}

TEST(FrameObjectLayout, ButtonsAtTheLeftGoRightwardsAndTheMenuButtonToTheOtherEnd)
{
    ZoneInfo info;
    info.buttonsinleft = true;
    info.buttonsrect = SkinRect(4, 3, 40, 17);
    Layout l;
    LayOutFrameButtons(FrameGeometry::OfSkin(info, kPicture, kForm), l.layout);
    EXPECT_EQ(l.close.rect, SkinRect(4, 3, 18, 15));
    EXPECT_EQ(l.maximize.rect, SkinRect(20, 3, 36, 15));
    EXPECT_EQ(l.custom.rect, SkinRect(38, 3, 48, 15));
    EXPECT_EQ(l.menu.rect, SkinRect(129, 5, 145, 15));
    EXPECT_EQ(l.caption, SkinRect(5, 0, 131, 20));

    info.buttonsrect = QRect();
    Layout inCaption;
    LayOutFrameButtons(FrameGeometry::OfSkin(info, kPicture, kForm), inCaption.layout);
    EXPECT_EQ(inCaption.close.rect, SkinRect(5, 2, 19, 14));
    EXPECT_EQ(inCaption.caption.left(), 49) << "begins where the buttons end";
}
