#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <functional>

// Small drawing helpers shared by the picture sets: everything is drawn without
// antialiasing-dependent randomness, so the same fonts give the same files.
namespace ArtworkPainter {

// The client's blue and its lighter and darker shades.
inline const QColor Blue{8, 135, 216};
QColor Shade(const QColor& color, int percent);

// A blank picture of the given size in logical pixels, filled with Fill (transparent when Fill
// has alpha 0). At a scale of 2 it has twice as many pixels each way and that device pixel
// ratio, so whatever a painter draws on it is drawn at twice the resolution.
QImage Canvas(int width, int height, const QColor& fill, int scale = 1);
// The picture's rectangle in logical pixels.
QRect LogicalRect(const QImage& image);
// Draws Text centred in the image in the CJK font at the given pixel size.
void CenteredText(QImage& image, const QString& text, int pixelSize, const QColor& color, bool bold = false);
// A vertical gradient from Top to Bottom over the whole image.
void VerticalGradient(QImage& image, const QColor& top, const QColor& bottom);

// Saves as JPEG (quality 95) or PNG by the file's suffix; raises nothing, returns success.
bool Save(const QImage& image, const QString& path);

// A picture drawn at a scale of 1 or 2.
using ScaledDrawing = std::function<QImage(int scale)>;
// Saves the drawing at 1x as dir + name + suffix and at 2x as dir + name + "@2x" + suffix, the
// double-size form beside it; returns success.
bool SaveBothSizes(const ScaledDrawing& draw, const QString& dir, const QString& name, const char* suffix);

}  // namespace ArtworkPainter
