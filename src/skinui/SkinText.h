#pragma once

#include <QFontMetrics>
#include <QPainter>
#include <QString>

// Draws text in rect with Qt alignment and text flags; returns the height of the text as laid
// out there.
int DrawSkinText(QPainter& painter, const QString& text, const QRect& rect, int flags);

// One line, vertically centred in rect; horizontalFlags chooses left, centre or right.
int DrawSingleLineText(QPainter& painter, const QString& text, const QRect& rect,
                       int horizontalFlags = Qt::AlignLeft);

// Size of text as laid out from a zero rectangle: one line unless the text holds line breaks.
int SkinTextWidth(const QFontMetrics& metrics, const QString& text);
int SkinTextHeight(const QFontMetrics& metrics, const QString& text);

// When text is wider than width, shortens it character by character until it fits with "..."
// appended, and appends "..."; when not even "..." fits, text becomes "...". A surrogate pair
// is removed as one character.
void CutTextToWidth(const QFontMetrics& metrics, QString& text, int width);
