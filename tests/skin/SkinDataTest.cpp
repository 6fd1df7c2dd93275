#include "skin/SkinBitmapCodec.h"
#include "skin/SkinError.h"
#include "skin/SkinTestSupport.h"
#include "skin/TbsCompressedSkinList.h"
#include "skin/TbsCompressedStoredSkin.h"
#include "skin/TbsDataSkinButtonControl.h"
#include "skin/TbsDataSkinLabelControl.h"
#include "skin/TbsSkinData.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace SkinTest;

namespace {

const QStringList kDescription{
    "[VERSION]", "skinname=Test", "skinauthor=Kestrune",
    "[PICTURES]", "picture=frame.bmp", "mask=mask.bmp", "activepicturescount=1", "0=p0.bmp",
    "[FORMINFO]", "lefttoppoint=5,6", "rightbottompoint=400,300", "clientrect=10,20,300,200",
    "stretchtype=sthorz",
    "[SKINCOLORS]", "cbtnface=0x00112233",
    "[SKINCONTROLS]", "count=3", "0=tab:tab", "1=lbl:label", "2=tab:button",
    "[Tab]", "pictureindex=0", "skinrect=-5,10,x20,30",
    "[LBL]", "leftstretch=0x1", "topstretch=2",
};

QList<QByteArray> Frames()
{
    return {PictureItem(Solid(4, 3, 0xFF102030)), AbsentItem(), PictureItem(Solid(4, 3, 0xFF000000))};
}

QByteArray Description(const QStringList& lines = kDescription)
{
    return AnsiLines(lines);
}

} // namespace

TEST(TbsSkinData, LoadsPicturesDescriptionAndObjects)
{
    TbsSkinData store;
    EXPECT_TRUE(store.IsEmpty());
    EXPECT_EQ(store.Colors().cbtnface, 0);
    LoadPackage(store, Package(Content(3, Frames(), 1, {Solid(2, 2, 0xFF405060)}, Description())));
    EXPECT_FALSE(store.IsEmpty());
    EXPECT_FALSE(store.Changing());
    EXPECT_EQ(store.Version().skinname, "Test");
    EXPECT_EQ(store.FramePicture().pixel(0, 0), 0xFF102030);
    EXPECT_TRUE(store.InactiveFramePicture().isNull());
    EXPECT_EQ(store.FrameMask().size(), QSize(4, 3));
    ASSERT_EQ(store.Pictures().size(), 1);
    EXPECT_EQ(store.PictureNames(), QStringList({"p0.bmp"}));
    EXPECT_EQ(store.FrameMaskName(), "mask.bmp");
    EXPECT_EQ(store.Colors().cbtnface, 0x00112233);
    EXPECT_EQ(store.Colors().cbtnshadow, int(0xFF000010u));
    EXPECT_EQ(store.FormInfo().stretchtype, TbsStretchType::Horz);
    EXPECT_EQ(store.FormInfo().inactiveeffect, TbsInactiveEffect::Brightness);

    // Lookup is exact while sections are found in any case; the first of two names wins.
    ASSERT_EQ(store.SkinControls().size(), 3u);
    EXPECT_EQ(store.FindControlIndex("tab"), 0);
    EXPECT_EQ(store.FindControlIndex("Tab"), -1);
    EXPECT_EQ(store.FindObjectIndex("tab"), -1);
    const auto& tab = *store.SkinControls()[0];
    EXPECT_EQ(tab.pictureindex, 0);
    EXPECT_EQ(tab.skinrect, QRect(5, 10, 15, 20));
    EXPECT_NE(dynamic_cast<const TbsDataSkinButtonControl*>(store.SkinControls()[2].get()), nullptr);
    const auto* label = dynamic_cast<const TbsDataSkinLabelControl*>(store.SkinControls()[1].get());
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->leftstretch);
    EXPECT_FALSE(label->topstretch);
}

TEST(TbsSkinData, ContentVersions)
{
    const QByteArray description = Description();
    for (qint32 version : {3, 1, 0, -1, 2}) {
        QList<QByteArray> frames = Frames();
        if (version == 2)
            frames += {PictureItem(Solid(9, 9, 0xFFFFFFFF)), AbsentItem(7)};
        TbsSkinData store;
        LoadPackage(store, Package(Content(version, frames, 1, {Solid(2, 2, 0xFF405060)}, description)));
        EXPECT_FALSE(store.IsEmpty()) << version;
        EXPECT_EQ(store.Pictures().size(), 1) << version;
        EXPECT_EQ(store.FindControlIndex("lbl"), 1) << version;
    }

    TbsSkinData store;
    LoadPackage(store, SmallPackage(kDescription));
    LoadPackage(store, Package(Content(4, Frames(), 1, {Solid(2, 2, 0xFF405060)}, description)));
    EXPECT_TRUE(store.IsEmpty());
    EXPECT_FALSE(store.Changing());
    EXPECT_TRUE(store.SkinControls().empty());
    EXPECT_TRUE(store.Pictures().isEmpty());
}

TEST(TbsSkinData, AbsentFlagsNegativeCountsAndEncodings)
{
    TbsSkinData store;
    const QList<QByteArray> flagged{AbsentItem(0x80), PictureItem(Solid(3, 3, 0xFF0000FF)), AbsentItem()};
    LoadPackage(store, Package(Content(3, flagged, -5, {}, Description())));
    EXPECT_TRUE(store.FramePicture().isNull());
    EXPECT_EQ(store.InactiveFramePicture().size(), QSize(3, 3));
    EXPECT_TRUE(store.Pictures().isEmpty());
    EXPECT_EQ(store.Version().skinname, "Test");

    const QStringList chinese{"[VERSION]", "skinname=默认皮肤"};
    const QString text = chinese.join("\r\n");
    QByteArray utf16("\xFF\xFE");
    utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    for (const QByteArray& encoded : QList<QByteArray>{QByteArray("\xEF\xBB\xBF") + text.toUtf8(), utf16, AnsiLines(chinese)}) {
        LoadPackage(store, Package(Content(3, Frames(), 0, {}, encoded)));
        EXPECT_EQ(store.Version().skinname, "默认皮肤");
    }
}

TEST(TbsSkinData, ObjectListEntriesThatCreateNothingAreSkipped)
{
    TbsSkinData store;
    LoadPackage(store, SmallPackage({"[SKINCONTROLS]", "count=5", "0=nocolon", "1=x:Label", "2=a:label",
                                     "3=b:", "4=c:gauge", "[SKINOBJECTS]", "count=2", "0=m:wrong", "1=cap:caption"}));
    ASSERT_EQ(store.SkinControls().size(), 2u);
    EXPECT_EQ(store.SkinControls()[0]->ObjectName, "a");
    EXPECT_EQ(store.FindControlIndex("c"), 1);
    EXPECT_EQ(store.FindObjectIndex("cap"), 0);
    EXPECT_EQ(store.SkinObjects().size(), 1u);

    LoadPackage(store, SmallPackage({"[SKINCONTROLS]", "count=2147483647", "0=a:label"}));
    EXPECT_EQ(store.SkinControls().size(), 1u);
}

TEST(TbsSkinData, FormInfoAdjustments)
{
    const QStringList masked{"[PICTURES]", "mask=m.bmp", "[FORMINFO]", "clientrect=10,20,300,200",
                             "lefttoppoint=4,30", "righttoppoint=350,5", "leftbottompoint=2,250",
                             "rightbottompoint=320,260", "hittestlefttoppoint=0,9", "hittestrighttoppoint=7,8"};
    TbsSkinData store;
    LoadPackage(store, SmallPackage(masked));
    const TbsDataSkinFormInfo& info = store.FormInfo();
    EXPECT_EQ(info.maskrectarea, QRect(10, 20, 290, 180));
    EXPECT_EQ(info.hittestlefttoppoint, QPoint(4, 30));
    EXPECT_EQ(info.hittestrighttoppoint, QPoint(7, 8));
    EXPECT_EQ(info.hittestrightbottompoint, QPoint(320, 260));
    // The corners are pulled into the client rectangle afterwards.
    EXPECT_EQ(info.lefttoppoint, QPoint(10, 30));
    EXPECT_EQ(info.righttoppoint, QPoint(300, 20));
    EXPECT_EQ(info.leftbottompoint, QPoint(10, 200));
    EXPECT_EQ(info.rightbottompoint, QPoint(300, 200));

    QStringList grown = masked;
    grown << "maskrectarea=0,30,320,100";
    LoadPackage(store, SmallPackage(grown));
    EXPECT_EQ(store.FormInfo().maskrectarea, QRect(0, 20, 320, 180));

    QStringList unmasked = masked;
    unmasked[1] = "mask=";
    unmasked << "rightbottompoint=4,260";
    LoadPackage(store, SmallPackage(unmasked));
    EXPECT_TRUE(store.FormInfo().maskrectarea.isEmpty());
    EXPECT_EQ(store.FormInfo().hittestlefttoppoint, QPoint(0, 9));
    EXPECT_EQ(store.FormInfo().lefttoppoint, QPoint(4, 30)) << "same x: corners stay";
}

TEST(TbsSkinData, FailedLoadsCloseCleanlyAndEmpty)
{
    TbsSkinData store;
    LoadPackage(store, SmallPackage(kDescription));
    const QByteArray bad = Package(Int32(3) + AbsentItem() + QByteArray("XM"));
    EXPECT_THROW(LoadPackage(store, bad), SkinError);
    EXPECT_TRUE(store.IsEmpty());
    EXPECT_FALSE(store.Changing());
    EXPECT_TRUE(store.FramePicture().isNull());
    EXPECT_EQ(store.Colors().cbtnface, int(0xFF00000Fu));

    EXPECT_THROW(LoadPackage(store, SmallPackage({"[FORMINFO]", "clientrect=10,,20,30"})), SkinError);
    EXPECT_TRUE(store.IsEmpty());
}

TEST(TbsSkinData, PackagesWithoutDataChangeNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Skin.skn");
    TbsSkinData store;
    LoadPackage(store, SmallPackage(kDescription));
    for (const QByteArray& package : QList<QByteArray>{Package(Content(3, Frames(), 0, {}, {}), 4), Int32(3) + Int32(0)}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(package);
        file.close();
        store.LoadPackageFile(path);
        EXPECT_FALSE(store.IsEmpty());
        EXPECT_EQ(store.FindControlIndex("lbl"), 1);
    }
    EXPECT_THROW(store.LoadPackageFile(dir.filePath("absent.skn")), SkinError);
    EXPECT_EQ(store.FindControlIndex("lbl"), 1);
}

TEST(TbsSkinData, SkinListAndIndex)
{
    TbsCompressedSkinList list;
    for (const char* name : {"first", "second", "third"}) {
        QByteArray package = SmallPackage({"[VERSION]", QStringLiteral("skinname=") + name});
        QBuffer buffer(&package);
        buffer.open(QIODevice::ReadOnly);
        list.Skins().Add().ReadPackageStream(buffer);
    }
    EXPECT_EQ(list.Skins().Item(2).Name, "bsSkin2");
    EXPECT_EQ(&list.Skins().Item(0).Collection().Owner(), &list);

    TbsSkinData store;
    store.SetSkinIndex(7);
    EXPECT_EQ(store.SkinIndex(), 7);
    store.SetSkinIndex(1);
    store.SetSkinList(&list);
    EXPECT_EQ(store.Version().skinname, "second");
    store.SetSkinIndex(5);
    EXPECT_EQ(store.SkinIndex(), 1);
    EXPECT_EQ(store.Version().skinname, "second");
    store.SetSkinIndex(2);
    EXPECT_EQ(store.Version().skinname, "third");

    TbsCompressedSkinList copy;
    copy.SetSkins(list.Skins());
    EXPECT_EQ(copy.Skins().Count(), 3);
    EXPECT_EQ(copy.Skins().Item(1).StoredSkin().CompressedData(), list.Skins().Item(1).StoredSkin().CompressedData());
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    copy.Skins().Item(0).WritePackageStream(out);
    EXPECT_TRUE(out.data().startsWith(QByteArray("\x03\x00\x00\x00", 4)));
}

TEST(TbsSkinData, ReferencesClearWhenTheirComponentsGo)
{
    TbsSkinData store;
    auto* stored = new TbsCompressedStoredSkin;
    QByteArray package = SmallPackage(kDescription);
    QBuffer buffer(&package);
    buffer.open(QIODevice::ReadOnly);
    stored->ReadPackageStream(buffer);
    store.SetCompressedStoredSkin(stored);
    EXPECT_EQ(store.FindControlIndex("lbl"), 1);
    delete stored;
    EXPECT_EQ(store.CompressedStoredSkin(), nullptr);
}
