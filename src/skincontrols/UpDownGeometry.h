#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The two buttons of an up-down control: button 0 steps up, button 1 down. Painting and the
// mouse handling both read them from here.
struct UpDownButtons {
    QRect rects[2];

    // Halves of a control of size size: vertical, up on top; horizontal, up on the right.
    static UpDownButtons Halves(const QSize& size, Qt::Orientation orientation);
    // The first button whose rectangle holds the point, edges included (an empty rectangle holds
    // none); -1 for none. While a
    // button is pressed, the other one never counts.
    int ButtonAt(const QPoint& point, int pressed = -1) const;
};
