#include "PackArtwork.h"

#include "ArtworkPainter.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>

using namespace ArtworkPainter;

namespace {

// The three looks of every title-bar picture: at rest, under the pointer, pressed.
enum class State { Normal, Hover, Pressed };

struct StateSuffixes {
    const char* button;  // base name + this ("", "Move", "Down")
    const char* link;    // the letter of the portal links ("N", "M", "D")
    State state;
};

constexpr StateSuffixes States[] = {
    {"", "N", State::Normal},
    {"Move", "M", State::Hover},
    {"Down", "D", State::Pressed},
};

QColor ButtonFace(State state)
{
    switch (state) {
    case State::Hover:
        return Shade(Blue, 30);
    case State::Pressed:
        return Shade(Blue, -30);
    case State::Normal:
        break;
    }
    return Blue;
}

using GlyphPainter = std::function<void(QPainter&)>;

// A 27 x 22 caption button: the glyph drawn in white, pushed one pixel down-right when pressed.
QImage CaptionButton(const GlyphPainter& glyph, State state, int scale)
{
    QImage image = Canvas(27, 22, ButtonFace(state), scale);
    QPainter painter(&image);
    if (state == State::Pressed)
        painter.translate(1, 1);
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    glyph(painter);
    return image;
}

QImage WordButton(const QString& words, State state, int scale)
{
    QImage image = Canvas(38, 22, ButtonFace(state), scale);
    CenteredText(image, words, 11, state == State::Normal ? QColor(Qt::white) : QColor(255, 236, 150));
    return image;
}

// A 62 x 22 portal link with alpha: the words between angle brackets; a soft plate behind
// them under the pointer, a darker one when pressed.
QImage PortalLink(const QString& words, State state, int scale)
{
    QImage image = Canvas(62, 22, Qt::transparent, scale);
    if (state != State::Normal) {
        QPainter plate(&image);
        plate.setRenderHint(QPainter::Antialiasing);
        plate.setPen(Qt::NoPen);
        plate.setBrush(state == State::Hover ? QColor(255, 255, 255, 60) : QColor(0, 0, 0, 70));
        plate.drawRoundedRect(QRectF(1, 1, 60, 20), 5, 5);
    }
    const QColor ink = state == State::Normal ? QColor(Qt::white) : QColor(255, 222, 96);
    CenteredText(image, QStringLiteral("〈") + words + QStringLiteral("〉"), 13, ink, true);
    return image;
}

// The cache dialog's face, 60 x 62: a round smiling face on the dialog's own background (the
// default skin's client colour), since a JPEG has no transparency to show it through.
QImage Face(int scale)
{
    QImage image = Canvas(60, 62, QColor(0xF4, 0xF6, 0xFA), scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Shade(Blue, -20), 2));
    painter.setBrush(QColor(255, 214, 90));
    painter.drawEllipse(QRectF(5, 6, 50, 50));
    painter.setBrush(Shade(Blue, -20));
    painter.drawEllipse(QRectF(19, 22, 5, 7));
    painter.drawEllipse(QRectF(36, 22, 5, 7));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(17, 24, 26, 20), 200 * 16, 140 * 16);
    return image;
}

// A 143 x 30 tab background with rounded top corners over the strip colour.
QImage TabBackground(bool selected, int scale)
{
    QImage image = Canvas(143, 30, QColor(32, 92, 170), scale);
    QImage face = Canvas(143, 30, Qt::transparent, scale);
    VerticalGradient(face, selected ? QColor(250, 252, 255) : QColor(150, 186, 230),
                     selected ? QColor(226, 236, 250) : QColor(112, 156, 214));
    QPainterPath shape;
    shape.addRoundedRect(QRectF(1, 2, 141, 34), 6, 6);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipPath(shape);
    painter.drawImage(0, 0, face);
    return image;
}

QImage TabIcon(bool mainTab, int scale)
{
    QImage image = Canvas(16, 16, Qt::transparent, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    if (mainTab) {  // a house: the portal's home page
        painter.setBrush(Shade(Blue, -10));
        painter.drawPolygon(QPolygonF({QPointF(8, 1), QPointF(15, 8), QPointF(1, 8)}));
        painter.drawRect(QRectF(3, 8, 10, 7));
        painter.setBrush(QColor(255, 214, 90));
        painter.drawRect(QRectF(7, 10, 3, 5));
    } else {  // a diamond gem: a game page
        painter.setBrush(QColor(232, 92, 60));
        painter.drawPolygon(QPolygonF({QPointF(8, 1), QPointF(15, 7), QPointF(8, 15), QPointF(1, 7)}));
        painter.setBrush(QColor(255, 190, 160));
        painter.drawPolygon(QPolygonF({QPointF(8, 3), QPointF(12, 7), QPointF(8, 7)}));
    }
    return image;
}

// The 12 x 12 close glyph: a grey cross, or a white cross on a red disc under the pointer.
QImage TabClose(bool hover, int scale)
{
    QImage image = Canvas(12, 12, Qt::transparent, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (hover) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(214, 56, 48));
        painter.drawEllipse(QRectF(0, 0, 12, 12));
    }
    painter.setPen(QPen(hover ? QColor(Qt::white) : QColor(96, 104, 120), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(3.5, 3.5), QPointF(8.5, 8.5));
    painter.drawLine(QPointF(8.5, 3.5), QPointF(3.5, 8.5));
    return image;
}

// Writes every picture at both sizes.
struct Writer {
    QString dir;
    bool ok = true;

    void put(const ScaledDrawing& draw, const QString& name, const char* suffix)
    {
        ok = ok && SaveBothSizes(draw, dir, name, suffix);
    }
};

void WriteCaptionButtons(Writer& out)
{
    const std::pair<const char*, GlyphPainter> buttons[] = {
        {"Close", [](QPainter& p) { p.drawLine(9, 7, 17, 15); p.drawLine(17, 7, 9, 15); }},
        {"Max", [](QPainter& p) { p.drawRect(8, 6, 10, 9); }},
        {"Restore", [](QPainter& p) { p.drawRect(8, 9, 8, 7); p.drawPolyline(QPolygon({QPoint(11, 9), QPoint(11, 6), QPoint(19, 6), QPoint(19, 13), QPoint(16, 13)})); }},
        {"Min", [](QPainter& p) { p.drawLine(8, 14, 18, 14); }},
    };
    for (const auto& [name, glyph] : buttons) {
        for (const StateSuffixes& state : States)
            out.put([&](int scale) { return CaptionButton(glyph, state.state, scale); },
                    QLatin1StringView(name) + QLatin1StringView(state.button), ".jpg");
    }
    const std::pair<const char*, QString> words[] = {{"Set", QStringLiteral("清缓存")}, {"Feed", QStringLiteral("刷新")}};
    for (const auto& [name, text] : words) {
        for (const StateSuffixes& state : States)
            out.put([&](int scale) { return WordButton(text, state.state, scale); },
                    QLatin1StringView(name) + QLatin1StringView(state.button), ".jpg");
    }
}

void WritePortalLinks(Writer& out)
{
    // Stem, the letter's position after it, and the words: "YX" + N gives "YXN", while the
    // recharge link puts its letter between "C" and "CHONG2".
    const struct {
        const char* prefix;
        const char* suffix;
        QString words;
    } links[] = {
        {"C", "CHONG2", QStringLiteral("充值")},
        {"YX", "", QStringLiteral("游戏")},
        {"YH", "", QStringLiteral("用户")},
        {"LB", "", QStringLiteral("礼包")},
        {"KF", "", QStringLiteral("客服")},
    };
    for (const auto& link : links) {
        for (const StateSuffixes& state : States) {
            const QString name = QLatin1StringView(link.prefix) + QLatin1StringView(state.link) + QLatin1StringView(link.suffix);
            out.put([&](int scale) { return PortalLink(link.words, state.state, scale); }, name, ".png");
        }
    }
}

void WriteTabPictures(Writer& out)
{
    out.put(Face, QStringLiteral("Face"), ".jpg");
    out.put([](int scale) { return TabBackground(true, scale); }, QStringLiteral("TabSel"), ".jpg");
    out.put([](int scale) { return TabBackground(false, scale); }, QStringLiteral("TabUnSel"), ".jpg");
    out.put([](int scale) { return TabIcon(true, scale); }, QStringLiteral("TabIconMain"), ".png");
    out.put([](int scale) { return TabIcon(false, scale); }, QStringLiteral("TabGame"), ".png");
    out.put([](int scale) { return TabClose(false, scale); }, QStringLiteral("TabClose"), ".png");
    out.put([](int scale) { return TabClose(true, scale); }, QStringLiteral("TabCloseMove"), ".png");
}

}  // namespace

bool WritePackArtwork(const QString& outDir)
{
    Writer out{outDir + QLatin1Char('/')};
    WriteCaptionButtons(out);
    WritePortalLinks(out);
    WriteTabPictures(out);
    return out.ok;
}
