#include "browser/TTabRegistry.h"

#include <gtest/gtest.h>

TEST(TabRegistry, FindsRecordsByTheirTagsDecimalText)
{
    TTabRegistry registry;
    EXPECT_EQ(registry.IndexOf(QStringLiteral("1")), -1);
    registry.Add(TTabRegistry::KeyOf(1), std::make_unique<TTabRecord>());
    registry.Add(TTabRegistry::KeyOf(12), std::make_unique<TTabRecord>());
    EXPECT_EQ(registry.IndexOf(QStringLiteral("12")), 1);
    EXPECT_EQ(registry.IndexOf(QStringLiteral("012")), -1);
    EXPECT_EQ(registry.Find(12), &registry.Record(1));
    EXPECT_EQ(registry.Find(2), nullptr);
    EXPECT_EQ(registry.Count(), 2);
}
