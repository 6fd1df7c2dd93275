#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

class QPainter;

// A part of a picture with every pixel of one colour made transparent: how a skin marks the
// background around a glyph, a close button, a menu marker or a progress picture. Colours
// compare by red, green and blue; the picture's own alpha is ignored. Parts reaching outside
// the picture are cut to it.
QImage ColorKeyed(const QImage& picture, const QRect& source, const QColor& key);

// Draws the part source of picture into target, scaled without smoothing when the sizes
// differ, with the key colour left out: what lies under those pixels stays. Where source
// reaches outside the picture, the matching part of target is left alone.
void DrawColorKeyed(QPainter& painter, const QRect& target, const QImage& picture, const QRect& source,
                    const QColor& key);
