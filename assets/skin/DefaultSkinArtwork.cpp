// Draws the artwork of the client's default skin, pixel by pixel from fixed numbers, so every
// run writes the same BMP files: default-skin-artwork OUTPUT_DIR

#include "skin/SkinBitmapCodec.h"

#include "error/KestruneError.h"

#include <QDir>
#include <QColor>
#include <QImage>
#include <cstdio>

namespace {

constexpr int kFrameWidth = 160;
constexpr int kFrameHeight = 90;
constexpr int kCaptionHeight = 28;
constexpr int kBorder = 4;
constexpr int kCornerRadius = 7;
constexpr int kGlyph = 18;
constexpr int kButtonTop = 5;  // where the caption buttons sit in the caption bar

struct Palette {
    QRgb captionTop;
    QRgb captionBottom;
    QRgb border;
    QRgb client;
    QRgb glyph;
};

const Palette kActive{qRgb(0x2F, 0x6F, 0xC8), qRgb(0x1C, 0x4A, 0x8E), qRgb(0x1A, 0x3F, 0x78), qRgb(0xF4, 0xF6, 0xFA),
                      qRgb(0xFF, 0xFF, 0xFF)};
const Palette kInactive{qRgb(0x8A, 0x98, 0xAE), qRgb(0x6E, 0x7B, 0x90), qRgb(0x64, 0x70, 0x84),
                        qRgb(0xF4, 0xF6, 0xFA), qRgb(0xE0, 0xE4, 0xEA)};

QImage Canvas(int width, int height, QRgb fill)
{
    QImage image(width, height, QImage::Format_BGR888);
    image.fill(QColor(fill));
    return image;
}

void Fill(QImage& image, const QRect& r, QRgb color)
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            image.setPixel(x, y, color);
}

QRgb Blend(QRgb a, QRgb b, int step, int steps)
{
    const auto mix = [&](int ca, int cb) { return ca + (cb - ca) * step / qMax(1, steps); };
    return qRgb(mix(qRed(a), qRed(b)), mix(qGreen(a), qGreen(b)), mix(qBlue(a), qBlue(b)));
}

void VerticalGradient(QImage& image, const QRect& r, QRgb top, QRgb bottom)
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        Fill(image, QRect(r.left(), y, r.width(), 1), Blend(top, bottom, y - r.top(), r.height() - 1));
}

void Frame(QImage& image, const QRect& r, QRgb color)
{
    Fill(image, QRect(r.left(), r.top(), r.width(), 1), color);
    Fill(image, QRect(r.left(), r.bottom(), r.width(), 1), color);
    Fill(image, QRect(r.left(), r.top(), 1, r.height()), color);
    Fill(image, QRect(r.right(), r.top(), 1, r.height()), color);
}

// True outside the rounded top corners of the window.
bool OutsideCorner(int x, int y, int width)
{
    const int cx = x < kCornerRadius ? kCornerRadius : width - 1 - kCornerRadius;
    if (y >= kCornerRadius || (x >= kCornerRadius && x <= width - 1 - kCornerRadius))
        return false;
    const int dx = x - cx;
    const int dy = y - kCornerRadius;
    return dx * dx + dy * dy > kCornerRadius * kCornerRadius;
}

enum class Glyph { Close, Maximize, Minimize, Restore, SysMenu };

void DrawGlyph(QImage& image, QPoint origin, Glyph glyph, QRgb color)
{
    const auto dot = [&](int x, int y) { image.setPixel(origin.x() + x, origin.y() + y, color); };
    switch (glyph) {
    case Glyph::Close:
        for (int i = 5; i <= 12; ++i) {
            dot(i, i), dot(i + 1, i), dot(17 - i, i), dot(16 - i, i);
        }
        break;
    case Glyph::Maximize:
        Frame(image, QRect(origin + QPoint(4, 4), QSize(10, 10)), color);
        Fill(image, QRect(origin + QPoint(4, 5), QSize(10, 1)), color);
        break;
    case Glyph::Minimize:
        Fill(image, QRect(origin + QPoint(4, 12), QSize(10, 2)), color);
        break;
    case Glyph::Restore:
        Frame(image, QRect(origin + QPoint(7, 3), QSize(8, 8)), color);
        Frame(image, QRect(origin + QPoint(3, 7), QSize(8, 8)), color);
        break;
    case Glyph::SysMenu:
        Fill(image, QRect(origin + QPoint(4, 4), QSize(10, 10)), color);
        Fill(image, QRect(origin + QPoint(7, 7), QSize(4, 4)), qRgb(0xF2, 0xA9, 0x2B));
        break;
    }
}

// The frame carries no buttons: they come from the buttons picture and move with the width.
QImage FramePicture(const Palette& p)
{
    QImage image = Canvas(kFrameWidth, kFrameHeight, p.border);
    VerticalGradient(image, QRect(0, 0, kFrameWidth, kCaptionHeight), p.captionTop, p.captionBottom);
    Fill(image, QRect(kBorder, kCaptionHeight, kFrameWidth - 2 * kBorder, kFrameHeight - kCaptionHeight - kBorder),
         p.client);
    for (int y = 0; y < kCornerRadius; ++y)
        for (int x = 0; x < kFrameWidth; ++x)
            if (OutsideCorner(x, y, kFrameWidth))
                image.setPixel(x, y, qRgb(0xFF, 0xFF, 0xFF));
    return image;
}

// Black is inside the window.
QImage MaskPicture()
{
    QImage image(kFrameWidth, kFrameHeight, QImage::Format_Mono);
    image.setColorTable({qRgb(0, 0, 0), qRgb(0xFF, 0xFF, 0xFF)});
    image.fill(0);
    for (int y = 0; y < kCornerRadius; ++y)
        for (int x = 0; x < kFrameWidth; ++x)
            if (OutsideCorner(x, y, kFrameWidth))
                image.setPixel(x, y, 1);
    return image;
}

// The caption bar behind a button: the rows of the caption gradient the button covers.
void CaptionBehind(QImage& image, QPoint origin, const Palette& p)
{
    for (int y = 0; y < kGlyph; ++y)
        Fill(image, QRect(origin.x(), origin.y() + y, kGlyph, 1),
             Blend(p.captionTop, p.captionBottom, kButtonTop + y, kCaptionHeight - 1));
}

// Rows: close, maximize, minimize, restore, system menu. Columns: normal, hot, pressed, inactive.
QImage ButtonsPicture()
{
    const Glyph glyphs[] = {Glyph::Close, Glyph::Maximize, Glyph::Minimize, Glyph::Restore, Glyph::SysMenu};
    const QRgb hot[] = {qRgb(0xE0, 0x4A, 0x3C), qRgb(0x3F, 0x84, 0xE0), qRgb(0x3F, 0x84, 0xE0),
                        qRgb(0x3F, 0x84, 0xE0), qRgb(0x3F, 0x84, 0xE0)};
    QImage image = Canvas(4 * kGlyph, 5 * kGlyph, kActive.captionBottom);
    for (int row = 0; row < 5; ++row) {
        const QPoint normal(0, row * kGlyph);
        CaptionBehind(image, normal, kActive);
        DrawGlyph(image, normal, glyphs[row], kActive.glyph);
        for (int state = 1; state <= 2; ++state) {
            const QPoint origin(state * kGlyph, row * kGlyph);
            const QRgb back = state == 1 ? hot[row] : Blend(hot[row], qRgb(0, 0, 0), 1, 3);
            Fill(image, QRect(origin, QSize(kGlyph, kGlyph)), back);
            DrawGlyph(image, origin + QPoint(state - 1, state - 1), glyphs[row], qRgb(0xFF, 0xFF, 0xFF));
        }
        const QPoint inactive(3 * kGlyph, row * kGlyph);
        CaptionBehind(image, inactive, kInactive);
        DrawGlyph(image, inactive, glyphs[row], kInactive.glyph);
    }
    return image;
}

void Bevel(QImage& image, const QRect& r, QRgb top, QRgb bottom, QRgb edge)
{
    VerticalGradient(image, r, top, bottom);
    Frame(image, r, edge);
}

// A single-line edit's face: a white field in a frame, the active one with a blue frame and a
// light inner line.
void EditFace(QImage& image, QPoint origin, bool active)
{
    const QRect face(origin, QSize(60, 22));
    Fill(image, face, qRgb(0xFF, 0xFF, 0xFF));
    Frame(image, face, active ? qRgb(0x3F, 0x84, 0xE0) : qRgb(0x7A, 0x8C, 0xA8));
    if (active)
        Frame(image, face.adjusted(1, 1, -1, -1), qRgb(0xDC, 0xE8, 0xFA));
}

// A check box's box, 13 pixels square: the frame and the field by state, with a tick when
// checked. States: 0 normal, 1 hot, 2 disabled.
void CheckBox(QImage& image, QPoint origin, int state, bool checked)
{
    const QRgb edge[] = {qRgb(0x7A, 0x8C, 0xA8), qRgb(0x3F, 0x84, 0xE0), qRgb(0xB0, 0xB8, 0xC4)};
    const QRgb field[] = {qRgb(0xFF, 0xFF, 0xFF), qRgb(0xEE, 0xF5, 0xFF), qRgb(0xF0, 0xF0, 0xF0)};
    const QRgb ink = state == 2 ? qRgb(0xA0, 0xA0, 0xA0) : qRgb(0x1C, 0x4A, 0x8E);
    const QRect box(origin, QSize(13, 13));
    Fill(image, box, field[state]);
    Frame(image, box, edge[state]);
    if (!checked)
        return;
    const int tops[] = {5, 6, 7, 6, 5, 4, 3};
    for (int i = 0; i < 7; ++i)
        Fill(image, QRect(origin + QPoint(3 + i, tops[i]), QSize(1, 3)), ink);
}

// Tabs, page frame, buttons, gauge, up-down arrows, menu item states, edit faces and check
// boxes on one sheet; the rectangles are the ones skin.ini names.
QImage ControlsPicture()
{
    QImage image = Canvas(240, 184, qRgb(0xFF, 0xFF, 0xFF));
    const QRgb edge = qRgb(0x7A, 0x8C, 0xA8);
    Bevel(image, QRect(0, 0, 60, 24), qRgb(0xE6, 0xEB, 0xF2), qRgb(0xD0, 0xD8, 0xE4), edge);
    Bevel(image, QRect(60, 0, 60, 24), qRgb(0xFF, 0xFF, 0xFF), qRgb(0xF4, 0xF6, 0xFA), edge);
    Bevel(image, QRect(120, 0, 60, 24), qRgb(0xF0, 0xF5, 0xFF), qRgb(0xDC, 0xE8, 0xFA), edge);
    Bevel(image, QRect(0, 24, 60, 40), kActive.client, kActive.client, edge);
    Bevel(image, QRect(0, 64, 60, 24), qRgb(0xF8, 0xF9, 0xFB), qRgb(0xDD, 0xE2, 0xEA), edge);
    Bevel(image, QRect(60, 64, 60, 24), qRgb(0xEE, 0xF5, 0xFF), qRgb(0xCC, 0xE0, 0xFA), qRgb(0x3F, 0x84, 0xE0));
    Bevel(image, QRect(120, 64, 60, 24), qRgb(0xC4, 0xD8, 0xF2), qRgb(0xDA, 0xE6, 0xF6), qRgb(0x2F, 0x6F, 0xC8));
    Bevel(image, QRect(0, 88, 100, 16), qRgb(0xE8, 0xEB, 0xF0), qRgb(0xF6, 0xF7, 0xF9), edge);
    Bevel(image, QRect(100, 88, 100, 16), qRgb(0x6C, 0xC0, 0x5A), qRgb(0x3E, 0x96, 0x30), qRgb(0x32, 0x7A, 0x27));
    Bevel(image, QRect(0, 104, 100, 20), qRgb(0xDC, 0xE8, 0xFA), qRgb(0xC8, 0xDA, 0xF4), qRgb(0x9D, 0xBC, 0xE8));
    Fill(image, QRect(4, 125, 92, 1), edge);
    // The tab strip's arrows, side by side: left (scrolls back) and right. Normal pair at
    // (100, 112), hot buttons right of it, pressed ones below it.
    const QPoint places[3][2] = {{{100, 112}, {124, 112}}, {{148, 112}, {172, 112}}, {{100, 136}, {124, 136}}};
    for (int state = 0; state < 3; ++state) {
        const QRgb back = Blend(qRgb(0xE6, 0xEB, 0xF2), qRgb(0x3F, 0x84, 0xE0), state, 2);
        for (int side = 0; side < 2; ++side) {
            const QPoint at = places[state][side];
            Bevel(image, QRect(at, QSize(24, 24)), back, back, edge);
            // A triangle of four columns, its tip towards the side it scrolls to.
            for (int i = 0; i < 4; ++i) {
                const int x = side == 0 ? at.x() + 10 + i : at.x() + 13 - i;
                Fill(image, QRect(x, at.y() + 12 - i, 1, 2 * i + 1), qRgb(0x30, 0x3A, 0x48));
            }
        }
    }
    // Edit faces and check boxes below the arrows.
    EditFace(image, QPoint(0, 160), false);
    EditFace(image, QPoint(60, 160), true);
    for (int state = 0; state < 3; ++state)
        for (const bool checked : {false, true})
            CheckBox(image, QPoint(120 + 28 * state + (checked ? 14 : 0), 160), state, checked);
    return image;
}

QImage PopupPicture()
{
    QImage image = Canvas(100, 60, qRgb(0xFB, 0xFC, 0xFE));
    Frame(image, QRect(0, 0, 100, 60), qRgb(0x7A, 0x8C, 0xA8));
    Frame(image, QRect(1, 1, 98, 58), qRgb(0xFF, 0xFF, 0xFF));
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: default-skin-artwork OUTPUT_DIR\n", stderr);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    try {
        SkinBitmapCodec::SaveFile(FramePicture(kActive), dir.filePath(QStringLiteral("frame.bmp")));
        SkinBitmapCodec::SaveFile(FramePicture(kInactive), dir.filePath(QStringLiteral("inactiveframe.bmp")));
        SkinBitmapCodec::SaveFile(MaskPicture(), dir.filePath(QStringLiteral("mask.bmp")));
        SkinBitmapCodec::SaveFile(ButtonsPicture(), dir.filePath(QStringLiteral("buttons.bmp")));
        SkinBitmapCodec::SaveFile(ControlsPicture(), dir.filePath(QStringLiteral("controls.bmp")));
        SkinBitmapCodec::SaveFile(PopupPicture(), dir.filePath(QStringLiteral("popup.bmp")));
    } catch (const KestruneError& e) {
        std::fprintf(stderr, "default-skin-artwork: %s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
