#pragma once

#include "skin/SkinValueTypes.h"
#include "skinframe/FrameObjectLook.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;
class TbsDataSkinObject;
class TbsFrameObjectHost;
class TbsSkinData;

// One object of a skinned frame: a part of the frame picture (or of a picture of its own) with
// a normal, a hot and an inactive look, placed on the form and fed the pointer's moves and
// presses by the frame. The base of the caption buttons, the caption and the user objects.
class TbsActiveSkinObject {
public:
    // The object of a skin object, with its pictures taken from store's picture list.
    TbsActiveSkinObject(TbsFrameObjectHost& host, const TbsDataSkinObject& data, const TbsSkinData& store);
    virtual ~TbsActiveSkinObject();
    TbsActiveSkinObject(const TbsActiveSkinObject&) = delete;
    TbsActiveSkinObject& operator=(const TbsActiveSkinObject&) = delete;

    // Whether (x, y) relative to the object's top-left counts as inside: with a mask picture
    // only its black pixels do.
    virtual bool PointTest(const QPoint& relative) const;
    virtual void ShowGlow();
    virtual void HideGlow();
    // Whether the object still blends between its normal and hot looks.
    virtual bool MorphRunning() const;
    // Draws the object's current look at ObjectRect; painter in form coordinates.
    virtual void Draw(QPainter& painter, const FrameObjectPaint& paint) const;
    virtual void DblClick();
    virtual void MouseDown(Qt::MouseButton button, const QPoint& at);
    virtual void MouseUp(Qt::MouseButton button, const QPoint& at);
    virtual void MouseMove(const QPoint& at);
    virtual void MouseEnter();
    virtual void MouseLeave();

    // One step of the morph (a fifth of the way per tick); true while it goes on.
    bool MorphStep();

    QString Name;
    QString Hint;
    QRect SkinRect;
    QRect ActiveSkinRect;    // the hot look
    QRect InActiveSkinRect;  // the look while the form is inactive
    bool SkinRectInAPicture = false;
    QImage Picture;      // the object's own picture; null: the frame picture's
    QImage MaskPicture;
    bool Morphing = false;  // blends between its looks (with the store's skin effects on)
    QImage GlowPicture;
    QImage GlowMask;
    QPoint GlowOffset;
    int GlowAlpha = 255;
    QRect ObjectRect;  // where it lies on the form
    bool Enabled = true;
    bool Visible = true;
    bool Active = true;  // offered by the form (a caption button of an icon the form has)
    bool MouseIn = false;

protected:
    // An object without skin data (the default frame's caption buttons).
    TbsActiveSkinObject(TbsFrameObjectHost& host, const QString& name);

    virtual ObjectLooks Looks(const FrameObjectPaint& paint) const;
    virtual ObjectLookState LookState(const FrameObjectPaint& paint) const;
    // Whether the look comes from the object's own picture rather than the frame picture.
    virtual bool FromOwnPicture(ObjectLookKind kind) const;
    // Draws one look, scaled to the object's rectangle.
    void DrawLook(QPainter& painter, const FrameObjectPaint& paint, ObjectLookKind kind) const;
    // Draws the blend of the normal and the hot look the morph has reached.
    void DrawBlend(QPainter& painter, const FrameObjectPaint& paint, const ObjectLooks& looks) const;
    void SetHot(bool hot);

    TbsFrameObjectHost& host_;

private:
    double morph_ = 0;  // 0 normal .. 1 hot
};
