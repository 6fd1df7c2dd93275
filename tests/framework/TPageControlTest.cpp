#include "framework/TPageControl.h"
#include "framework/TTabSheet.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

class TestPageControl : public TPageControl {
public:
    using TPageControl::FrameworkTabRect;
};

// A control with three pages captioned "a", "b", "c".
struct ThreePages {
    std::unique_ptr<TestPageControl> control = std::make_unique<TestPageControl>();
    TTabSheet* pages[3] = {};

    ThreePages()
    {
        control->resize(400, 300);
        const char* captions[] = {"a", "b", "c"};
        for (int i = 0; i < 3; ++i) {
            pages[i] = new TTabSheet(control.get());
            pages[i]->SetCaption(QString::fromLatin1(captions[i]));
            pages[i]->SetPageControl(control.get());
        }
    }
};

TEST(TPageControl, AppendsPagesInOrderAndActivatesTheFirst)
{
    ThreePages f;
    ASSERT_EQ(f.control->PageCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(f.control->Page(i), f.pages[i]);
        EXPECT_EQ(f.pages[i]->PageIndex(), i);
        EXPECT_EQ(f.pages[i]->PageControl(), f.control.get());
    }
    EXPECT_EQ(f.control->Page(3), nullptr);
    EXPECT_EQ(f.control->Page(-1), nullptr);
    EXPECT_EQ(f.control->ActivePage(), f.pages[0]);
    EXPECT_EQ(f.control->TabIndex(), 0);
}

TEST(TPageControl, ActivePageIsTheOnlyShownSheetAndFillsThePageArea)
{
    ThreePages f;
    f.control->show();
    f.control->SetActivePage(f.pages[1]);
    EXPECT_FALSE(f.pages[0]->isVisible());
    EXPECT_TRUE(f.pages[1]->isVisible());
    EXPECT_FALSE(f.pages[2]->isVisible());
    EXPECT_EQ(f.pages[1]->geometry(), f.control->PageArea());
    f.control->resize(500, 350);
    EXPECT_EQ(f.pages[1]->geometry(), f.control->PageArea());
    EXPECT_EQ(f.control->PageArea().right(), 500 - 2);
    EXPECT_EQ(f.control->PageArea().bottom(), 350 - 2);
}

TEST(TPageControl, ChangingThePageAnnouncesItOnceAndSameOrForeignPagesAreIgnored)
{
    ThreePages f;
    QSignalSpy changes(f.control.get(), &TPageControl::OnChange);
    f.control->SetActivePage(f.pages[2]);
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes[0][0].value<QObject*>(), f.control.get());
    f.control->SetActivePage(f.pages[2]);
    TPageControl other;
    auto* foreign = new TTabSheet(&other);
    foreign->SetPageControl(&other);
    f.control->SetActivePage(foreign);
    EXPECT_EQ(changes.size(), 1);
    EXPECT_EQ(f.control->ActivePage(), f.pages[2]);
    EXPECT_EQ(f.control->TabIndex(), 2);
}

TEST(TPageControl, RemovingAPageActivatesThePageAfterItOrTheFirst)
{
    {
        ThreePages f;  // the last page, active
        f.control->SetActivePage(f.pages[2]);
        delete f.pages[2];
        EXPECT_EQ(f.control->PageCount(), 2);
        EXPECT_EQ(f.control->ActivePage(), f.pages[0]);
    }
    {
        ThreePages f;  // the middle page while the first is active
        delete f.pages[1];
        EXPECT_EQ(f.control->ActivePage(), f.pages[2]);
        EXPECT_EQ(f.pages[2]->PageIndex(), 1);
    }
    {
        ThreePages f;  // the last page while the middle one is active
        f.control->SetActivePage(f.pages[1]);
        f.pages[2]->SetPageControl(nullptr);
        EXPECT_EQ(f.control->ActivePage(), f.pages[0]);
        EXPECT_EQ(f.pages[2]->PageControl(), nullptr);
        EXPECT_EQ(f.pages[2]->PageIndex(), -1);
    }
    {
        TPageControl control;  // the only page
        auto* only = new TTabSheet(&control);
        only->SetPageControl(&control);
        ASSERT_EQ(control.ActivePage(), only);
        delete only;
        EXPECT_EQ(control.PageCount(), 0);
        EXPECT_EQ(control.ActivePage(), nullptr);
        EXPECT_EQ(control.TabIndex(), -1);
    }
}

TEST(TPageControl, MovingASheetToAnotherControlAppendsItThere)
{
    ThreePages f;
    TPageControl other;
    f.pages[0]->SetPageControl(&other);
    EXPECT_EQ(f.control->PageCount(), 2);
    EXPECT_EQ(f.control->ActivePage(), f.pages[1]);
    EXPECT_EQ(other.Page(0), f.pages[0]);
    EXPECT_EQ(f.pages[0]->parentWidget(), &other);
    EXPECT_EQ(other.ActivePage(), f.pages[0]);
}

TEST(TPageControl, HiddenTabsAreSkippedByVisibleIndices)
{
    ThreePages f;
    f.pages[1]->SetTabVisible(false);
    EXPECT_EQ(f.control->VisibleTabCount(), 2);
    EXPECT_EQ(f.control->PageOfTab(1), f.pages[2]);
    EXPECT_EQ(f.control->PageOfTab(2), nullptr);
    f.control->SetActivePage(f.pages[2]);
    EXPECT_EQ(f.control->TabIndex(), 1);
    f.control->SetActivePage(f.pages[1]);
    EXPECT_EQ(f.control->TabIndex(), -1);
}

TEST(TPageControl, LeftClickOnATabActivatesItsPageBeforeTheMouseDownEvent)
{
    ThreePages f;
    f.control->show();
    TTabSheet* activeAtMouseDown = nullptr;
    QObject::connect(f.control.get(), &TPageControl::OnMouseDown, f.control.get(),
                     [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
                         activeAtMouseDown = f.control->ActivePage();
                     });
    const QRect third = f.control->FrameworkTabRect(2);
    ASSERT_FALSE(third.isEmpty());
    EXPECT_GE(third.left(), f.control->FrameworkTabRect(1).right());
    QTest::mouseClick(f.control.get(), Qt::RightButton, {}, third.center());
    EXPECT_EQ(f.control->ActivePage(), f.pages[0]) << "only the left button selects";
    QTest::mouseClick(f.control.get(), Qt::LeftButton, {}, third.center());
    EXPECT_EQ(f.control->ActivePage(), f.pages[2]);
    EXPECT_EQ(activeAtMouseDown, f.pages[2]);
    QTest::mouseClick(f.control.get(), Qt::LeftButton, {}, QPoint(f.control->width() - 5, f.control->height() - 5));
    EXPECT_EQ(f.control->ActivePage(), f.pages[2]) << "a click in the page area selects nothing";
}

TEST(TPageControl, DestroyingTheControlFreesItsSheetsWithoutAnnouncingChanges)
{
    auto control = std::make_unique<TPageControl>();
    auto* sheet = new TTabSheet(control.get());
    sheet->SetPageControl(control.get());
    QPointer<TTabSheet> watch(sheet);
    int changes = 0;
    QObject::connect(control.get(), &TPageControl::OnChange, [&](QObject*) { ++changes; });
    control.reset();
    EXPECT_TRUE(watch.isNull());
    EXPECT_EQ(changes, 0);
}

}  // namespace

namespace {

TEST(TPageControl, HidingTheActiveTabSelectsTheTabThatTakesItsPlace)
{
    ThreePages f;
    f.control->SetActivePage(f.pages[1]);
    f.pages[1]->SetTabVisible(false);
    EXPECT_EQ(f.control->ActivePage(), f.pages[2]);
    f.pages[2]->SetTabVisible(false);
    EXPECT_EQ(f.control->ActivePage(), f.pages[0]) << "the last tab when none follows";
    f.pages[0]->SetTabVisible(false);
    EXPECT_EQ(f.control->ActivePage(), nullptr);
    f.pages[2]->SetTabVisible(true);
    EXPECT_EQ(f.control->ActivePage(), nullptr) << "showing a tab selects nothing";
}

}  // namespace
