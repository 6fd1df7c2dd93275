#pragma once

#include "skinframe/TbsSkinFrameTypes.h"

#include <QRect>
#include <QSize>

// What decides the smallest and largest size of a framed form.
struct FrameSizeInput {
    bool skinned = false;
    QSize picture;      // the frame picture's size
    QRect clientRect;   // the skin's client rectangle
    int formMinWidth = 0;  // the skin's "formminwidth"
    int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;  // the frame's own limits
    bool minimized = false;
    bool rolledUp = false;
    TFormBorderStyle borderStyle = TFormBorderStyle::bsSizeable;
    QSize screenArea;  // the work area (or whole screen) of the form's screen
};

// The smallest size: with a skin the frame picture's width (or "formminwidth", or MinWidth
// when larger) and its border height (or MinHeight when larger, except while rolled up or
// minimized); without one 120 or MinWidth, and the default caption with its borders.
QSize FrameMinimumSize(const FrameSizeInput& input);

// The largest size: MaxWidth and MaxHeight where set, else the screen area.
QSize FrameMaximumSize(const FrameSizeInput& input);
