#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// Small drawing helpers shared by the picture sets: everything is drawn without
// antialiasing-dependent randomness, so the same fonts give the same files.
namespace ArtworkPainter {

// The client's blue and its lighter and darker shades.
inline const QColor Blue{8, 135, 216};
QColor Shade(const QColor& color, int percent);

// A blank picture of the given size filled with Fill (transparent when Fill has alpha 0).
QImage Canvas(int width, int height, const QColor& fill);
// Draws Text centred in the image in the CJK font at the given pixel size.
void CenteredText(QImage& image, const QString& text, int pixelSize, const QColor& color, bool bold = false);
// A vertical gradient from Top to Bottom over the whole image.
void VerticalGradient(QImage& image, const QColor& top, const QColor& bottom);

// Saves as JPEG (quality 95) or PNG by the file's suffix; raises nothing, returns success.
bool Save(const QImage& image, const QString& path);

}  // namespace ArtworkPainter
