#pragma once

#include <QImage>

class TbsBitmap;
class TbsLayerWindow;

// Writes each pixel's alpha as the rounded mean of mask's red, green and blue there (white
// opaque, black transparent). Pixels the mask does not reach keep their alpha.
void ComposeAlphaFromMask(TbsBitmap& bitmap, const QImage& mask);

// Shows bitmap in window at the window's position and the bitmap's size, with the bitmap's
// own alpha and the constant alpha (0..255) on top.
void UpdateLayerWindow(const TbsBitmap& bitmap, int alpha, TbsLayerWindow& window);
