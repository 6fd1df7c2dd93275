// The main window paints every tab of its strip itself, from pictures of the resource pack,
// and closes a tab when the left button is released over the tab's close glyph.
#include "mainwindow/TFormMain.h"

#include "browser/TWebBrowser.h"
#include "framework/DoubleSizePicture.h"
#include "framework/TApplicationEvents.h"
#include "framework/TTabSheet.h"
#include "framework/TTimer.h"
#include "mainwindow/SpeakerGlyph.h"
#include "platform/JpegImage.h"
#include "platform/PngImage.h"
#include "platform/ResourcePack.h"
#include "skincontrols/TbsSkinPageControl.h"
#include "skincontrols/TbsSkinUpDown.h"
#include "skinui/SkinText.h"

#include <QPainter>
#include <QWebEnginePage>

namespace {
constexpr int CaptionLeft = 25;
constexpr int GlyphSize = 12;
constexpr int SpeakerGap = 3;

// A tab picture as the painter's device shows it: the pack's double-size variant, when it has
// one, at a device pixel ratio above 1.
QImage ForPainter(const QImage& base, const char* name, const QString& type, const QPainter& painter)
{
    const qreal ratio = PaintingRatio(painter);
    if (ratio <= 1)
        return base;
    return PictureForRatio(base, DecodePackVariant(QLatin1String(name), type), ratio);
}

QImage PackJpeg(const char* name, const QPainter& painter)
{
    JpegImage jpeg;
    LoadPackJpeg(jpeg, QLatin1String(name));
    return ForPainter(jpeg.image(), name, QStringLiteral("JPEG"), painter);
}

QImage PackPng(const char* name, const QPainter& painter)
{
    PngImage png;
    LoadPackPng(png, QLatin1String(name));
    return ForPainter(png.image(), name, QStringLiteral("PNG"), painter);
}

// The caption without as many trailing UTF-16 units as it takes to fit before the glyph. Page
// titles are drawn as they stand: an "&" in them is no accelerator.
QString FittedCaption(const QString& caption, const QFontMetrics& metrics, int room)
{
    const qsizetype kept = LongestFittingPrefix(caption.size(), [&](qsizetype units) {
        return metrics.horizontalAdvance(caption.left(units)) + CaptionLeft <= room;
    });
    return caption.left(kept);
}

int TextTop(int tabHeight, const QFontMetrics& metrics)
{
    return (tabHeight - metrics.height()) / 2;
}

int GlyphX(int tabWidth)
{
    return tabWidth - 19;
}

// Where a tab's close glyph is hit-tested, relative to the tab; it is drawn one pixel lower.
QRect GlyphInTab(const TbsSkinPageControl& pages, const QFontMetrics& metrics)
{
    return QRect(GlyphX(pages.TabWidth()), TextTop(pages.TabHeight(), metrics), GlyphSize, GlyphSize);
}
}  // namespace

void TFormMain::bsSkinPageControlDrawSkinTab(int TabIndex, int VisibleIndex, QRect Rct, bool Active, bool,
                                             QPainter* Cnvs)
{
    if (TabIndex >= bsSkinPageControl->PageCount())
        return;
    // A picture the pack lacks ends this tab's painting; the error is reported.
    Cnvs->save();
    TApplicationEvents::Guard([&] {
        Cnvs->drawImage(Rct.topLeft(), PackJpeg(Active ? "TabSel" : "TabUnSel", *Cnvs));
        DrawTab(TabIndex, VisibleIndex, *Cnvs);
    });
    Cnvs->restore();
}

void TFormMain::DrawTab(int TabIndex, int VisibleIndex, QPainter& Cnvs)
{
    Cnvs.drawImage(QPoint(5, 6), PackPng(TabIndex == 0 ? "TabIconMain" : "TabGame", Cnvs));

    const QFontMetrics metrics = Cnvs.fontMetrics();
    const QString caption = bsSkinPageControl->Page(TabIndex)->Caption();
    const int textTop = TextTop(bsSkinPageControl->TabHeight(), metrics);
    const int glyphX = GlyphX(bsSkinPageControl->TabWidth());
    // A tab playing sound shows a speaker after its caption, which then leaves it room.
    const bool audible = Audible(TabIndex);
    const int speakerRoom = audible ? SpeakerGap + SpeakerGlyph::Size.width() : 0;
    const int room = glyphX + (TabIndex == 0 ? metrics.horizontalAdvance(QStringLiteral("啊")) : 0) - speakerRoom;
    const QString shown = FittedCaption(caption, metrics, room);
    Cnvs.drawText(QPoint(CaptionLeft, textTop + metrics.ascent()), shown);
    if (audible) {
        const int speakerTop = textTop + (metrics.height() - SpeakerGlyph::Size.height()) / 2;
        const QPoint speaker(CaptionLeft + metrics.horizontalAdvance(shown) + SpeakerGap, speakerTop);
        SpeakerGlyph::Paint(Cnvs, speaker, Cnvs.pen().color());
    }

    if (TabIndex == 0 || !CloseGlyphTable::HasEntry(TabIndex))
        return;
    const QRect glyph = GlyphInTab(*bsSkinPageControl, metrics);
    CloseGlyphTable::Entry& entry = closeGlyphs_[TabIndex];
    entry.Place(bsSkinPageControl->StripGeometry().InTab(VisibleIndex, glyph));
    Cnvs.drawImage(glyph.topLeft() + QPoint(0, 1), PackPng(StripPointerIn(entry) ? "TabCloseMove" : "TabClose", Cnvs));
}

void TFormMain::PlaceCloseGlyphs()
{
    const TabStripGeometry strip = bsSkinPageControl->StripGeometry();
    const QRect glyph = GlyphInTab(*bsSkinPageControl, QFontMetrics(bsSkinPageControl->Font()));
    const int pages = std::min(bsSkinPageControl->PageCount(), CloseGlyphTable::Size);
    for (int i = 1; i < pages; ++i) {
        const int visibleIndex = bsSkinPageControl->VisibleIndexOf(bsSkinPageControl->Page(i));
        CloseGlyphTable::Entry& entry = closeGlyphs_[i];
        entry.Place(strip.Shown(visibleIndex) ? strip.InTab(visibleIndex, glyph) : QRect());
        entry.PointerOutside = !StripPointerIn(entry);
    }
}

bool TFormMain::StripPointerIn(const CloseGlyphTable::Entry& Glyph) const
{
    return lastStripPointer_ && Glyph.Contains(*lastStripPointer_);
}

bool TFormMain::Audible(int TabIndex) const
{
    const TTabSheet* sheet = bsSkinPageControl->Page(TabIndex);
    const TTabRecord* record = sheet ? tabs_->FindTab(sheet->Tag()) : nullptr;
    // The engine keeps reporting a muted page's sound: a muted tab is silent all the same.
    const QWebEnginePage* page = record && record->Browser ? record->Browser->page() : nullptr;
    return page && page->recentlyAudible() && !page->isAudioMuted();
}

void TFormMain::bsSkinPageControlMouseMove(QObject*, Qt::KeyboardModifiers, int X, int Y)
{
    // The glyphs as they are drawn now, lit by the position seen before this one.
    PlaceCloseGlyphs();
    const QPoint at(X, Y);
    const TbsSkinUpDown* arrows = bsSkinPageControl->UpDown();
    lastStripPointer_ = arrows && arrows->isVisible() && arrows->geometry().contains(at) ? std::nullopt
                                                                                          : std::optional(at);
    const int pages = std::min(bsSkinPageControl->PageCount(), CloseGlyphTable::Size);
    for (int i = 0; i < pages; ++i) {
        CloseGlyphTable::Entry& entry = closeGlyphs_[i];
        const bool inside = StripPointerIn(entry);
        if (inside == !entry.PointerOutside)
            continue;
        bsSkinPageControl->Refresh();
        entry.PointerOutside = !inside;
    }
}

void TFormMain::bsSkinPageControlMouseUp(QObject*, Qt::MouseButton Button, Qt::KeyboardModifiers, int X, int Y)
{
    // Only the left button: the strip reports its positions shifted, and only it closes tabs.
    if (Button != Qt::LeftButton)
        return;
    const QPoint test = bsSkinPageControl->StripGeometry().FromFramework(QPoint(X, Y));
    PlaceCloseGlyphs();
    for (int i = std::min(bsSkinPageControl->PageCount(), CloseGlyphTable::Size) - 1; i >= 0; --i) {
        if (closeGlyphs_[i].Contains(test)) {
            TimerCloseTab->SetTag(i);
            TimerCloseTab->SetEnabled(true);
            return;
        }
    }
}
