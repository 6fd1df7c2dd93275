#include "skinui/SkinColor.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

namespace {

bool PaletteRoleOf(int index, QPalette::ColorRole& role)
{
    switch (index) {
    case SkinColor::kWindow: role = QPalette::Base; return true;
    case SkinColor::kWindowText: role = QPalette::Text; return true;
    case SkinColor::kHighlight: role = QPalette::Highlight; return true;
    case SkinColor::kHighlightText: role = QPalette::HighlightedText; return true;
    case SkinColor::kButtonFace: role = QPalette::Button; return true;
    case SkinColor::kButtonShadow: role = QPalette::Dark; return true;
    case SkinColor::kButtonText: role = QPalette::ButtonText; return true;
    case SkinColor::kButtonHighlight: role = QPalette::Light; return true;
    default: return false;
    }
}

int Darken(int channel, int percent)
{
    return channel - (channel * percent + 50) / 100;
}

} // namespace

QColor SystemColor(int index)
{
    QPalette::ColorRole role = QPalette::NoRole;
    if (!PaletteRoleOf(index, role))
        return QColor(0, 0, 0);
    return QGuiApplication::palette().color(QPalette::Active, role);
}

QColor SkinColorToQColor(quint32 value)
{
    if ((value & 0xFF000000u) == SkinColor::kSystemFlag)
        return SystemColor(int(value & 0xFFu));
    return QColor(int(value & 0xFFu), int((value >> 8) & 0xFFu), int((value >> 16) & 0xFFu));
}

quint32 QColorToSkinColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return quint32(rgb.red()) | (quint32(rgb.green()) << 8) | (quint32(rgb.blue()) << 16);
}

QColor DarkenColor(const QColor& color, int percent)
{
    const int p = std::clamp(percent, 0, 100);
    const QColor rgb = color.toRgb();
    return QColor(Darken(rgb.red(), p), Darken(rgb.green(), p), Darken(rgb.blue(), p));
}
