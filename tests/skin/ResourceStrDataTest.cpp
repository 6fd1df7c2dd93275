#include "skin/TbsResourceStrData.h"

#include "skin/SkinResourceString.h"
#include "skin/TbsSkinData.h"

#include <gtest/gtest.h>

TEST(TbsResourceStrData, DefaultsInOrder)
{
    TbsResourceStrData data;
    const QStringList lines = data.ResStrings();
    ASSERT_EQ(lines.size(), 131);
    EXPECT_EQ(lines.first(), "MI_MINCAPTION=Mi&nimize");
    EXPECT_EQ(lines[12], "RESTORE_HINT=Restore");
    EXPECT_EQ(lines.last(), "DBNAV_REFRESH=REFRESH");
    EXPECT_EQ(data.CharSet(), 1);
    EXPECT_EQ(data.LookupString("mi_mincaption"), "Mi&nimize");
    EXPECT_EQ(data.LookupString("MI_MINCAPTION"), "Mi&nimize");
    EXPECT_EQ(data.LookupString("FLV_LOOKIN"), "Look in: ");
    EXPECT_EQ(data.LookupString("find_replace_all"), "Replace All");
    EXPECT_EQ(data.LookupString("NOSUCHKEY"), "");
}

TEST(TbsResourceStrData, LookupRules)
{
    TbsResourceStrData data;
    data.SetResStrings({"NOEQUALS", "A=x=y", " B =  spaced ", "a=second"});
    EXPECT_EQ(data.LookupString("A"), "x=y");
    EXPECT_EQ(data.LookupString(" b "), "  spaced ");
    EXPECT_EQ(data.LookupString("NOEQUALS"), "");
    EXPECT_EQ(data.LookupString("RESTORE_HINT"), "");
}

TEST(TbsResourceStrData, SystemListIsChineseWhereItDiffers)
{
    const QStringList defaults = TbsResourceStrData::DefaultStrings();
    const QStringList system = TbsResourceStrData::SystemStrings();
    ASSERT_EQ(system.size(), 131);
    int differing = 0;
    for (int i = 0; i < 131; ++i) {
        EXPECT_EQ(system[i].section(u'=', 0, 0), defaults[i].section(u'=', 0, 0));
        differing += system[i] != defaults[i] ? 1 : 0;
    }
    EXPECT_EQ(differing, 16);
    TbsResourceStrData data;
    data.SetResStrings(system);
    EXPECT_EQ(data.LookupString("CLOSEBUTTON_HINT"), "关闭");
    EXPECT_EQ(data.LookupString("MI_CLOSECAPTION"), "&关闭");
    EXPECT_EQ(data.LookupString("MI_MINTOTRAYCAPTION"), "&最小化到系统栏");
    EXPECT_EQ(data.LookupString("MSG_BTN_CANCEL"), "取消");
    EXPECT_EQ(data.LookupString("MENUBUTTON_HINT"), "System menu");
}

TEST(SkinResourceString, TheStoresStringsWhenItHasThemElseTheDefaults)
{
    TbsSkinData store;
    TbsResourceStrData strings;
    strings.SetResStrings(TbsResourceStrData::SystemStrings());
    EXPECT_EQ(SkinResourceString(nullptr, QStringLiteral("MI_MAXCAPTION")), QStringLiteral("Ma&ximize"));
    EXPECT_EQ(SkinResourceString(&store, QStringLiteral("closebutton_hint")), QStringLiteral("Close"));
    EXPECT_EQ(SkinResourceString(&store, QStringLiteral("NOSUCHKEY")), QString());

    store.SetResourceStrData(&strings);
    EXPECT_EQ(SkinResourceString(&store, QStringLiteral("CLOSEBUTTON_HINT")), QStringLiteral("关闭"));
    EXPECT_EQ(SkinResourceString(&store, QStringLiteral("MI_CLOSECAPTION")), QStringLiteral("&关闭"));
    EXPECT_EQ(SkinResourceString(&store, QStringLiteral("MENUBUTTON_HINT")), QStringLiteral("System menu"));

    // A store's list without a key gives nothing, not the default.
    QStringList withoutRestore = TbsResourceStrData::SystemStrings();
    withoutRestore.removeIf([](const QString& line) { return line.startsWith(QStringLiteral("RESTORE_HINT=")); });
    strings.SetResStrings(withoutRestore);
    EXPECT_EQ(SkinResourceString(&store, QStringLiteral("RESTORE_HINT")), QString());
}
