#include "skinframe/FrameHitTest.h"

#include "skin/TbsDataSkinFormInfo.h"
#include "skinframe/FrameGeometry.h"
#include "skinui/FrameStrips.h"
#include "skinui/SkinRect.h"

#include <gtest/gtest.h>

namespace {

using S = FrameHitState;
using F = FrameHitFlag;

// A 100 x 80 frame picture with borders 6 (left, right, bottom) and 24 (top), hit-test points
// 10 pixels in from the corners, a border width of 4 and the mask rectangle 8 pixels in; the
// form is 200 x 150 (100 wider, 70 taller). A caption object lies at (20, 4)-(70, 20).
struct Info : TbsDataSkinFormInfo {
    Info()
    {
        lefttoppoint = {12, 24};
        righttoppoint = {88, 24};
        leftbottompoint = {12, 64};
        rightbottompoint = {88, 64};
        clientrect = SkinRect(6, 24, 94, 74);
        hittestlefttoppoint = {10, 10};
        hittestrighttoppoint = {90, 10};
        hittestleftbottompoint = {10, 0};
        hittestrightbottompoint = {90, 70};
        borderwidth = 4;
        maskrectarea = SkinRect(8, 8, 92, 72);
    }
};

// Black (inside) but for the two outermost columns on each side and a cut top-left corner.
QImage Mask()
{
    QImage mask(100, 80, QImage::Format_RGB32);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 100; ++x)
            mask.setPixel(x, y, x < 2 || x >= 98 || x + y < 8 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    return mask;
}

struct Skinned {
    FrameGeometry geometry = FrameGeometry::OfSkin(Info{}, {100, 80}, {200, 150});
    FrameStripImages mask;

    Skinned()
    {
        NinePieceGeometry m = geometry.skin;
        m.clRect = Info{}.maskrectarea;
        NinePieceGeometry grown = geometry.grown;
        grown.clRect = geometry.maskRect;
        BuildMaskStrips(mask, Mask(), m, grown, 200);
    }

    int At(QPoint p, S state, bool masked = false) const
    {
        FrameHitInput in;
        in.geometry = &geometry;
        in.maskStrips = masked ? &mask : nullptr;
        in.captionObjects = {SkinRect(20, 4, 70, 20)};
        in.state = state;
        return FrameHitTestAt(p, in);
    }
};

}  // namespace

TEST(FrameHitTest, EveryCodeOfASkinnedFrame)
{
    const Skinned f;
    const S sizable = F::Resizable;
    struct Row {
        QPoint at;
        int code;
    };
    const Row rows[] = {
        {{1, 1}, HTTOPLEFT},     {{198, 2}, HTTOPRIGHT}, {{2, 148}, HTBOTTOMLEFT}, {{198, 148}, HTBOTTOMRIGHT},
        {{100, 1}, HTTOP},       {{100, 148}, HTBOTTOM}, {{1, 80}, HTLEFT},        {{198, 80}, HTRIGHT},
        {{100, 80}, HTCLIENT},   {{30, 10}, HTCAPTION},  {{150, 10}, HTOBJECT},
        {{5, 80}, HTOBJECT},  // border, but the probes 4 pixels out stay inside the window
    };
    for (const Row& row : rows)
        EXPECT_EQ(f.At(row.at, sizable), row.code) << row.at.x() << "," << row.at.y();
}

TEST(FrameHitTest, WithAMaskTheWindowShapeDecidesWhatIsNearTheEdge)
{
    const Skinned f;
    const S sizable = F::Resizable;
    // (5, 80): its probe (1, 80) is off the mask's black pixels, though inside the window.
    EXPECT_EQ(f.At({5, 80}, sizable, true), HTLEFT);
    EXPECT_EQ(f.At({5, 80}, sizable, false), HTOBJECT);
    EXPECT_EQ(f.At({1, 1}, sizable, true), HTTOPLEFT);
    EXPECT_EQ(f.At({100, 2}, sizable, true), HTTOP);
    EXPECT_EQ(f.At({100, 12}, sizable, true), HTOBJECT) << "inside the mask rectangle: never near";
    EXPECT_EQ(f.At({100, 80}, sizable, true), HTCLIENT);
}

TEST(FrameHitTest, SizingCodesOnlyForAResizableFormInItsNormalState)
{
    const Skinned f;
    for (const S state : {S(F::Resizable | F::Maximized), S(F::Resizable | F::RolledUp), S(F::Resizable | F::Minimized),
                          S()}) {
        EXPECT_EQ(f.At({1, 1}, state), HTOBJECT) << int(state);
        EXPECT_EQ(f.At({100, 148}, state), HTOBJECT) << int(state);
        EXPECT_EQ(f.At({30, 10}, state), HTCAPTION) << int(state);
        EXPECT_EQ(f.At({100, 80}, state), HTCLIENT) << int(state);
    }
}

TEST(FrameHitTest, AHotObjectOutranksTheBordersButNotTheCaptionOrTheClientArea)
{
    const Skinned f;
    const S hot = F::Resizable | F::HotObject;
    EXPECT_EQ(f.At({1, 1}, hot), HTOBJECT);
    EXPECT_EQ(f.At({30, 10}, hot), HTCAPTION);
    EXPECT_EQ(f.At({100, 80}, hot), HTCLIENT);
    EXPECT_EQ(f.At({1, 1}, hot | F::RolledUp), HTOBJECT);
}

TEST(FrameHitTest, DefaultFrameWithoutASkin)
{
    const FrameGeometry g = FrameGeometry::OfDefault(TFormBorderStyle::bsSizeable, {200, 150});
    const auto at = [&](QPoint p, S state) {
        FrameHitInput in;
        in.geometry = &g;
        in.state = state;
        return FrameHitTestAt(p, in);
    };
    const S sizable = F::Resizable;
    struct Row {
        QPoint at;
        int code;
    };
    // The border: x <= 2 or x >= W - 2, y <= 2 or y >= H - 2; the caption up to y 19; the
    // client area from (3, 22) to (W - 3, H - 3); anything between is the frame's.
    const Row rows[] = {
        {{0, 0}, HTTOPLEFT},     {{2, 2}, HTTOPLEFT},   {{198, 1}, HTTOPRIGHT},  {{197, 1}, HTTOP},
        {{1, 148}, HTBOTTOMLEFT}, {{1, 147}, HTLEFT},    {{199, 149}, HTBOTTOMRIGHT}, {{100, 0}, HTTOP},
        {{100, 148}, HTBOTTOM},  {{100, 147}, HTOBJECT}, {{0, 80}, HTLEFT},        {{198, 80}, HTRIGHT},
        {{197, 80}, HTOBJECT},   {{196, 80}, HTCLIENT}, {{3, 80}, HTCLIENT},      {{100, 10}, HTCAPTION},
        {{100, 18}, HTCAPTION},  {{100, 19}, HTOBJECT}, {{100, 21}, HTOBJECT},    {{100, 22}, HTCLIENT},
    };
    for (const Row& row : rows)
        EXPECT_EQ(at(row.at, sizable), row.code) << row.at.x() << "," << row.at.y();
    EXPECT_EQ(at({0, 0}, F::Resizable | F::Maximized), HTOBJECT);
    EXPECT_EQ(at({0, 0}, S()), HTOBJECT) << "a dialog border";
    EXPECT_EQ(at({100, 10}, S()), HTCAPTION);
    EXPECT_EQ(at({190, 10}, F::HotObject), HTOBJECT) << "a hot caption button, also on a dialog";
    EXPECT_EQ(at({1, 1}, sizable | F::HotObject), HTOBJECT);
}
