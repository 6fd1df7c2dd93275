#include "skin/SkinKeyVisitor.h"

SkinKeyVisitor::~SkinKeyVisitor() = default;

void SkinKeyVisitor::FontGroup(QString& name, int& height, TbsFontStyles& style, int& color)
{
    Text("fontname", name, QStringLiteral("Arial"));
    Integer("fontheight", height, 14);
    FontStyle("fontstyle", style);
    Integer("fontcolor", color, 0);
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
