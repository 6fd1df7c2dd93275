#include "skin/SkinKeyVisitor.h"

#include "skin/TbsSkinFontFields.h"

SkinKeyVisitor::~SkinKeyVisitor() = default;

void SkinKeyVisitor::FontGroup(TbsSkinFontFields& font)
{
    Text("fontname", font.fontname, QStringLiteral("Arial"));
    Integer("fontheight", font.fontheight, 14);
    FontStyle("fontstyle", font.fontstyle);
    Integer("fontcolor", font.fontcolor, 0);
}

void SkinKeyVisitor::CornerPoints(QPoint& leftTop, QPoint& rightTop, QPoint& leftBottom, QPoint& rightBottom)
{
    Point("lefttoppoint", leftTop);
    Point("righttoppoint", rightTop);
    Point("leftbottompoint", leftBottom);
    Point("rightbottompoint", rightBottom);
}

void SkinKeyVisitor::ArrowButtonRects(QRect& up, QRect& activeUp, QRect& downUp, QRect& down, QRect& activeDown,
                                      QRect& downDown)
{
    Rect("upbuttonrect", up);
    Rect("activeupbuttonrect", activeUp);
    Rect("downupbuttonrect", downUp);
    Rect("downbuttonrect", down);
    Rect("activedownbuttonrect", activeDown);
    Rect("downdownbuttonrect", downDown);
}
