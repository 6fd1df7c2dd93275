#pragma once

#include "skinui/SkinObjectMapping.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>

class TbsDataSkinEditControl;
class TbsSkinData;

// What a single-line edit draws with, copied from its "edit" skin object: the face picture
// for the normal and the active (hot or focused) state, how it grows, where the text goes and
// the text's font and colours. Rectangles are in the skin picture; the corner points and the
// client rectangle relative to the skin rectangle.
struct EditSkin {
    // The fields of object, an edit object of store; an invalid skin (the plain look) for none
    // and for an object without a picture.
    static EditSkin Read(const TbsSkinData& store, const TbsDataSkinEditControl* object);

    bool valid = false;
    QImage picture;
    QImage doubleSize;  // the picture's double-size form; null for none
    QRect skinRect;
    QRect activeSkinRect;  // the normal one when the skin leaves it empty
    ControlGrowth growth;
    QFont font;
    QColor fontColor;
    QColor activeFontColor;
    QColor disabledFontColor;
};
