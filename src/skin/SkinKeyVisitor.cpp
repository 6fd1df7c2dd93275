#include "skin/SkinKeyVisitor.h"

SkinKeyVisitor::~SkinKeyVisitor() = default;

void SkinKeyVisitor::FontGroup(QString& name, int& height, TbsFontStyles& style, int& color)
{
    Text("fontname", name, QStringLiteral("Arial"));
    Integer("fontheight", height, 14);
    FontStyle("fontstyle", style);
    Integer("fontcolor", color, 0);
}
