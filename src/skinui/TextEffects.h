#pragma once

#include "skinui/SkinText.h"

#include <QColor>
#include <QRect>
#include <QString>

class QPainter;

// Text drawn over a soft shadow: the text in shadowColor, blurred over radius pixels and moved
// offset pixels right and down, then the text itself in the painter's pen. flags are the Qt
// alignment and text flags of DrawSkinText.
void DrawTextWithShadow(QPainter& painter, const QString& text, const QRect& rect, int flags, SkinTextMode mode,
                        const QColor& shadowColor, int radius, int offset);

// Text over its reflection: the text itself, then below it, offset pixels from its last line
// (negative: overlapping it), the text mirrored upside down and fading from half opacity to
// nothing over its height.
void DrawTextWithReflection(QPainter& painter, const QString& text, const QRect& rect, int flags,
                            SkinTextMode mode, int offset);
