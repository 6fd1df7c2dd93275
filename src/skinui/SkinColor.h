#pragma once

#include <QColor>
#include <QtGlobal>

// Skin data keeps colours as the platform encodes them: 0x00BBGGRR for a plain colour and
// 0xFF0000nn for system colour nn (the COLOR_* numbers, e.g. 15 for the button face). These
// helpers turn them into QColor; system colours come from the application palette.
namespace SkinColor {

constexpr quint32 kSystemFlag = 0xFF000000u;
constexpr int kWindow = 5;
constexpr int kWindowText = 8;
constexpr int kHighlight = 13;
constexpr int kHighlightText = 14;
constexpr int kButtonFace = 15;
constexpr int kButtonShadow = 16;
constexpr int kButtonText = 18;
constexpr int kButtonHighlight = 20;

constexpr quint32 System(int index) { return kSystemFlag | quint32(index); }

constexpr quint32 kClBtnFace = System(kButtonFace);
constexpr quint32 kClBtnShadow = System(kButtonShadow);
constexpr quint32 kClBtnText = System(kButtonText);
constexpr quint32 kClBtnHighlight = System(kButtonHighlight);
constexpr quint32 kClWindow = System(kWindow);
constexpr quint32 kClWindowText = System(kWindowText);
constexpr quint32 kClHighlight = System(kHighlight);
constexpr quint32 kClHighlightText = System(kHighlightText);

} // namespace SkinColor

// The system colour with the given COLOR_* number from the application palette; numbers the
// skin does not use read as black, as the platform answers for colours it does not know.
QColor SystemColor(int index);

// A skin colour (plain 0x00BBGGRR or system 0xFF0000nn) as a QColor.
QColor SkinColorToQColor(quint32 value);
// The same for a colour key of a skin object, which the description keeps as a signed integer.
inline QColor SkinColorOf(int value)
{
    return SkinColorToQColor(quint32(value));
}

// A QColor in the plain 0x00BBGGRR encoding.
quint32 QColorToSkinColor(const QColor& color);

// The colour with each channel reduced by percent of itself (v - v * percent / 100, rounded
// as the platform's multiply-divide rounds); percent is clamped to 0..100.
QColor DarkenColor(const QColor& color, int percent);
