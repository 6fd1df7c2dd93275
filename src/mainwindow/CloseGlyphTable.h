#pragma once

#include <QPoint>
#include <QRect>
#include <array>

// The close glyphs of the tab strip: for each page index below Size, the glyph's rectangle
// in page-control coordinates (left and top inside, right and bottom outside) as the last
// painting placed it, and whether the pointer was last seen outside it. Entry 0, the main
// tab, never gets a rectangle, so it cannot be closed. Pages from Size on have no glyph.
class CloseGlyphTable {
public:
    static constexpr int Size = 51;

    struct Entry {
        int Left = 0, Top = 0, Right = 0, Bottom = 0;
        bool PointerOutside = false;
        bool Contains(QPoint p) const { return Left <= p.x() && p.x() < Right && Top <= p.y() && p.y() < Bottom; }
        void Place(const QRect& r) { Left = r.x(), Top = r.y(), Right = r.x() + r.width(), Bottom = r.y() + r.height(); }
    };

    static bool HasEntry(int pageIndex) { return pageIndex >= 0 && pageIndex < Size; }
    Entry& operator[](int pageIndex) { return entries_.at(size_t(pageIndex)); }
    const Entry& operator[](int pageIndex) const { return entries_.at(size_t(pageIndex)); }

private:
    std::array<Entry, Size> entries_{};
};
