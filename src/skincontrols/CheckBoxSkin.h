#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>

class TbsDataSkinCheckRadioControl;
class TbsSkinData;

// What a check box draws with, copied from its "checkradio" skin object: the box pictures of
// its states in the skin picture, the caption's font and colours. The control has no face of
// its own: its parent shows around the box and the caption.
struct CheckBoxSkin {
    // The fields of object, a check-radio object of store; an invalid skin (the plain look)
    // for none and for an object without a picture or an unchecked box.
    static CheckBoxSkin Read(const TbsSkinData& store, const TbsDataSkinCheckRadioControl* object);

    bool valid = false;
    QImage picture;
    QImage doubleSize;  // the picture's double-size form; null for none
    // The box per state; a hot or disabled one the skin leaves empty is the normal one.
    QRect checked;
    QRect unchecked;
    QRect hotChecked;
    QRect hotUnchecked;
    QRect disabledChecked;
    QRect disabledUnchecked;
    QFont font;
    QColor fontColor;
    QColor hotFontColor;
    QColor disabledFontColor;
};
