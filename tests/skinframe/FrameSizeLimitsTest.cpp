#include "skinframe/FrameSizeLimits.h"

#include "skinframe/FormFadeIn.h"
#include "skinframe/FrameObjectLook.h"
#include "skinui/SkinRect.h"

#include <gtest/gtest.h>

namespace {

// A 160 x 90 frame picture whose client rectangle leaves a 28-pixel top and a 4-pixel bottom.
FrameSizeInput Skinned()
{
    FrameSizeInput in;
    in.skinned = true;
    in.picture = {160, 90};
    in.clientRect = SkinRect(4, 28, 156, 86);
    in.screenArea = {1280, 760};
    return in;
}

template <typename Change>
QSize MinimumWith(Change change)
{
    FrameSizeInput in = Skinned();
    change(in);
    return FrameMinimumSize(in);
}

}  // namespace

TEST(FrameSizeLimits, MinimumSizeFromTheSkinTheFormsLimitsAndTheState)
{
    EXPECT_EQ(MinimumWith([](FrameSizeInput&) {}), QSize(160, 32)) << "the picture's width and borders";
    EXPECT_EQ(MinimumWith([](FrameSizeInput& in) { in.formMinWidth = 200; }), QSize(200, 32));
    EXPECT_EQ(MinimumWith([](FrameSizeInput& in) { in.formMinWidth = 100; }), QSize(100, 32))
        << "formminwidth counts even below the picture's width";
    EXPECT_EQ(MinimumWith([](FrameSizeInput& in) { in.minWidth = 300; in.minHeight = 200; }), QSize(300, 200));
    EXPECT_EQ(MinimumWith([](FrameSizeInput& in) { in.formMinWidth = 200; in.minWidth = 250; }), QSize(250, 32));
    EXPECT_EQ(MinimumWith([](FrameSizeInput& in) { in.minWidth = 300; in.minHeight = 200; in.rolledUp = true; }),
              QSize(300, 32)) << "rolled up: the borders' height";
    EXPECT_EQ(MinimumWith([](FrameSizeInput& in) { in.minWidth = 300; in.minHeight = 200; in.minimized = true; }),
              QSize(160, 32)) << "minimized: the skin's own minimum";

    FrameSizeInput plain;
    EXPECT_EQ(FrameMinimumSize(plain), QSize(120, 19 + 6));
    plain.minWidth = 400;
    plain.minHeight = 300;
    plain.borderStyle = TFormBorderStyle::bsToolWindow;
    EXPECT_EQ(FrameMinimumSize(plain), QSize(400, 300));
    plain.rolledUp = true;
    EXPECT_EQ(FrameMinimumSize(plain), QSize(400, 15 + 6));
}

TEST(FrameSizeLimits, MaximumSizeIsTheScreenAreaUnlessTheFormLimitsIt)
{
    FrameSizeInput in = Skinned();
    EXPECT_EQ(FrameMaximumSize(in), QSize(1280, 760));
    in.maxWidth = 640;
    EXPECT_EQ(FrameMaximumSize(in), QSize(640, 760));
    in.maxHeight = 480;
    EXPECT_EQ(FrameMaximumSize(in), QSize(640, 480));
}

TEST(FrameObjectLook, EachStateFallsBackToTheNextLookThatTheSkinGives)
{
    using L = ObjectLookFlag;
    const ObjectLooks all{SkinRect(0, 0, 1, 1), SkinRect(1, 0, 2, 1), SkinRect(2, 0, 3, 1), SkinRect(3, 0, 4, 1),
                          SkinRect(4, 0, 5, 1)};
    const ObjectLooks bare{SkinRect(0, 0, 1, 1), {}, {}, {}, {}};
    struct Row {
        ObjectLookState state;
        ObjectLookKind withAll;
        ObjectLookKind withNormalOnly;
    };
    const Row rows[] = {
        {L::FormActive | L::Enabled, ObjectLookKind::Normal, ObjectLookKind::Normal},
        {L::FormActive | L::Enabled | L::Hot, ObjectLookKind::Hot, ObjectLookKind::Normal},
        {L::FormActive | L::Enabled | L::Hot | L::Down, ObjectLookKind::Down, ObjectLookKind::Normal},
        {L::FormActive | L::Enabled | L::Down, ObjectLookKind::Normal, ObjectLookKind::Normal},
        {L::Enabled | L::Hot, ObjectLookKind::Inactive, ObjectLookKind::Normal},
        {L::FormActive | L::Hot, ObjectLookKind::Disabled, ObjectLookKind::Normal},
        {L::Hot, ObjectLookKind::Disabled, ObjectLookKind::Normal},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(PickObjectLook(all, row.state), row.withAll) << int(row.state);
        EXPECT_EQ(PickObjectLook(bare, row.state), row.withNormalOnly) << int(row.state);
    }
    ObjectLooks noDisabled = all;
    noDisabled.disabled = QRect();
    EXPECT_EQ(PickObjectLook(noDisabled, L::Hot), ObjectLookKind::Hot) << "disabled, inactive form: no inactive look";
}

TEST(FormFadeIn, PlanFollowsTheFormsAndTheStoresSettings)
{
    struct Row {
        bool alphaBlend, animation;
        int value;
        bool allWindows;
        bool fade, animate;
        int target;
    };
    const Row rows[] = {
        {false, false, 200, false, false, false, 200},
        {false, false, 200, true, true, true, 255},   // the system's forms
        {true, false, 200, false, true, false, 200},  // a constant translucency
        {true, true, 200, false, true, true, 200},
        {false, true, 200, false, true, true, 255},
        {true, false, 0, true, true, true, 255},      // 0 counts as 255 for all windows
        {true, false, 0, false, true, false, 0},
    };
    for (const Row& r : rows) {
        const FadePlan plan = FormFadeIn::Plan(r.alphaBlend, r.animation, r.value, r.allWindows);
        EXPECT_EQ(plan.fade, r.fade);
        EXPECT_EQ(plan.animate, r.animate);
        if (plan.fade) {
            EXPECT_EQ(plan.target, r.target);
        }
    }
}
