#include "preview/PreviewBackdrop.h"

#include "skin/TbsSkinData.h"
#include "skinui/SkinColor.h"

#include <QPainter>

PreviewBackdrop::PreviewBackdrop(const TbsSkinData* skin)
    : face_(skin && !skin->IsEmpty() ? SkinColorOf(skin->Colors().cbtnface)
                                     : SystemColor(SkinColor::kButtonFace))
{
}

void PreviewBackdrop::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), face_);
}

void PreviewBackdrop::resizeEvent(QResizeEvent*)
{
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->resize(size());
}
