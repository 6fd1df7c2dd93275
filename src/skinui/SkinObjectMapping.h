#pragma once

#include "skin/SkinValueTypes.h"
#include "skinui/NinePieceImage.h"
#include "skinui/SkinResizeMode.h"

#include <QImage>
#include <QSize>

class TbsDataSkinControl;
class TbsSkinData;

// What the builders need from a skin object. The skin kinds with a nine-piece picture (custom
// controls, the form info, the tab control) name its keys alike; these read them.

// The skin's stretch type as the nine-piece builder's middle fill.
MiddleStretchType MiddleStretchTypeOf(TbsStretchType type);

// The corner points of a skin object around a client rectangle it names otherwise (the popup
// window record's items rectangle).
template <typename Skin>
NinePieceGeometry NinePieceGeometryOf(const Skin& skin, const QRect& clRect)
{
    NinePieceGeometry geometry;
    geometry.lt = skin.lefttoppoint;
    geometry.rt = skin.righttoppoint;
    geometry.lb = skin.leftbottompoint;
    geometry.rb = skin.rightbottompoint;
    geometry.clRect = clRect;
    return geometry;
}

// The corner points and client rectangle of a skin object.
template <typename Skin>
NinePieceGeometry NinePieceGeometryOf(const Skin& skin)
{
    return NinePieceGeometryOf(skin, skin.clientrect);
}

// The side and middle stretch flags of a skin object.
template <typename Skin>
NinePieceOptions NinePieceOptionsOf(const Skin& skin)
{
    NinePieceOptions options;
    options.setFlag(NinePieceOption::StretchLeft, skin.leftstretch);
    options.setFlag(NinePieceOption::StretchTop, skin.topstretch);
    options.setFlag(NinePieceOption::StretchRight, skin.rightstretch);
    options.setFlag(NinePieceOption::StretchBottom, skin.bottomstretch);
    options.setFlag(NinePieceOption::StretchMiddle, skin.stretcheffect);
    return options;
}

// The picture of a skin store's list at index; nullptr for -1, an index beyond the list or a
// picture that could not be read.
const QImage* SkinPicture(const TbsSkinData& store, int index);
// A copy of that picture to keep past the store's next load; null for none.
QImage SkinPictureCopy(const TbsSkinData& store, int index);

// How a control object grows: the nine-piece settings of the custom-control kinds, nothing for
// the others (which keep their skin rectangle's size), and the resize mode they give.
struct ControlGrowth {
    NinePieceGeometry geometry;
    NinePieceOptions options;
    MiddleStretchType stretchType = MiddleStretchType::Whole;
    TbsResizeMode mode = TbsResizeMode::None;

    // The size a control takes when asked for requested.
    QSize SizeFor(const QSize& requested, const QRect& skinRect) const;
};
ControlGrowth ControlGrowthOf(const TbsDataSkinControl& control);

// A control object's picture grown the way a skinned control of its kind grows it, at the size
// its resize mode allows for requested. Null when the object has no skin rectangle or picture.
QImage BuildControlImage(const TbsSkinData& store, const TbsDataSkinControl& control, const QSize& requested);
