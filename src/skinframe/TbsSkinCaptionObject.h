#pragma once

#include "skin/SkinValueTypes.h"
#include "skinframe/TbsActiveSkinObject.h"

#include <QColor>
#include <QFont>

class TbsDataSkinCaption;

// The form's caption: its looks, and the form's caption text in the skin's font, cut to the
// text rectangle with "...", vertically centred and aligned left, right or centre, with an
// optional light copy above-left and shadow copy below-right. The text rectangle keeps its
// distances to the object's edges as the object grows.
class TbsSkinCaptionObject : public TbsActiveSkinObject {
public:
    TbsSkinCaptionObject(TbsFrameObjectHost& host, const TbsDataSkinCaption& data, const TbsSkinData& store);

    void Draw(QPainter& painter, const FrameObjectPaint& paint) const override;

    // Where the text goes for the object's current rectangle.
    QRect CurrentTextRect() const;

    QFont Font;
    QColor FontColor;
    QColor ActiveFontColor;
    TbsSkinAlignment Alignment = TbsSkinAlignment::Center;
    QRect TextRect;  // in the frame picture, like SkinRect
    bool Light = false;
    QColor LightColor;
    QColor ActiveLightColor;
    bool Shadow = false;
    QColor ShadowColor;
    QColor ActiveShadowColor;
};
