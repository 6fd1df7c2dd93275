#include "skin/SkinDescription.h"
#include "skin/SkinKeyVisitor.h"
#include "skin/SkinKindTable.h"
#include "skin/TbsDataSkinAnimate.h"
#include "skin/TbsDataSkinButton.h"
#include "skin/TbsDataSkinButtonControl.h"
#include "skin/TbsDataSkinCaption.h"
#include "skin/TbsDataSkinListBox.h"
#include "skin/TbsDataSkinMainMenuBarButton.h"
#include "skin/TbsDataSkinMenuItem.h"
#include "skin/TbsDataSkinStdLabelControl.h"
#include "skin/TbsDataSkinTabControl.h"
#include "skin/TbsDataSkinUpDownControl.h"
#include "skin/TbsDataUserObject.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

const QStringList kControlWords{"panel", "expanel", "menubutton", "button", "checkradio", "gauge", "splitter",
                                "trackbar", "label", "stdlabel", "updown", "grid", "tab", "listview",
                                "mainmenubar", "controlbar", "memo", "edit", "checklistbox", "listbox",
                                "combobox", "scrollbar", "spinedit", "scrollbox", "treeview", "bevel",
                                "slider", "richedit"};
const QStringList kObjectWords{"menuitem", "mainmenubaritem", "stdbutton", "mainmenubarbutton",
                               "button", "caption", "animate", "userobject"};

template <typename T>
std::unique_ptr<T> ReadAs(const QString& kind, const QStringList& section, bool control)
{
    const SkinDescription description(QStringList{"[obj]"} + section);
    std::unique_ptr<TbsDataSkinEntry> entry;
    if (control)
        entry = SkinKindTable::CreateControl(kind, "obj");
    else
        entry = SkinKindTable::CreateObject(kind, "obj");
    entry->ReadFromDescription(description);
    auto* typed = dynamic_cast<T*>(entry.get());
    if (!typed)
        return nullptr;
    entry.release();
    return std::unique_ptr<T>(typed);
}

// Gives every field a value no default has, different from key to key.
class Scrambler : public SkinKeyVisitor {
public:
    int keys = 0;
    void Integer(const char*, int& f, int) override { f = 1000 + ++keys; }
    void Boolean(const char*, bool& f) override { f = !f, ++keys; }
    void Text(const char*, QString& f, const QString&) override { f = QStringLiteral("t%1").arg(++keys); }
    void Rect(const char*, QRect& f) override { ++keys, f = QRect(keys, keys + 1, 10, 20); }
    void Point(const char*, QPoint& f) override { ++keys, f = QPoint(keys, keys + 2); }
    void FontStyle(const char*, TbsFontStyles& f) override { f = TbsFontStyles(++keys % 15 + 1); }
    void Alignment(const char*, TbsSkinAlignment& f) override { f = TbsSkinAlignment::LeftJustify, ++keys; }
    void StretchType(const char*, TbsStretchType& f) override { f = TbsStretchType::Vert, ++keys; }
    void MorphKind(const char*, TbsMorphKind& f) override { f = TbsMorphKind::Push, ++keys; }
    void InactiveEffect(const char*, TbsInactiveEffect& f) override { f = TbsInactiveEffect::Invert, ++keys; }
    void Command(const char*, TbsSkinCommand& f) override { f = TbsSkinCommand::RollUp, ++keys; }
};

std::unique_ptr<TbsDataSkinEntry> Create(const QString& word, bool control)
{
    if (control)
        return SkinKindTable::CreateControl(word, "obj");
    return SkinKindTable::CreateObject(word, "obj");
}

} // namespace

TEST(SkinObjectKinds, KindWordsCreateTheirClasses)
{
    for (const QString& word : kControlWords) {
        const auto control = SkinKindTable::CreateControl(word, "n");
        ASSERT_NE(control, nullptr) << word.toStdString();
        EXPECT_EQ(control->KindWord(), word);
        EXPECT_EQ(control->ObjectName, "n");
    }
    for (const QString& word : kObjectWords) {
        const auto object = SkinKindTable::CreateObject(word, "n");
        ASSERT_NE(object, nullptr) << word.toStdString();
        EXPECT_EQ(object->KindWord(), word);
    }
    EXPECT_EQ(SkinKindTable::CreateControl("Button", "n"), nullptr);
    EXPECT_EQ(SkinKindTable::CreateControl("caption", "n"), nullptr);
    EXPECT_EQ(SkinKindTable::CreateObject("tab", "n"), nullptr);
    EXPECT_NE(dynamic_cast<TbsDataSkinButtonControl*>(SkinKindTable::CreateControl("button", "n").get()), nullptr);
    EXPECT_NE(dynamic_cast<TbsDataSkinButton*>(SkinKindTable::CreateObject("button", "n").get()), nullptr);
    EXPECT_NE(dynamic_cast<TbsDataSkinButtonControl*>(SkinKindTable::CreateControl("menubutton", "n").get()), nullptr);
    EXPECT_NE(dynamic_cast<TbsDataSkinStdButton*>(SkinKindTable::CreateObject("mainmenubarbutton", "n").get()),
              nullptr);
}

TEST(SkinObjectKinds, DefaultsOfMissingKeys)
{
    const auto label = ReadAs<TbsDataSkinStdLabelControl>("stdlabel", {}, true);
    EXPECT_EQ(label->activefontcolor, 0xFF0000);
    EXPECT_EQ(label->fontname, "Arial");
    EXPECT_EQ(label->fontheight, 14);
    EXPECT_EQ(label->pictureindex, -1);
    const auto tab = ReadAs<TbsDataSkinTabControl>("tab", {"FontName=Tahoma", "updown=arrows"}, true);
    EXPECT_EQ(tab->fontname, "Tahoma");
    EXPECT_EQ(tab->updown, "arrows");
    EXPECT_EQ(tab->bgpictureindex, -1);
    EXPECT_EQ(tab->stretchtype, TbsStretchType::Full);
    const auto caption = ReadAs<TbsDataSkinCaption>("caption", {}, false);
    EXPECT_EQ(caption->glowsize, 3);
    EXPECT_EQ(caption->alignment, TbsSkinAlignment::Center);
    EXPECT_EQ(caption->animateinterval, 25);
    EXPECT_EQ(caption->glowlayeralphablendvalue, 255);
    const auto list = ReadAs<TbsDataSkinListBox>("listbox", {}, true);
    EXPECT_EQ(list->vscrollbarname, "vscrollbar");
    EXPECT_EQ(list->captionfontheight, 14);
}

TEST(SkinObjectKinds, ReaderRules)
{
    const auto maximize = ReadAs<TbsDataSkinStdButton>("stdbutton", {"hint=Maximize", "command=cmmaximize"}, false);
    EXPECT_EQ(maximize->command, TbsSkinCommand::Maximize);
    EXPECT_EQ(maximize->restorehint, "Restore");
    EXPECT_EQ(ReadAs<TbsDataSkinStdButton>("stdbutton", {"hint=Close", "command=cmclose"}, false)->restorehint, "");
    EXPECT_EQ(ReadAs<TbsDataSkinStdButton>("stdbutton", {"command=cmMaximize"}, false)->command,
              TbsSkinCommand::MinimizeToTray);
    EXPECT_EQ(ReadAs<TbsDataSkinStdButton>("stdbutton", {}, false)->command, TbsSkinCommand::Default);
    EXPECT_EQ(ReadAs<TbsDataSkinStdButton>("mainmenubarbutton", {"hint=Roll Up", "command=cmrollup"}, false)
                  ->restorehint,
              "Restore");
    const auto animate = ReadAs<TbsDataSkinAnimate>(
        "animate", {"morphing=1", "hint=Minimize", "command=cmminimize", "restorehint=Back"}, false);
    EXPECT_FALSE(animate->morphing);
    EXPECT_EQ(animate->restorehint, "Back");
    EXPECT_EQ(animate->countframes, 1);

    const auto item = ReadAs<TbsDataSkinMenuItem>(
        "menuitem", {"checkimagerect=0,0,16,16", "radioimagerect=1,1,5,5", "activeradioimagerect=2,2,9,9"}, false);
    EXPECT_EQ(item->activecheckimagerect, QRect(0, 0, 16, 16));
    EXPECT_EQ(item->activeradioimagerect, QRect(2, 2, 7, 7));
    EXPECT_TRUE(item->activearrowimagerect.isEmpty());

    const auto user = ReadAs<TbsDataUserObject>("userobject", {"hint=x", "activepictureindex=3", "skinrect=1,2,3,4"},
                                                false);
    EXPECT_EQ(user->hint, "");
    EXPECT_EQ(user->activepictureindex, -1);
    EXPECT_EQ(user->skinrect, QRect(1, 2, 2, 2));

    const auto updown = ReadAs<TbsDataSkinUpDownControl>(
        "updown", {"lefttoppoint=3,4", "rightbottompoint=5,6", "clientrect=1,1,9,9", "leftstretch=1"}, true);
    EXPECT_EQ(updown->lefttoppoint, QPoint());
    EXPECT_EQ(updown->rightbottompoint, QPoint());
    EXPECT_EQ(updown->clientrect, QRect());
    EXPECT_TRUE(updown->leftstretch);
}

TEST(SkinObjectKinds, WriteToDescriptionRoundTripsEveryKey)
{
    const auto check = [](const QString& word, bool control) {
        const auto original = Create(word, control);
        Scrambler scrambler;
        original->VisitKeys(scrambler);
        SkinDescription written(QStringList{"[obj]", "stale=1", "[other]", "kept=1"});
        original->WriteToDescription(written);
        EXPECT_FALSE(written.Value("obj", "stale")) << "the section is erased first";
        EXPECT_EQ(written.ReadString("other", "kept"), "1");
        EXPECT_EQ(written.KeyCount("obj"), scrambler.keys) << word.toStdString();

        const auto back = Create(word, control);
        back->ReadFromDescription(written);
        SkinDescription again;
        back->WriteToDescription(again);
        const QStringList skipped = word == "updown"
            ? QStringList{"lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint", "clientrect"}
            : word == "animate" ? QStringList{"morphing"} : QStringList{};
        for (const QString& line : written.Lines().mid(written.Lines().indexOf("[obj]") + 1)) {
            const QString key = line.section(u'=', 0, 0);
            if (skipped.contains(key))
                continue;
            EXPECT_EQ(again.ReadString("obj", key), line.section(u'=', 1)) << word.toStdString() << " " << key.toStdString();
        }
    };
    for (const QString& word : kControlWords)
        check(word, true);
    for (const QString& word : kObjectWords)
        check(word, false);
}
