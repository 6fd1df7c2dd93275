#include "framework/TMenuItem.h"

#include "error/KestruneError.h"
#include "framework/TApplicationEvents.h"

#include <gtest/gtest.h>

namespace {

// A root with children captioned by the letters of notation: a letter an item, "-" a separator,
// "x" an invisible item.
void Fill(TMenuItem& root, const QString& notation)
{
    for (const QChar c : notation) {
        auto* item = new TMenuItem;
        item->SetCaption(c == u'x' ? QStringLiteral("hidden") : QString(c));
        item->SetVisible(c != u'x');
        root.Add(item);
    }
}

QString Shown(const TMenuItem& root, int firstIndex = 0)
{
    QString shown;
    for (const TMenuItem* item : root.VisibleItems(firstIndex))
        shown += item->Caption();
    return shown;
}

TEST(TMenuItem, ShownChildrenLeaveOutHiddenItemsAndSeparatorsThatSeparateNothing)
{
    const struct {
        const char* children;
        int firstIndex;
        const char* automatic;
        const char* manual;
    } cases[] = {
        {"a-b", 0, "a-b", "a-b"},
        {"-a--b-", 0, "a-b", "-a--b-"},
        {"a-x-b", 0, "a-b", "a--b"},
        {"ax-", 0, "a", "a-"},
        {"a-b-c", 2, "b-c", "b-c"},
        {"a-b", 1, "b", "-b"},
        {"--", 0, "", "--"},
        {"ab", 5, "", ""},
    };
    for (const auto& c : cases) {
        TMenuItem root;
        Fill(root, QString::fromLatin1(c.children));
        EXPECT_EQ(Shown(root, c.firstIndex), QString::fromLatin1(c.automatic)) << c.children;
        root.SetAutoLineReduction(TMenuAutoFlag::maManual);
        EXPECT_EQ(Shown(root, c.firstIndex), QString::fromLatin1(c.manual)) << c.children;
    }
}

TEST(TMenuItem, ASubMenuFollowsItsParentsLineReductionUnlessItSetsItsOwn)
{
    TMenuItem root;
    root.SetAutoLineReduction(TMenuAutoFlag::maManual);
    auto* sub = new TMenuItem;
    root.Add(sub);
    Fill(*sub, QStringLiteral("-a"));
    EXPECT_EQ(Shown(*sub), QStringLiteral("-a"));
    sub->SetAutoLineReduction(TMenuAutoFlag::maAutomatic);
    EXPECT_EQ(Shown(*sub), QStringLiteral("a"));
    EXPECT_TRUE(root.HasVisibleItems());
    EXPECT_FALSE(sub->Items(0)->HasVisibleItems());
}

TEST(TMenuItem, DeletedItemsLeaveTheTreeAndMovedItemsChangeParent)
{
    TMenuItem root;
    Fill(root, QStringLiteral("abc"));
    delete root.Items(1);
    EXPECT_EQ(Shown(root), QStringLiteral("ac"));
    TMenuItem other;
    other.Add(root.Items(0));
    EXPECT_EQ(Shown(root), QStringLiteral("c"));
    EXPECT_EQ(Shown(other), QStringLiteral("a"));
    EXPECT_EQ(other.Items(0)->Parent(), &other);
    root.Clear();
    EXPECT_EQ(root.Count(), 0);
    EXPECT_EQ(root.Items(0), nullptr);
}

TEST(TMenuItem, AClickRunsOnClickAndARaisingHandlerIsReportedThere)
{
    TApplicationEvents hub;
    QStringList reported;
    QObject::connect(&hub, &TApplicationEvents::OnException, &hub,
                     [&](QObject*, const std::exception& e) { reported << TApplicationEvents::ExceptionMessage(e); });
    TMenuItem item;
    QObject* sender = nullptr;
    QObject::connect(&item, &TMenuItem::OnClick, &item, [&](QObject* s) {
        sender = s;
        throw KestruneError(QStringLiteral("handler failed"));
    });
    item.Click();
    EXPECT_EQ(sender, &item);
    EXPECT_EQ(reported, QStringList{QStringLiteral("handler failed")});
}

}  // namespace
