// What a popup level shows: the crafted skin's pieces where they belong, the plain look, the
// client's own skin, and the plain look for skins it cannot use.
#include "MenuTestSupport.h"

#include "framework/TApplicationEvents.h"
#include "skin/TbsSkinData.h"
#include "skinui/SkinColor.h"
#include "skinui/SkinFont.h"
#include "skin/TbsDataSkinMenuItem.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

using namespace MenuSkinColors;

const QStringList kItems{QStringLiteral("A"), QStringLiteral("-"), QStringLiteral("B"), QStringLiteral("C")};

struct Pixel {
    const char* what;
    QPoint at;
    QRgb colour;
};

// Opens kItems with item 2 selected and checks the pixels expected for the level's size.
void CheckPixels(const char* look, TbsSkinData* store, const std::function<QList<Pixel>(QSize)>& expected)
{
    MenuHost host;
    host.popup->SetSkinData(store);
    host.AddAll(kItems);
    host.Open();
    TbsSkinPopupWindow* level = host.Level(0);
    ASSERT_NE(level, nullptr) << look;
    level->SelectItem(2);
    const QImage picture = MenuHost::Picture(level);
    for (const Pixel& pixel : expected(picture.size()))
        EXPECT_EQ(QColor(picture.pixel(pixel.at)), QColor(pixel.colour)) << look << ": " << pixel.what;
}

TEST(TbsSkinPopupWindow, LooksDrawTheirPiecesInPlace)
{
    TbsSkinData skinned;
    LoadMenuSkin(skinned, MenuSkinDescription());
    // Items 10 high, the separator 4, inside a 3-pixel frame: rows 3-13, 13-17, 17-27, 27-37.
    CheckPixels("skinned", &skinned, [](QSize s) -> QList<Pixel> {
        return {
            {"top-left corner", {0, 0}, kCorner},
            {"bottom-right corner", {s.width() - 1, s.height() - 1}, kCorner},
            {"top side", {s.width() / 2, 1}, kSide},
            {"left side", {1, s.height() / 2}, kSide},
            {"right side", {s.width() - 2, s.height() / 2}, kSide},
            {"bottom side", {s.width() / 2, s.height() - 2}, kSide},
            {"normal item's left end", {3, 8}, kItemEnd},
            {"normal item's middle", {8, 8}, kItemNormal},
            {"normal item's right end", {s.width() - 4, 8}, kItemEnd},
            {"separator", {8, 15}, kDivider},
            {"selected item", {8, 22}, kItemHot},
            {"selected item's right end", {s.width() - 5, 22}, kItemEnd},
            {"last item", {8, 32}, kItemNormal},
        };
    });
    EXPECT_EQ(skinned.IsEmpty(), false);

    // Without a normal item picture the window's middle shows behind normal items.
    TbsSkinData windowBehind;
    QStringList description = MenuSkinDescription();
    description.removeAll(QStringLiteral("skinrect=0,0,40,10"));
    LoadMenuSkin(windowBehind, description);
    CheckPixels("normal items transparent", &windowBehind, [](QSize) -> QList<Pixel> {
        return {{"normal item", {8, 8}, kMiddle}, {"selected item", {8, 22}, kItemHot}};
    });

    const QRgb face = SystemColor(SkinColor::kButtonFace).rgb();
    const QRgb window = SystemColor(SkinColor::kWindow).rgb();
    const QRgb shadow = SystemColor(SkinColor::kButtonShadow).rgb();
    // Items 20 high, the separator 4, inside a 2-pixel frame: rows 2-22, 22-26, 26-46, 46-66.
    CheckPixels("plain", nullptr, [&](QSize s) -> QList<Pixel> {
        return {
            {"outer frame", {0, 0}, shadow},
            {"outer frame, bottom right", {s.width() - 1, s.height() - 1}, shadow},
            {"inner frame", {1, 1}, window},
            {"inner frame, bottom right", {s.width() - 2, s.height() - 2}, window},
            {"gutter of a normal item", {4, 12}, face},
            {"rest of a normal item", {s.width() - 4, 12}, window},
            {"gutter beside the separator", {4, 23}, face},
            {"separator line", {30, 23}, shadow},
            {"selected item's frame", {2, 36}, SkinColorToQColor(0x800000).rgb()},
            {"selected item's fill", {4, 36}, SkinColorToQColor(0xD2BDB6).rgb()},
            {"selected item's fill, right", {s.width() - 4, 36}, SkinColorToQColor(0xD2BDB6).rgb()},
        };
    });
}

TEST(TbsSkinPopupWindow, AMaskPictureShapesTheWindow)
{
    TbsSkinData store;
    QStringList description = MenuSkinDescription();
    description.insert(1, QStringLiteral("maskpictureindex=2"));
    LoadMenuSkin(store, description);
    MenuHost host;
    host.popup->SetSkinData(&store);
    host.AddAll(kItems);
    host.Open();
    ASSERT_FALSE(host.Level(0)->Skin().maskPicture.isNull());
    const QRegion shape = host.Level(0)->mask();
    const QSize size = host.Level(0)->size();
    EXPECT_FALSE(shape.contains(QPoint(1, 1)));
    EXPECT_TRUE(shape.contains(QPoint(2, 2)));
    EXPECT_FALSE(shape.contains(QPoint(size.width() - 1, size.height() - 1)));
    EXPECT_TRUE(shape.contains(QPoint(size.width() / 2, size.height() / 2)));
}

// The picture's text rectangle with each row wiped to the item's background in that row (the
// pixel just left of the rectangle).
QImage WithoutText(const QImage& picture, const QRect& text)
{
    QImage wiped = picture;
    for (int y = text.top(); y <= text.bottom(); ++y)
        for (int x = text.left(); x <= text.right(); ++x)
            wiped.setPixel(x, y, picture.pixel(text.left() - 1, y));
    return wiped;
}

TEST(TbsSkinPopupWindow, TheClientSkinShowsCaptionsInItsItemFontWithoutAmpersands)
{
    TbsSkinData store;
    store.LoadPackageFile(QStringLiteral(KESTRUNE_DEFAULT_SKIN));
    MenuHost host;
    host.popup->SetSkinData(&store);
    host.AddAll({QStringLiteral("清理缓存"), QStringLiteral("退&出")});
    host.Open();
    TbsSkinPopupWindow* level = host.Level(0);
    ASSERT_TRUE(level->Skin().Skinned());
    // The skin's menu item, read from the store, not from the level.
    const TbsDataSkinMenuItem* item = nullptr;
    for (const auto& object : store.SkinObjects())
        item = item ? item : dynamic_cast<const TbsDataSkinMenuItem*>(object.get());
    ASSERT_NE(item, nullptr);
    const QFont font = SkinFont(*item);
    EXPECT_EQ(level->font().family(), QStringLiteral("WenQuanYi Zen Hei"));
    EXPECT_EQ(level->font().pixelSize(), font.pixelSize());
    const QImage picture = MenuHost::Picture(level);

    // The highlighted caption, drawn afresh in the skin's font and hot colour on its background.
    const QRect first = level->Skin().TextRect(level->Geometry().ItemRect(0, 0));
    QImage expected = WithoutText(picture, first);
    {
        QPainter painter(&expected);
        painter.setFont(font);
        painter.setPen(SkinColorOf(item->activefontcolor));
        painter.drawText(first, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, QStringLiteral("清理缓存"));
    }
    EXPECT_EQ(picture.copy(first), expected.copy(first));

    // The second caption takes the width of its two characters: its "&" is not drawn.
    const QRect second = level->Skin().TextRect(level->Geometry().ItemRect(1, 0));
    const QImage wiped = WithoutText(picture, second);
    QRect ink;
    for (int y = second.top(); y <= second.bottom(); ++y)
        for (int x = second.left(); x <= second.right(); ++x)
            if (picture.pixel(x, y) != wiped.pixel(x, y))
                ink |= QRect(x, y, 1, 1);
    EXPECT_LE(qAbs(ink.width() - QFontMetrics(font).horizontalAdvance(QStringLiteral("退出"))), 2);
}

TEST(TbsSkinPopupWindow, SkinsItCannotUseGiveThePlainLookWithoutAnError)
{
    TApplicationEvents hub;
    int reported = 0;
    QObject::connect(&hub, &TApplicationEvents::OnException, &hub, [&] { ++reported; });
    const struct {
        const char* what;
        QString key;
        QString value;
    } cases[] = {
        {"window picture out of range", QStringLiteral("windowpictureindex=0"), QStringLiteral("windowpictureindex=7")},
        {"no window picture", QStringLiteral("windowpictureindex=0"), QStringLiteral("windowpictureindex=-1")},
        {"items rectangle beyond the picture", QStringLiteral("itemsrect=3,3,27,27"), QStringLiteral("itemsrect=3,3,60,27")},
        {"item picture out of range", QStringLiteral("activepictureindex=1"), QStringLiteral("activepictureindex=3")},
        {"item rectangle beyond its picture", QStringLiteral("skinrect=0,0,40,10"), QStringLiteral("skinrect=0,0,90,10")},
        {"no menu item object", QStringLiteral("0=menuitem:menuitem"), QStringLiteral("0=menuitem:caption")},
    };
    const QRgb shadow = SystemColor(SkinColor::kButtonShadow).rgb();
    for (const auto& c : cases) {
        QStringList description = MenuSkinDescription();
        ASSERT_TRUE(description.contains(c.key)) << c.what;
        description.replace(description.indexOf(c.key), c.value);
        TbsSkinData store;
        LoadMenuSkin(store, description);
        MenuHost host;
        host.popup->SetSkinData(&store);
        host.AddAll(kItems);
        host.Open();
        ASSERT_NE(host.Level(0), nullptr) << c.what;
        EXPECT_FALSE(host.Level(0)->Skin().Skinned()) << c.what;
        EXPECT_EQ(QColor(MenuHost::Picture(host.Level(0)).pixel(0, 0)), QColor(shadow)) << c.what;
    }
    EXPECT_EQ(reported, 0);
}

}  // namespace
