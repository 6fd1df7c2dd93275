#include "skinframe/SystemMenuItems.h"

#include "skin/TbsResourceStrData.h"
#include "skin/TbsSkinData.h"

#include <gtest/gtest.h>

namespace {

QStringList Names(const QList<SystemMenuItem>& items)
{
    QStringList names;
    for (const SystemMenuItem& item : items)
        names << item.name;
    return names;
}

using State = TbsFrameWindowState;

}  // namespace

TEST(SystemMenuItems, ItemsFollowTheStateAndTheBorderIcons)
{
    const TbsBorderIcons all = biSystemMenu | biMinimize | biMaximize | biRollUp | biMinimizeToTray;
    struct Row {
        State state;
        bool rolledUp;
        TbsBorderIcons icons;
        QStringList names;
    };
    const Row rows[] = {
        {State::Normal, false, all, {"BSF_MINITEM", "BSF_MAXITEM", "BSF_ROLLUP", "BSF_MINTOTRAY", "-", "BSF_CLOSE"}},
        {State::Maximized, false, all, {"BSF_MINITEM", "BSF_RESTORE", "BSF_ROLLUP", "BSF_MINTOTRAY", "-", "BSF_CLOSE"}},
        {State::Minimized, false, all, {"BSF_MAXITEM", "BSF_RESTORE", "BSF_MINTOTRAY", "-", "BSF_CLOSE"}},
        {State::Normal, true, all, {"BSF_MINITEM", "BSF_MAXITEM", "BSF_RESTORE", "BSF_MINTOTRAY", "-", "BSF_CLOSE"}},
        {State::Normal, false, biSystemMenu, {"BSF_CLOSE"}},
        {State::Normal, false, {}, {"BSF_CLOSE"}},
        {State::Maximized, false, biSystemMenu, {"BSF_RESTORE", "-", "BSF_CLOSE"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Names(BuildSystemMenuItems({row.state, row.rolledUp, row.icons}, nullptr)), row.names);
}

TEST(SystemMenuItems, CaptionsComeFromTheStoresStringsOrTheBuiltInOnes)
{
    TbsResourceStrData strings;
    strings.SetResStrings(TbsResourceStrData::SystemStrings());
    TbsSkinData store;
    store.SetResourceStrData(&strings);

    // The message box: only the close item, in the system's language, with its shortcut.
    const QList<SystemMenuItem> box = BuildSystemMenuItems({State::Normal, false, biSystemMenu}, &store);
    ASSERT_EQ(box.size(), 1);
    EXPECT_EQ(box[0].caption, QStringLiteral("&关闭"));
    EXPECT_EQ(box[0].shortcut.toString(QKeySequence::PortableText), QStringLiteral("Alt+F4"));
    EXPECT_EQ(box[0].command, SystemMenuCommand::Close);

    const QList<SystemMenuItem> full =
        BuildSystemMenuItems({State::Maximized, true, biMinimize | biMinimizeToTray}, &store);
    QStringList captions;
    for (const SystemMenuItem& item : full)
        captions << item.caption;
    EXPECT_EQ(captions, (QStringList{"&最小化", "&还原", "&最小化到系统栏", "-", "&关闭"}));

    const QList<SystemMenuItem> plain = BuildSystemMenuItems({State::Normal, false, biMaximize}, nullptr);
    EXPECT_EQ(plain[0].caption, QStringLiteral("Ma&ximize"));
    EXPECT_EQ(plain.last().caption, QStringLiteral("&Close"));
}
