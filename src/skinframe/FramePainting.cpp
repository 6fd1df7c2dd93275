#include "skinframe/FramePainting.h"

#include "skin/TbsSkinData.h"
#include "skinframe/FrameGeometry.h"
#include "skinframe/FrameObjectPainting.h"
#include "skinui/SkinColor.h"
#include "skinui/SkinObjectMapping.h"
#include "skinui/SkinRect.h"
#include "skinui/SkinText.h"
#include "skinui/TbsEffectBmp.h"

#include <QPainter>
#include <QRandomGenerator>

namespace {

void ApplyInactiveEffect(QImage& strip, TbsInactiveEffect effect)
{
    if (strip.isNull())
        return;
    TbsEffectBmp bitmap(strip);
    QRandomGenerator random(0x5eed);
    bitmap.ApplyInactiveEffect(int(effect), random);
    const qreal ratio = strip.devicePixelRatio();
    strip = bitmap.Image().convertToFormat(strip.format());
    strip.setDevicePixelRatio(ratio);
}

void DrawObjects(QImage& strip, int shift, const FrameObjectList& objects, const FrameObjectPaint& paint,
                 bool below, int clientTop)
{
    if (strip.isNull())
        return;
    QPainter painter(&strip);
    painter.translate(0, -shift);
    for (const TbsActiveSkinObject& object : objects)
        if (object.Visible && (BottomOf(object.ObjectRect) > clientTop) == below)
            PaintFrameObject(painter, object, paint);
}

// Draws the piece of picture (not empty) over area: stretched by the stretch type, or tiled
// unscaled.
void FillWithPiece(QPainter& painter, const QImage& picture, const QRect& piece, const QRect& area, bool stretch,
                   TbsStretchType type)
{
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    QSize tile = piece.size();
    if (stretch && type == TbsStretchType::Full) {
        painter.drawImage(area, picture, piece);
    } else {
        if (stretch)
            tile = type == TbsStretchType::Horz ? QSize(piece.width(), area.height()) : QSize(area.width(), piece.height());
        for (int y = area.y(); y < BottomOf(area); y += tile.height())
            for (int x = area.x(); x < RightOf(area); x += tile.width())
                painter.drawImage(QRect(QPoint(x, y), tile), picture, piece);
    }
    painter.restore();
}

}  // namespace

const QImage& FormFramePicture(const TbsSkinData& store, bool formActive)
{
    const QImage& inactive = store.InactiveFramePicture();
    return formActive || inactive.isNull() ? store.FramePicture() : inactive;
}

const QImage& FormFrameDoubleSize(const TbsSkinData& store, bool formActive)
{
    const SkinDoubleSizePictures& doubles = store.DoubleSizePictures();
    return formActive || store.InactiveFramePicture().isNull() ? doubles.FramePicture : doubles.InactiveFramePicture;
}

FrameStripImages BuildFormFrameStrips(const TbsSkinData& store, const FrameGeometry& geometry, bool formActive,
                                      qreal ratio)
{
    FrameStripImages strips;
    const QImage& picture = FormFramePicture(store, formActive);
    if (picture.isNull())
        return strips;
    const TbsDataSkinFormInfo& info = store.FormInfo();
    const ScaledSkinPicture scaled{picture, FormFrameDoubleSize(store, formActive), ratio};
    BuildFrameStrips(strips, scaled, picture.rect(), geometry.skin, geometry.grown, geometry.form,
                     NinePieceOptionsOf(info));
    if (!formActive && info.autorenderinginactiveimage)
        for (QImage* strip : {&strips.top, &strips.left, &strips.right, &strips.bottom})
            ApplyInactiveEffect(*strip, info.inactiveeffect);
    return strips;
}

void PaintSkinFrame(QPainter& painter, FrameStripImages strips, const FrameGeometry& geometry,
                    const FrameObjectList& objects, const FrameObjectPaint& paint)
{
    const QRect& client = geometry.ClientRect();
    DrawObjects(strips.top, 0, objects, paint, false, client.y());
    DrawObjects(strips.bottom, BottomOf(client), objects, paint, true, client.y());
    const QRect form(QPoint(0, 0), geometry.form);
    painter.save();
    painter.setClipRegion(QRegion(form) - client, Qt::IntersectClip);
    DrawFrameStrips(painter, strips, form);
    painter.restore();
}

void PaintDefaultFrame(QPainter& painter, const FrameGeometry& geometry, const QFont& captionFont,
                       const FrameObjectList& objects, const FrameObjectPaint& paint)
{
    const QRect form(QPoint(0, 0), geometry.form);
    const QRect& client = geometry.ClientRect();
    painter.save();
    painter.setClipRegion(QRegion(form) - client, Qt::IntersectClip);
    painter.fillRect(form, SystemColor(SkinColor::kButtonFace));
    painter.setPen(SystemColor(SkinColor::kButtonShadow));
    painter.drawRect(form.adjusted(0, 0, -1, -1));
    QRect text = geometry.captionRect.adjusted(2, 0, -2, 0);
    for (const TbsActiveSkinObject& object : objects) {
        if (!object.Visible)
            continue;
        PaintFrameObject(painter, object, paint);
        if (object.ObjectRect.center().x() < text.center().x())
            text.setLeft(std::max(text.left(), RightOf(object.ObjectRect) + 2));
        else
            text.setRight(std::min(text.right(), object.ObjectRect.x() - 3));
    }
    painter.setFont(captionFont);
    painter.setPen(SystemColor(paint.formActive ? SkinColor::kButtonText : SkinColor::kButtonShadow));
    QString caption = paint.caption;
    CutTextToWidth(painter.fontMetrics(), caption, std::max(0, text.width()), SkinTextMode::Literal);
    DrawSingleLineText(painter, caption, text, Qt::AlignLeft, SkinTextMode::Literal);
    painter.restore();
}

void PaintClientBackground(QPainter& painter, const TbsSkinData* store, const QRect& client)
{
    const bool skinned = store && !store->IsEmpty();
    const TbsDataSkinFormInfo* info = skinned ? &store->FormInfo() : nullptr;
    const QImage* background = info ? SkinPicture(*store, info->bgpictureindex) : nullptr;
    const QImage* frame = skinned && !store->FramePicture().isNull() ? &store->FramePicture() : nullptr;
    if (background)
        FillWithPiece(painter, *background, background->rect(), client, info->stretcheffect, info->stretchtype);
    else if (const QRect piece = frame ? info->clientrect.intersected(frame->rect()) : QRect(); !piece.isEmpty())
        FillWithPiece(painter, *frame, piece, client, info->stretcheffect, info->stretchtype);
    else
        painter.fillRect(client, skinned ? SkinColorOf(store->Colors().cbtnface)
                                         : SystemColor(SkinColor::kButtonFace));
}
