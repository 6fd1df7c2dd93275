#include "WindowArtwork.h"

#include "ArtworkPainter.h"

#include <QPainter>
#include <QPainterPath>

using namespace ArtworkPainter;

namespace {

enum class Glyph { Close, Maximize, Minimize };

QImage CaptionButton(Glyph glyph)
{
    QImage image = Canvas(27, 22, Blue);
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

QImage WordButton(const QString& words)
{
    QImage image = Canvas(38, 22, Blue);
    CenteredText(image, words, 11, Qt::white);
    return image;
}

QImage PortalLink(const QString& words)
{
    QImage image = Canvas(62, 22, Qt::transparent);
    CenteredText(image, QStringLiteral("〈") + words + QStringLiteral("〉"), 13, Qt::white, true);
    return image;
}

QImage Logo()
{
    QImage image = Canvas(86, 40, Qt::transparent);
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
    QImage words = Canvas(86 - wordsLeft, 40, Qt::transparent);
    CenteredText(words, QStringLiteral("Kestrune"), 12, Qt::white, true);
    QPainter(&image).drawImage(QPoint(wordsLeft, 2), words);
    return image;
}

QImage StatusStrip(int width)
{
    QImage image = Canvas(width, 30, Qt::white);
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
    return Save(CaptionButton(Glyph::Close), dir + QStringLiteral("close.jpg"))
        && Save(CaptionButton(Glyph::Maximize), dir + QStringLiteral("max.jpg"))
        && Save(CaptionButton(Glyph::Minimize), dir + QStringLiteral("min.jpg"))
        && Save(WordButton(QStringLiteral("清缓存")), dir + QStringLiteral("set.jpg"))
        && Save(WordButton(QStringLiteral("刷新")), dir + QStringLiteral("feed.jpg"))
        && Save(Logo(), dir + QStringLiteral("logo.png"))
        && Save(PortalLink(QStringLiteral("充值")), dir + QStringLiteral("recharge.png"))
        && Save(PortalLink(QStringLiteral("游戏")), dir + QStringLiteral("games.png"))
        && Save(PortalLink(QStringLiteral("用户")), dir + QStringLiteral("user.png"))
        && Save(PortalLink(QStringLiteral("礼包")), dir + QStringLiteral("gift.png"))
        && Save(PortalLink(QStringLiteral("客服")), dir + QStringLiteral("service.png"))
        && Save(StatusStrip(4), dir + QStringLiteral("toolleft.jpg"))
        && Save(StatusStrip(619), dir + QStringLiteral("toolright.jpg"))
        && Save(ApplicationIcon(48), dir + QStringLiteral("kestrune.png"))
        && Save(ApplicationIcon(256), dir + QStringLiteral("kestrune-256.png"));
}
