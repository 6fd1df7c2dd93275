#pragma once

#include <QRect>

// How far a gauge is: (value - minimum) / (maximum - minimum), 0 when the two are equal, never
// outside 0..1.
double GaugeFraction(int value, int minimum, int maximum);

// The filled part of the progress area: its width (vertical: its height, from the bottom up)
// is the area's times fraction, rounded.
QRect GaugeProgressRect(const QRect& area, double fraction, bool vertical);

// Frame frame (from 1) of count frames laid side by side along the longer side of strip.
QRect GaugeAnimationFrame(const QRect& strip, int count, int frame);
