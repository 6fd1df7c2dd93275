#include "skin/SkinKindTable.h"

#include "skin/TbsDataSkinAnimate.h"
#include "skin/TbsDataSkinBevel.h"
#include "skin/TbsDataSkinButton.h"
#include "skin/TbsDataSkinButtonControl.h"
#include "skin/TbsDataSkinCaption.h"
#include "skin/TbsDataSkinCheckListBox.h"
#include "skin/TbsDataSkinCheckRadioControl.h"
#include "skin/TbsDataSkinComboBox.h"
#include "skin/TbsDataSkinControlBar.h"
#include "skin/TbsDataSkinEditControl.h"
#include "skin/TbsDataSkinExPanelControl.h"
#include "skin/TbsDataSkinGaugeControl.h"
#include "skin/TbsDataSkinGridControl.h"
#include "skin/TbsDataSkinLabelControl.h"
#include "skin/TbsDataSkinListBox.h"
#include "skin/TbsDataSkinListView.h"
#include "skin/TbsDataSkinMainMenuBar.h"
#include "skin/TbsDataSkinMainMenuBarButton.h"
#include "skin/TbsDataSkinMainMenuBarItem.h"
#include "skin/TbsDataSkinMemoControl.h"
#include "skin/TbsDataSkinMenuButtonControl.h"
#include "skin/TbsDataSkinMenuItem.h"
#include "skin/TbsDataSkinPanelControl.h"
#include "skin/TbsDataSkinRichEdit.h"
#include "skin/TbsDataSkinScrollBarControl.h"
#include "skin/TbsDataSkinScrollBoxControl.h"
#include "skin/TbsDataSkinSlider.h"
#include "skin/TbsDataSkinSpinEditControl.h"
#include "skin/TbsDataSkinSplitterControl.h"
#include "skin/TbsDataSkinStdButton.h"
#include "skin/TbsDataSkinStdLabelControl.h"
#include "skin/TbsDataSkinTabControl.h"
#include "skin/TbsDataSkinTrackBarControl.h"
#include "skin/TbsDataSkinTreeView.h"
#include "skin/TbsDataSkinUpDownControl.h"
#include "skin/TbsDataUserObject.h"

#include <map>

namespace {

template <typename Base, typename Kind>
std::unique_ptr<Base> Make(const QString& name)
{
    auto object = std::make_unique<Kind>(name);
    object->ResetToDefaults();
    return object;
}

template <typename Base>
using Factory = std::unique_ptr<Base> (*)(const QString&);

const std::map<QString, Factory<TbsDataSkinControl>>& ControlKinds()
{
    static const std::map<QString, Factory<TbsDataSkinControl>> kinds{
        {QStringLiteral("tab"), &Make<TbsDataSkinControl, TbsDataSkinTabControl>},
        {QStringLiteral("button"), &Make<TbsDataSkinControl, TbsDataSkinButtonControl>},
        {QStringLiteral("label"), &Make<TbsDataSkinControl, TbsDataSkinLabelControl>},
        {QStringLiteral("stdlabel"), &Make<TbsDataSkinControl, TbsDataSkinStdLabelControl>},
        {QStringLiteral("gauge"), &Make<TbsDataSkinControl, TbsDataSkinGaugeControl>},
        {QStringLiteral("panel"), &Make<TbsDataSkinControl, TbsDataSkinPanelControl>},
        {QStringLiteral("expanel"), &Make<TbsDataSkinControl, TbsDataSkinExPanelControl>},
        {QStringLiteral("menubutton"), &Make<TbsDataSkinControl, TbsDataSkinMenuButtonControl>},
        {QStringLiteral("checkradio"), &Make<TbsDataSkinControl, TbsDataSkinCheckRadioControl>},
        {QStringLiteral("splitter"), &Make<TbsDataSkinControl, TbsDataSkinSplitterControl>},
        {QStringLiteral("trackbar"), &Make<TbsDataSkinControl, TbsDataSkinTrackBarControl>},
        {QStringLiteral("updown"), &Make<TbsDataSkinControl, TbsDataSkinUpDownControl>},
        {QStringLiteral("grid"), &Make<TbsDataSkinControl, TbsDataSkinGridControl>},
        {QStringLiteral("mainmenubar"), &Make<TbsDataSkinControl, TbsDataSkinMainMenuBar>},
        {QStringLiteral("controlbar"), &Make<TbsDataSkinControl, TbsDataSkinControlBar>},
        {QStringLiteral("edit"), &Make<TbsDataSkinControl, TbsDataSkinEditControl>},
        {QStringLiteral("memo"), &Make<TbsDataSkinControl, TbsDataSkinMemoControl>},
        {QStringLiteral("listbox"), &Make<TbsDataSkinControl, TbsDataSkinListBox>},
        {QStringLiteral("checklistbox"), &Make<TbsDataSkinControl, TbsDataSkinCheckListBox>},
        {QStringLiteral("combobox"), &Make<TbsDataSkinControl, TbsDataSkinComboBox>},
        {QStringLiteral("scrollbar"), &Make<TbsDataSkinControl, TbsDataSkinScrollBarControl>},
        {QStringLiteral("spinedit"), &Make<TbsDataSkinControl, TbsDataSkinSpinEditControl>},
        {QStringLiteral("scrollbox"), &Make<TbsDataSkinControl, TbsDataSkinScrollBoxControl>},
        {QStringLiteral("treeview"), &Make<TbsDataSkinControl, TbsDataSkinTreeView>},
        {QStringLiteral("listview"), &Make<TbsDataSkinControl, TbsDataSkinListView>},
        {QStringLiteral("richedit"), &Make<TbsDataSkinControl, TbsDataSkinRichEdit>},
        {QStringLiteral("bevel"), &Make<TbsDataSkinControl, TbsDataSkinBevel>},
        {QStringLiteral("slider"), &Make<TbsDataSkinControl, TbsDataSkinSlider>},
    };
    return kinds;
}

const std::map<QString, Factory<TbsDataSkinObject>>& ObjectKinds()
{
    static const std::map<QString, Factory<TbsDataSkinObject>> kinds{
        {QStringLiteral("menuitem"), &Make<TbsDataSkinObject, TbsDataSkinMenuItem>},
        {QStringLiteral("caption"), &Make<TbsDataSkinObject, TbsDataSkinCaption>},
        {QStringLiteral("button"), &Make<TbsDataSkinObject, TbsDataSkinButton>},
        {QStringLiteral("stdbutton"), &Make<TbsDataSkinObject, TbsDataSkinStdButton>},
        {QStringLiteral("mainmenubaritem"), &Make<TbsDataSkinObject, TbsDataSkinMainMenuBarItem>},
        {QStringLiteral("mainmenubarbutton"), &Make<TbsDataSkinObject, TbsDataSkinMainMenuBarButton>},
        {QStringLiteral("animate"), &Make<TbsDataSkinObject, TbsDataSkinAnimate>},
        {QStringLiteral("userobject"), &Make<TbsDataSkinObject, TbsDataUserObject>},
    };
    return kinds;
}

template <typename Base>
std::unique_ptr<Base> Create(const std::map<QString, Factory<Base>>& kinds, const QString& word, const QString& name)
{
    const auto it = kinds.find(word);
    return it == kinds.end() ? nullptr : it->second(name);
}

} // namespace

std::unique_ptr<TbsDataSkinControl> SkinKindTable::CreateControl(const QString& kindWord, const QString& name)
{
    return Create(ControlKinds(), kindWord, name);
}

std::unique_ptr<TbsDataSkinObject> SkinKindTable::CreateObject(const QString& kindWord, const QString& name)
{
    return Create(ObjectKinds(), kindWord, name);
}
