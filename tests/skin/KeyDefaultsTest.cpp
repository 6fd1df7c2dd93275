// Each key's default lives in its kind's key list: a fresh object, and a store's records before
// its first load, hold exactly what reading an empty section gives.
#include "skin/SkinDescription.h"
#include "skin/SkinKindTable.h"
#include "skin/TbsDataSkinFormInfo.h"
#include "skin/TbsDataSkinHintWindow.h"
#include "skin/TbsDataSkinLayerFrame.h"
#include "skin/TbsDataSkinPopupWindow.h"
#include "skin/TbsDataSkinVersion.h"
#include "skin/TbsSkinColors.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// Every key of an entry in its written form, one "key=value" line each.
std::string Written(const TbsDataSkinEntry& entry)
{
    SkinDescription description;
    entry.WriteToDescription(description);
    return description.Lines().join(u'\n').toStdString() + "\n";
}

std::string WrittenAfterReadingNothing(TbsDataSkinEntry& entry)
{
    entry.ReadFromDescription(SkinDescription());
    return Written(entry);
}

const char* const kControlWords[] = {"panel", "expanel", "menubutton", "button", "checkradio", "gauge", "splitter",
                                     "trackbar", "label", "stdlabel", "updown", "grid", "tab", "listview",
                                     "mainmenubar", "controlbar", "memo", "edit", "checklistbox", "listbox",
                                     "combobox", "scrollbar", "spinedit", "scrollbox", "treeview", "bevel",
                                     "slider", "richedit"};
const char* const kObjectWords[] = {"menuitem", "mainmenubaritem", "stdbutton", "mainmenubarbutton",
                                    "button", "caption", "animate", "userobject"};

TEST(KeyDefaults, AFreshObjectOfEveryKindHoldsItsKeyListsDefaults)
{
    for (const char* word : kControlWords) {
        const auto fresh = SkinKindTable::CreateControl(QLatin1String(word), QStringLiteral("obj"));
        const auto read = SkinKindTable::CreateControl(QLatin1String(word), QStringLiteral("obj"));
        ASSERT_TRUE(fresh) << word;
        EXPECT_EQ(Written(*fresh), WrittenAfterReadingNothing(*read)) << "control kind " << word;
    }
    for (const char* word : kObjectWords) {
        const auto fresh = SkinKindTable::CreateObject(QLatin1String(word), QStringLiteral("obj"));
        const auto read = SkinKindTable::CreateObject(QLatin1String(word), QStringLiteral("obj"));
        ASSERT_TRUE(fresh) << word;
        EXPECT_EQ(Written(*fresh), WrittenAfterReadingNothing(*read)) << "object kind " << word;
    }
}

TEST(KeyDefaults, TheStoresRecordsStartWithTheirDefaults)
{
    const std::function<std::unique_ptr<TbsDataSkinEntry>()> records[] = {
        [] { return std::make_unique<TbsDataSkinFormInfo>(); },
        [] { return std::make_unique<TbsDataSkinPopupWindow>(); },
        [] { return std::make_unique<TbsDataSkinLayerFrame>(); },
        [] { return std::make_unique<TbsDataSkinHintWindow>(); },
        [] { return std::make_unique<TbsDataSkinVersion>(); },
    };
    for (const auto& make : records) {
        const auto fresh = make();
        const auto read = make();
        EXPECT_EQ(Written(*fresh), WrittenAfterReadingNothing(*read)) << qPrintable(fresh->ObjectName);
    }

    // Colours are the exception: 0 until a store clears them.
    EXPECT_EQ(TbsSkinColors().cbtnface, 0);
}

}  // namespace
