// Draws the artwork of the client's default skin, pixel by pixel from fixed numbers, so every
// run writes the same BMP files, each also at twice the size: default-skin-artwork OUTPUT_DIR

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

QRgb Blend(QRgb a, QRgb b, int step, int steps)
{
    const auto mix = [&](int ca, int cb) { return ca + (cb - ca) * step / qMax(1, steps); };
    return qRgb(mix(qRed(a), qRed(b)), mix(qGreen(a), qGreen(b)), mix(qBlue(a), qBlue(b)));
}

// A picture drawn in logical pixels at a scale of 1 or 2: rectangles cover scale x scale
// device pixels per logical one, and gradients step per device row, so the double-size
// pictures are the same drawings at twice the resolution, not the 1x ones pixel-doubled.
class Sheet {
public:
    Sheet(int width, int height, QRgb fill, int scale)
        : image_(width * scale, height * scale, QImage::Format_BGR888), scale_(scale)
    {
        image_.fill(QColor(fill));
    }

    int Scale() const { return scale_; }
    QImage& Image() { return image_; }

    void Fill(const QRect& r, QRgb color) { FillDevice(Device(r), color); }

    void FillDevice(const QRect& r, QRgb color)
    {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                image_.setPixel(x, y, color);
    }

    void VerticalGradient(const QRect& r, QRgb top, QRgb bottom)
    {
        const QRect d = Device(r);
        for (int y = d.top(); y <= d.bottom(); ++y)
            FillDevice(QRect(d.left(), y, d.width(), 1), Blend(top, bottom, y - d.top(), d.height() - 1));
    }

    void Frame(const QRect& r, QRgb color)
    {
        Fill(QRect(r.left(), r.top(), r.width(), 1), color);
        Fill(QRect(r.left(), r.bottom(), r.width(), 1), color);
        Fill(QRect(r.left(), r.top(), 1, r.height()), color);
        Fill(QRect(r.right(), r.top(), 1, r.height()), color);
    }

    QRect Device(const QRect& r) const { return QRect(r.topLeft() * scale_, r.size() * scale_); }

private:
    QImage image_;
    int scale_;
};

// True outside the rounded top corners of the window, for the logical pixel (x, y). The
// double-size frame and mask keep exactly these corners doubled: the window's shape is the 1x
// mask's, so a finer corner in the pictures would only show beside it.
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

// The cross: two bands two logical pixels wide, stepping one device pixel per device row.
void DrawCross(Sheet& sheet, QPoint origin, QRgb color)
{
    const int s = sheet.Scale();
    const QPoint at = origin * s;
    for (int y = 5 * s; y < 13 * s; ++y) {
        sheet.FillDevice(QRect(at.x() + y, at.y() + y, 2 * s, 1), color);
        sheet.FillDevice(QRect(at.x() + 16 * s - y, at.y() + y, 2 * s, 1), color);
    }
}

void DrawGlyph(Sheet& sheet, QPoint origin, Glyph glyph, QRgb color)
{
    switch (glyph) {
    case Glyph::Close:
        DrawCross(sheet, origin, color);
        break;
    case Glyph::Maximize:
        sheet.Frame(QRect(origin + QPoint(4, 4), QSize(10, 10)), color);
        sheet.Fill(QRect(origin + QPoint(4, 5), QSize(10, 1)), color);
        break;
    case Glyph::Minimize:
        sheet.Fill(QRect(origin + QPoint(4, 12), QSize(10, 2)), color);
        break;
    case Glyph::Restore:
        sheet.Frame(QRect(origin + QPoint(7, 3), QSize(8, 8)), color);
        sheet.Frame(QRect(origin + QPoint(3, 7), QSize(8, 8)), color);
        break;
    case Glyph::SysMenu:
        sheet.Fill(QRect(origin + QPoint(4, 4), QSize(10, 10)), color);
        sheet.Fill(QRect(origin + QPoint(7, 7), QSize(4, 4)), qRgb(0xF2, 0xA9, 0x2B));
        break;
    }
}

// The frame carries no buttons: they come from the buttons picture and move with the width.
QImage FramePicture(const Palette& p, int scale)
{
    Sheet sheet(kFrameWidth, kFrameHeight, p.border, scale);
    sheet.VerticalGradient(QRect(0, 0, kFrameWidth, kCaptionHeight), p.captionTop, p.captionBottom);
    sheet.Fill(QRect(kBorder, kCaptionHeight, kFrameWidth - 2 * kBorder, kFrameHeight - kCaptionHeight - kBorder),
               p.client);
    for (int y = 0; y < kCornerRadius; ++y)
        for (int x = 0; x < kFrameWidth; ++x)
            if (OutsideCorner(x, y, kFrameWidth))
                sheet.Fill(QRect(x, y, 1, 1), qRgb(0xFF, 0xFF, 0xFF));
    return sheet.Image();
}

// Black is inside the window.
QImage MaskPicture(int scale)
{
    Sheet sheet(kFrameWidth, kFrameHeight, qRgb(0, 0, 0), scale);
    for (int y = 0; y < kCornerRadius; ++y)
        for (int x = 0; x < kFrameWidth; ++x)
            if (OutsideCorner(x, y, kFrameWidth))
                sheet.Fill(QRect(x, y, 1, 1), qRgb(0xFF, 0xFF, 0xFF));
    return sheet.Image().convertToFormat(QImage::Format_Mono, {qRgb(0, 0, 0), qRgb(0xFF, 0xFF, 0xFF)});
}

// The caption bar behind a button: the rows of the caption gradient the button covers.
void CaptionBehind(Sheet& sheet, QPoint origin, const Palette& p)
{
    const int s = sheet.Scale();
    const QRect d = sheet.Device(QRect(origin, QSize(kGlyph, kGlyph)));
    for (int y = 0; y < d.height(); ++y)
        sheet.FillDevice(QRect(d.left(), d.top() + y, d.width(), 1),
                         Blend(p.captionTop, p.captionBottom, kButtonTop * s + y, kCaptionHeight * s - 1));
}

// Rows: close, maximize, minimize, restore, system menu. Columns: normal, hot, pressed, inactive.
QImage ButtonsPicture(int scale)
{
    const Glyph glyphs[] = {Glyph::Close, Glyph::Maximize, Glyph::Minimize, Glyph::Restore, Glyph::SysMenu};
    const QRgb hot[] = {qRgb(0xE0, 0x4A, 0x3C), qRgb(0x3F, 0x84, 0xE0), qRgb(0x3F, 0x84, 0xE0),
                        qRgb(0x3F, 0x84, 0xE0), qRgb(0x3F, 0x84, 0xE0)};
    Sheet sheet(4 * kGlyph, 5 * kGlyph, kActive.captionBottom, scale);
    for (int row = 0; row < 5; ++row) {
        const QPoint normal(0, row * kGlyph);
        CaptionBehind(sheet, normal, kActive);
        DrawGlyph(sheet, normal, glyphs[row], kActive.glyph);
        for (int state = 1; state <= 2; ++state) {
            const QPoint origin(state * kGlyph, row * kGlyph);
            const QRgb back = state == 1 ? hot[row] : Blend(hot[row], qRgb(0, 0, 0), 1, 3);
            sheet.Fill(QRect(origin, QSize(kGlyph, kGlyph)), back);
            DrawGlyph(sheet, origin + QPoint(state - 1, state - 1), glyphs[row], qRgb(0xFF, 0xFF, 0xFF));
        }
        const QPoint inactive(3 * kGlyph, row * kGlyph);
        CaptionBehind(sheet, inactive, kInactive);
        DrawGlyph(sheet, inactive, glyphs[row], kInactive.glyph);
    }
    return sheet.Image();
}

void Bevel(Sheet& sheet, const QRect& r, QRgb top, QRgb bottom, QRgb edge)
{
    sheet.VerticalGradient(r, top, bottom);
    sheet.Frame(r, edge);
}

// A single-line edit's face: a white field in a frame, the active one with a blue frame and a
// light inner line.
void EditFace(Sheet& sheet, QPoint origin, bool active)
{
    const QRect face(origin, QSize(60, 22));
    sheet.Fill(face, qRgb(0xFF, 0xFF, 0xFF));
    sheet.Frame(face, active ? qRgb(0x3F, 0x84, 0xE0) : qRgb(0x7A, 0x8C, 0xA8));
    if (active)
        sheet.Frame(face.adjusted(1, 1, -1, -1), qRgb(0xDC, 0xE8, 0xFA));
}

// A check box's box, 13 pixels square: the frame and the field by state, with a tick when
// checked. States: 0 normal, 1 hot, 2 disabled.
void CheckBox(Sheet& sheet, QPoint origin, int state, bool checked)
{
    const QRgb edge[] = {qRgb(0x7A, 0x8C, 0xA8), qRgb(0x3F, 0x84, 0xE0), qRgb(0xB0, 0xB8, 0xC4)};
    const QRgb field[] = {qRgb(0xFF, 0xFF, 0xFF), qRgb(0xEE, 0xF5, 0xFF), qRgb(0xF0, 0xF0, 0xF0)};
    const QRgb ink = state == 2 ? qRgb(0xA0, 0xA0, 0xA0) : qRgb(0x1C, 0x4A, 0x8E);
    const QRect box(origin, QSize(13, 13));
    sheet.Fill(box, field[state]);
    sheet.Frame(box, edge[state]);
    if (!checked)
        return;
    const int tops[] = {5, 6, 7, 6, 5, 4, 3};
    for (int i = 0; i < 7; ++i)
        sheet.Fill(QRect(origin + QPoint(3 + i, tops[i]), QSize(1, 3)), ink);
}

// The tab strip's scroll arrow of one side in one state: a triangle of four columns, its tip
// towards the side it scrolls to.
void ScrollArrow(Sheet& sheet, QPoint at, int side, QRgb back, QRgb edge)
{
    Bevel(sheet, QRect(at, QSize(24, 24)), back, back, edge);
    for (int i = 0; i < 4; ++i) {
        const int x = side == 0 ? at.x() + 10 + i : at.x() + 13 - i;
        sheet.Fill(QRect(x, at.y() + 12 - i, 1, 2 * i + 1), qRgb(0x30, 0x3A, 0x48));
    }
}

// Tabs, page frame, buttons, gauge, up-down arrows, menu item states, edit faces and check
// boxes on one sheet; the rectangles are the ones skin.ini names.
QImage ControlsPicture(int scale)
{
    Sheet sheet(240, 184, qRgb(0xFF, 0xFF, 0xFF), scale);
    const QRgb edge = qRgb(0x7A, 0x8C, 0xA8);
    Bevel(sheet, QRect(0, 0, 60, 24), qRgb(0xE6, 0xEB, 0xF2), qRgb(0xD0, 0xD8, 0xE4), edge);
    Bevel(sheet, QRect(60, 0, 60, 24), qRgb(0xFF, 0xFF, 0xFF), qRgb(0xF4, 0xF6, 0xFA), edge);
    Bevel(sheet, QRect(120, 0, 60, 24), qRgb(0xF0, 0xF5, 0xFF), qRgb(0xDC, 0xE8, 0xFA), edge);
    Bevel(sheet, QRect(0, 24, 60, 40), kActive.client, kActive.client, edge);
    Bevel(sheet, QRect(0, 64, 60, 24), qRgb(0xF8, 0xF9, 0xFB), qRgb(0xDD, 0xE2, 0xEA), edge);
    Bevel(sheet, QRect(60, 64, 60, 24), qRgb(0xEE, 0xF5, 0xFF), qRgb(0xCC, 0xE0, 0xFA), qRgb(0x3F, 0x84, 0xE0));
    Bevel(sheet, QRect(120, 64, 60, 24), qRgb(0xC4, 0xD8, 0xF2), qRgb(0xDA, 0xE6, 0xF6), qRgb(0x2F, 0x6F, 0xC8));
    Bevel(sheet, QRect(0, 88, 100, 16), qRgb(0xE8, 0xEB, 0xF0), qRgb(0xF6, 0xF7, 0xF9), edge);
    Bevel(sheet, QRect(100, 88, 100, 16), qRgb(0x6C, 0xC0, 0x5A), qRgb(0x3E, 0x96, 0x30), qRgb(0x32, 0x7A, 0x27));
    Bevel(sheet, QRect(0, 104, 100, 20), qRgb(0xDC, 0xE8, 0xFA), qRgb(0xC8, 0xDA, 0xF4), qRgb(0x9D, 0xBC, 0xE8));
    sheet.Fill(QRect(4, 125, 92, 1), edge);
    // The tab strip's arrows, side by side: left (scrolls back) and right. Normal pair at
    // (100, 112), hot buttons right of it, pressed ones below it.
    const QPoint places[3][2] = {{{100, 112}, {124, 112}}, {{148, 112}, {172, 112}}, {{100, 136}, {124, 136}}};
    for (int state = 0; state < 3; ++state) {
        const QRgb back = Blend(qRgb(0xE6, 0xEB, 0xF2), qRgb(0x3F, 0x84, 0xE0), state, 2);
        for (int side = 0; side < 2; ++side)
            ScrollArrow(sheet, places[state][side], side, back, edge);
    }
    // Edit faces and check boxes below the arrows.
    EditFace(sheet, QPoint(0, 160), false);
    EditFace(sheet, QPoint(60, 160), true);
    for (int state = 0; state < 3; ++state)
        for (const bool checked : {false, true})
            CheckBox(sheet, QPoint(120 + 28 * state + (checked ? 14 : 0), 160), state, checked);
    return sheet.Image();
}

QImage PopupPicture(int scale)
{
    Sheet sheet(100, 60, qRgb(0xFB, 0xFC, 0xFE), scale);
    sheet.Frame(QRect(0, 0, 100, 60), qRgb(0x7A, 0x8C, 0xA8));
    sheet.Frame(QRect(1, 1, 98, 58), qRgb(0xFF, 0xFF, 0xFF));
    return sheet.Image();
}

// Each picture at 1x as NAME.bmp and at 2x as NAME@2x.bmp, which the skin build takes as its
// double-size form.
void SavePictures(const QDir& dir)
{
    const struct {
        const char* name;
        QImage (*draw)(int scale);
    } pictures[] = {
        {"frame", [](int s) { return FramePicture(kActive, s); }},
        {"inactiveframe", [](int s) { return FramePicture(kInactive, s); }},
        {"mask", MaskPicture},
        {"buttons", ButtonsPicture},
        {"controls", ControlsPicture},
        {"popup", PopupPicture},
    };
    for (const auto& picture : pictures) {
        const QString name = QLatin1String(picture.name);
        SkinBitmapCodec::SaveFile(picture.draw(1), dir.filePath(name + QStringLiteral(".bmp")));
        SkinBitmapCodec::SaveFile(picture.draw(2), dir.filePath(name + QStringLiteral("@2x.bmp")));
    }
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
        SavePictures(dir);
    } catch (const KestruneError& e) {
        std::fprintf(stderr, "default-skin-artwork: %s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
