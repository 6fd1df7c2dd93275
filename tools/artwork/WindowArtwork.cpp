#include "WindowArtwork.h"

#include "ArtworkPainter.h"

#include <QPainter>
#include <QPainterPath>

using namespace ArtworkPainter;

namespace {

enum class Glyph { Close, Maximize, Minimize };

QImage CaptionButton(Glyph glyph, int scale)
{
    QImage image = Canvas(27, 22, Blue, scale);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::white, 2));
    switch (glyph) {
    case Glyph::Close:
        painter.drawLine(9, 7, 17, 15);
        painter.drawLine(17, 7, 9, 15);
        break;
    case Glyph::Maximize:
        painter.drawRect(8, 6, 10, 9);
        break;
    case Glyph::Minimize:
        painter.drawLine(8, 14, 18, 14);
        break;
    }
    return image;
}

QImage WordButton(const QString& words, int scale)
{
    QImage image = Canvas(38, 22, Blue, scale);
    CenteredText(image, words, 11, Qt::white);
    return image;
}

QImage PortalLink(const QString& words, int scale)
{
    QImage image = Canvas(62, 22, Qt::transparent, scale);
    CenteredText(image, QStringLiteral("〈") + words + QStringLiteral("〉"), 13, Qt::white, true);
    return image;
}

QImage Logo(int scale)
{
    QImage image = Canvas(86, 40, Qt::transparent, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath wing;  // a stylised kestrel wing
    wing.moveTo(4, 30);
    wing.cubicTo(14, 6, 30, 4, 40, 10);
    wing.cubicTo(28, 12, 20, 20, 16, 32);
    wing.closeSubpath();
    painter.fillPath(wing, QColor(255, 206, 84));
    painter.end();
    // The words sit right of the wing's root and end inside the picture.
    constexpr int wordsLeft = 27;
    QImage words = Canvas(86 - wordsLeft, 40, Qt::transparent, scale);
    CenteredText(words, QStringLiteral("Kestrune"), 12, Qt::white, true);
    QPainter(&image).drawImage(QPoint(wordsLeft, 2), words);
    return image;
}

QImage StatusStrip(int width, int scale)
{
    QImage image = Canvas(width, 30, Qt::white, scale);
    VerticalGradient(image, QColor(236, 242, 250), QColor(204, 218, 236));
    if (width > 20) {  // the size grip: three rows of dots at the bottom-right
        QPainter painter(&image);
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col <= row; ++col)
                painter.fillRect(width - 6 - col * 4, 26 - (2 - row) * 4, 2, 2, QColor(120, 140, 170));
    }
    return image;
}

// The icon is drawn for 48 pixels and scaled as a drawing, not as pixels, to other sizes.
QImage ApplicationIcon(int size)
{
    const qreal scale = size / 48.0;
    QImage image = Canvas(size, size, Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Blue);
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(2 * scale, 2 * scale, 44 * scale, 44 * scale), 10 * scale, 10 * scale);
    painter.end();
    CenteredText(image, QStringLiteral("K"), qRound(32 * scale), Qt::white, true);
    return image;
}

}  // namespace

bool WriteWindowArtwork(const QString& outDir)
{
    const QString dir = outDir + QLatin1Char('/');
    const auto both = [&](const ScaledDrawing& draw, const char* name, const char* suffix) {
        return SaveBothSizes(draw, dir, QLatin1String(name), suffix);
    };
    return both([](int s) { return CaptionButton(Glyph::Close, s); }, "close", ".jpg")
        && both([](int s) { return CaptionButton(Glyph::Maximize, s); }, "max", ".jpg")
        && both([](int s) { return CaptionButton(Glyph::Minimize, s); }, "min", ".jpg")
        && both([](int s) { return WordButton(QStringLiteral("清缓存"), s); }, "set", ".jpg")
        && both([](int s) { return WordButton(QStringLiteral("刷新"), s); }, "feed", ".jpg")
        && both(Logo, "logo", ".png")
        && both([](int s) { return PortalLink(QStringLiteral("充值"), s); }, "recharge", ".png")
        && both([](int s) { return PortalLink(QStringLiteral("游戏"), s); }, "games", ".png")
        && both([](int s) { return PortalLink(QStringLiteral("用户"), s); }, "user", ".png")
        && both([](int s) { return PortalLink(QStringLiteral("礼包"), s); }, "gift", ".png")
        && both([](int s) { return PortalLink(QStringLiteral("客服"), s); }, "service", ".png")
        && both([](int s) { return StatusStrip(4, s); }, "toolleft", ".jpg")
        && both([](int s) { return StatusStrip(619, s); }, "toolright", ".jpg")
        && Save(ApplicationIcon(48), dir + QStringLiteral("kestrune.png"))
        && Save(ApplicationIcon(256), dir + QStringLiteral("kestrune-256.png"));
}
