#include "WindowsSession.h"
#include "skinframe/FrameFixture.h"
#include "skinframe/ShownFrameObjects.h"

#include "framework/TMenuItem.h"
#include "skincontrols/TbsSkinMenu.h"
#include "skincontrols/TbsSkinPopupWindow.h"
#include "skinui/CompositingProbe.h"
#include "skinui/SkinRect.h"
#include "skinui/TbsLayerWindow.h"
#include "support/Wait.h"

#include <QApplication>
#include <QScreen>

namespace {

constexpr quint32 kOpaque = 0xFFFFFFFFu;

// Shows the form and samples its opacity as the event loop runs until the fade is over.
QList<double> ShowAndWatchFade(QWidget& form, const TbsSkinFrame& frame)
{
    form.show();
    QList<double> seen{form.windowOpacity()};
    WaitFor([&] {
        if (seen.last() != form.windowOpacity())
            seen << form.windowOpacity();
        return !frame.Fading();
    }, 5000);
    if (seen.last() != form.windowOpacity())
        seen << form.windowOpacity();
    return seen;
}

void ExpectFadeFromTransparentToOpaque(const QList<double>& seen, const QWidget& form)
{
    ASSERT_GE(seen.size(), 3) << "some steps between transparent and opaque";
    EXPECT_EQ(seen.first(), 0.0);
    EXPECT_EQ(seen.last(), 1.0);
    for (qsizetype i = 1; i < seen.size(); ++i)
        EXPECT_GT(seen[i], seen[i - 1]);
    EXPECT_EQ(WindowsSession::WindowOpacityProperty(form).value_or(kOpaque), kOpaque) << "not translucent any more";
}

bool GlowShown()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<TbsLayerWindow*>(window) && window->isVisible())
            return true;
    return false;
}

// A skin whose one caption button glows while hot.
void LoadGlowSkin(TbsSkinData& store)
{
    LoadCraftedSkin(store, SkinTest::Solid(100, 80, 0xFF336699), {},
                    {SkinTest::Solid(20, 10, 0xFF00FF00), SkinTest::Solid(30, 20, 0xFFFFFF00)},
                    {"[FORMINFO]", "lefttoppoint=12,24", "righttoppoint=88,24", "leftbottompoint=12,64",
                     "rightbottompoint=88,64", "clientrect=6,24,94,74", "captionrect=6,7,94,17", "[SKINOBJECTS]",
                     "count=1", "0=close:stdbutton", "[close]", "command=cmclose", "skinrectinapicture=1",
                     "activepictureindex=0", "skinrect=0,0,10,10", "activeskinrect=10,0,20,10",
                     "glowlayerpictureindex=1", "glowlayeroffsetx=10", "glowlayeroffsety=5"});
}

}  // namespace

// A dialog narrower than the frame picture is widened to it and fades in; so does a form
// without border, which keeps its own shape and margins.
TEST(RealWindows, FormsFadeInFromTransparentToOpaqueAndKeepTheirShape)
{
    ASSERT_TRUE(CompositingManagerPresent());
    FramedForm dialog(biSystemMenu, TFormBorderStyle::bsDialog);
    dialog.form->resize(100, 50);
    LoadDefaultSkin(dialog.store);
    EXPECT_EQ(dialog.form->size(), QSize(160, 50));
    ExpectFadeFromTransparentToOpaque(ShowAndWatchFade(*dialog.form, *dialog.frame), *dialog.form);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.form.get(), 20000));
    EXPECT_EQ(dialog.form->width(), 160);

    FramedForm main({}, TFormBorderStyle::bsNone);
    main.form->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    const QRegion shape = QRegion(0, 0, 400, 300) - QRegion(0, 0, 6, 6);
    main.form->setMask(shape);
    LoadDefaultSkin(main.store);
    ExpectFadeFromTransparentToOpaque(ShowAndWatchFade(*main.form, *main.frame), *main.form);
    EXPECT_EQ(main.form->mask(), shape);
    EXPECT_EQ(main.form->contentsMargins(), QMargins());

    // Every show fades again.
    dialog.form->hide();
    ExpectFadeFromTransparentToOpaque(ShowAndWatchFade(*dialog.form, *dialog.frame), *dialog.form);
}

// Without a compositing manager window opacity means nothing: no fade and no glow window,
// quietly; once one runs, the caption button's glow shows beside the button.
TEST(RealWindows, WithoutACompositingManagerNothingFadesOrGlows)
{
    XvfbSession& session = WindowsSession::Get();
    session.StopCompositor();
    ASSERT_TRUE(WaitFor([] { return !CompositingManagerPresent(); }, 5000));
    FramedForm f({}, TFormBorderStyle::bsSizeable);
    LoadGlowSkin(f.store);
    f.Show();
    EXPECT_FALSE(f.frame->Fading());
    EXPECT_EQ(f.form->windowOpacity(), 1.0);
    EXPECT_EQ(WindowsSession::WindowOpacityProperty(*f.form).value_or(kOpaque), kOpaque);
    // The pointer really moves on the X server, so its motion comes back a little later.
    const QRect close = f.Object("close").ObjectRect;
    const auto closeIsHot = [&] { return f.Object("close").MouseIn; };
    QTest::mouseMove(f.form.get(), close.center());
    ASSERT_TRUE(WaitFor(closeIsHot, 5000));
    EXPECT_FALSE(GlowShown());
    QTest::mouseMove(f.form.get(), {200, 150});
    ASSERT_TRUE(WaitFor([&] { return !closeIsHot(); }, 5000));

    ASSERT_TRUE(session.StartCompositor()) << session.Error().toStdString();
    QTest::mouseMove(f.form.get(), close.center() + QPoint(1, 0));
    ASSERT_TRUE(WaitFor(GlowShown, 5000));
    TbsLayerWindow* glow = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* layer = qobject_cast<TbsLayerWindow*>(window); layer && layer->isVisible())
            glow = layer;
    EXPECT_EQ(glow->geometry(), QRect(f.form->mapToGlobal(close.topLeft()) - QPoint(10, 5), QSize(30, 20)));
    QTest::mouseMove(f.form.get(), {200, 150});
    EXPECT_TRUE(WaitFor([] { return !GlowShown(); }, 5000)) << "leaving the button hides it";
}

TEST(RealWindows, MaximizeFillsTheWorkAreaOfTheFormsScreen)
{
    TbsSkinData store;
    LoadDefaultSkin(store);
    QWidget form;
    form.setGeometry(50, 60, 400, 300);
    auto* frame = new TbsSkinFrame(&form, TFormBorderStyle::bsSizeable);
    frame->SetSkinData(&store);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QRect normal = form.geometry();
    QRect area = form.screen()->availableGeometry();
    if (area == form.screen()->geometry())
        area.adjust(1, 1, -1, -1);
    frame->MaximizeWindow();
    EXPECT_TRUE(WaitFor([&] { return form.geometry() == area; }, 5000)) << form.geometry().width();
    frame->RestoreWindow();
    EXPECT_TRUE(WaitFor([&] { return form.geometry() == normal; }, 5000));
}

// The message box, the cache cleaner and the main window as the system has them.
TEST(RealWindows, CaptionButtonsSystemMenuAndAltSpace)
{
    const auto shown = ShownFrameObjects;
    FramedForm box(biSystemMenu, TFormBorderStyle::bsDialog);
    LoadDefaultSkin(box.store);
    box.Show();
    EXPECT_EQ(shown(*box.frame), (QStringList{"caption", "closebutton", "sysmenubutton"}));
    const QPoint menuButton = box.Object("sysmenubutton").ObjectRect.center();
    QTest::mouseClick(box.form.get(), Qt::LeftButton, {}, menuButton);
    ASSERT_TRUE(box.frame->SkinMenu()->Visible());
    ASSERT_EQ(box.frame->SystemMenu()->Count(), 1);
    EXPECT_EQ(box.frame->SystemMenu()->Items(0)->Caption(), QStringLiteral("&关闭"));
    EXPECT_EQ(box.frame->SystemMenu()->Items(0)->ShortCutText(), QStringLiteral("Alt+F4"));
    box.frame->SkinMenu()->CloseAll();
    QTest::keyClick(box.form.get(), Qt::Key_Space, Qt::AltModifier);
    EXPECT_TRUE(box.frame->SkinMenu()->Visible()) << "Alt+Space opens it below the button";
    box.frame->SkinMenu()->CloseAll();
    QTest::mouseClick(box.form.get(), Qt::RightButton, {}, {80, 12});
    ASSERT_TRUE(box.frame->SkinMenu()->Visible());
    EXPECT_EQ(box.frame->SkinMenu()->Level(0)->geometry().topLeft(), box.form->mapToGlobal(QPoint(80, 12)));
    box.frame->SkinMenu()->CloseAll();
    QTest::mouseDClick(box.form.get(), Qt::LeftButton, {}, menuButton + QPoint(1, 0));
    EXPECT_TRUE(WaitForHidden(*box.form)) << "a double click on the button closes the box";

    FramedForm cleaner{TbsBorderIcons()};
    LoadDefaultSkin(cleaner.store);
    cleaner.Show();
    EXPECT_EQ(shown(*cleaner.frame), (QStringList{"caption", "closebutton"}));
    const QRect before = cleaner.form->geometry();
    QTest::mouseDClick(cleaner.form.get(), Qt::LeftButton, {}, {150, 12});
    EXPECT_EQ(cleaner.form->geometry(), before) << "no maximize, no roll-up";
    QTest::keyClick(cleaner.form.get(), Qt::Key_Space, Qt::AltModifier);
    EXPECT_FALSE(cleaner.frame->SkinMenu()->Visible());

    FramedForm main({}, TFormBorderStyle::bsNone);
    LoadDefaultSkin(main.store);
    auto* control = new Recorder(main.form.get());
    control->setFocusPolicy(Qt::StrongFocus);
    main.Show();
    control->setFocus();
    QTest::keyClick(control, Qt::Key_Space, Qt::AltModifier);
    EXPECT_TRUE(control->keys.isEmpty()) << "taken on a form without border too";
    EXPECT_FALSE(main.frame->SkinMenu()->Visible());
}
