#include "skincontrols/TbsSkinCustomTabSheet.h"

#include "skincontrols/TbsSkinPageControl.h"
#include "skinui/SkinColor.h"

#include <QPaintEvent>
#include <QPainter>

TbsSkinCustomTabSheet::TbsSkinCustomTabSheet(QWidget* parent) : TTabSheet(parent)
{
    // Children sit on the wallpaper; growing the sheet only needs the new part painted.
    setAttribute(Qt::WA_StaticContents);
}

void TbsSkinCustomTabSheet::SetWallPaper(const QImage& wallPaper)
{
    wallPaper_ = wallPaper;
    update();
}

void TbsSkinCustomTabSheet::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (!wallPaper_.isNull()) {
        painter.fillRect(event->rect(), QBrush(wallPaper_));
        return;
    }
    const auto* control = qobject_cast<const TbsSkinPageControl*>(PageControl());
    if (!control || !control->PaintSkinBackground(painter, rect()))
        painter.fillRect(event->rect(), SystemColor(SkinColor::kButtonFace));
}
