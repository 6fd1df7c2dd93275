#include "skinframe/TbsSkinCaptionObject.h"

#include "skin/TbsDataSkinCaption.h"
#include "skinui/SkinColor.h"
#include "skinui/SkinFont.h"
#include "skinui/SkinRect.h"
#include "skinui/SkinText.h"

#include <QPainter>

namespace {

int AlignmentFlag(TbsSkinAlignment alignment)
{
    switch (alignment) {
    case TbsSkinAlignment::LeftJustify: return Qt::AlignLeft;
    case TbsSkinAlignment::RightJustify: return Qt::AlignRight;
    case TbsSkinAlignment::Center: break;
    }
    return Qt::AlignHCenter;
}

}  // namespace

TbsSkinCaptionObject::TbsSkinCaptionObject(TbsFrameObjectHost& host, const TbsDataSkinCaption& data,
                                           const TbsSkinData& store)
    : TbsActiveSkinObject(host, data, store),
      Font(SkinFont(data)),
      FontColor(SkinColorOf(data.fontcolor)),
      ActiveFontColor(SkinColorOf(data.activefontcolor)),
      Alignment(data.alignment),
      TextRect(data.textrect),
      Light(data.light),
      LightColor(SkinColorOf(data.lightcolor)),
      ActiveLightColor(SkinColorOf(data.activelightcolor)),
      Shadow(data.shadow),
      ShadowColor(SkinColorOf(data.shadowcolor)),
      ActiveShadowColor(SkinColorOf(data.activeshadowcolor))
{
}

QRect TbsSkinCaptionObject::CurrentTextRect() const
{
    if (TextRect.isEmpty())
        return QRect();
    const QRect& skin = SkinRect;
    return ::SkinRect(ObjectRect.x() + TextRect.x() - skin.x(), ObjectRect.y() + TextRect.y() - skin.y(),
                      RightOf(ObjectRect) - (RightOf(skin) - RightOf(TextRect)),
                      BottomOf(ObjectRect) - (BottomOf(skin) - BottomOf(TextRect)));
}

void TbsSkinCaptionObject::Draw(QPainter& painter, const FrameObjectPaint& paint) const
{
    TbsActiveSkinObject::Draw(painter, paint);
    const QRect rect = CurrentTextRect();
    if (paint.caption.isEmpty() || rect.width() <= 0 || rect.height() <= 0)
        return;
    painter.save();
    painter.setFont(Font);
    QString text = paint.caption;
    CutTextToWidth(painter.fontMetrics(), text, rect.width(), SkinTextMode::Literal);
    const int align = AlignmentFlag(Alignment);
    const bool active = paint.formActive;
    const auto drawAt = [&](const QPoint& offset, const QColor& color) {
        painter.setPen(color);
        DrawSingleLineText(painter, text, rect.translated(offset), align, SkinTextMode::Literal);
    };
    if (Light)
        drawAt(QPoint(-1, -1), active ? ActiveLightColor : LightColor);
    if (Shadow)
        drawAt(QPoint(1, 1), active ? ActiveShadowColor : ShadowColor);
    drawAt(QPoint(0, 0), active ? ActiveFontColor : FontColor);
    painter.restore();
}
