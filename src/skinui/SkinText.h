#pragma once

#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <functional>

// How a text's "&" is read. In a caption an "&" marks the next character as the keyboard
// accelerator: the "&" is not drawn, that character is underlined where the platform shows
// mnemonics (hidden where it does not), and "&&" stands for one "&". Literal text (page
// titles, anything a user or a web page wrote) is drawn as it stands.
enum class SkinTextMode { Caption, Literal };

// The Qt text flags that make drawing and measuring read text in that mode.
int SkinTextFlags(SkinTextMode mode);

// Draws text in rect with Qt alignment and text flags; returns the height of the text as laid
// out there.
int DrawSkinText(QPainter& painter, const QString& text, const QRect& rect, int flags,
                 SkinTextMode mode = SkinTextMode::Caption);

// One line, vertically centred in rect; horizontalFlags chooses left, centre or right.
int DrawSingleLineText(QPainter& painter, const QString& text, const QRect& rect,
                       int horizontalFlags = Qt::AlignLeft, SkinTextMode mode = SkinTextMode::Caption);

// Size of text as laid out from a zero rectangle: one line unless the text holds line breaks.
// Agrees with what the drawing functions draw in the same mode.
int SkinTextWidth(const QFontMetrics& metrics, const QString& text, SkinTextMode mode = SkinTextMode::Caption);
int SkinTextHeight(const QFontMetrics& metrics, const QString& text, SkinTextMode mode = SkinTextMode::Caption);

// When text is wider than width, shortens it character by character until it fits with "..."
// appended, and appends "..."; when not even "..." fits, text becomes "...". A surrogate pair
// is removed as one character, and in a caption an "&" goes with the character it marks.
// Takes a logarithmic number of measurements in the length of the text.
void CutTextToWidth(const QFontMetrics& metrics, QString& text, int width,
                    SkinTextMode mode = SkinTextMode::Caption);

// The largest count from 1 to longest for which fits holds, 0 when none does: the count a
// shortening loop that tries longest, longest - 1, ... and stops at the first that fits would
// reach, for measurements that grow with the count. Binary search: log2(longest) calls.
qsizetype LongestFittingPrefix(qsizetype longest, const std::function<bool(qsizetype)>& fits);
