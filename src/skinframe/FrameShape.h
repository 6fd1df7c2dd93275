#pragma once

#include "skinframe/FrameGeometry.h"
#include "skinframe/FrameHitTest.h"
#include "skinframe/TbsActiveSkinObject.h"
#include "skinui/FrameStrips.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class TbsSkinData;

// The shape of a framed form at its size: where the frame's parts lie (FrameGeometry), where
// each frame object lies on it, the window region cut from the skin's frame mask, the form's
// contents margins, and the frame picture's strips, cut once per size, skin and activation.
class FrameShape {
public:
    explicit FrameShape(QWidget* form) : form_(form) {}

    const FrameGeometry& Geometry() const { return geometry_; }
    // The mask's strips while the window region comes from a mask; nullptr otherwise.
    const FrameStripImages* MaskStrips() const { return masked_ ? &maskStrips_ : nullptr; }

    // A framed form is frameless to the window system while the frame draws its chrome; a form
    // without border is left alone.
    void SetFrameless(bool framed, bool frameless);
    // A form without chrome: no margins, no region (a form without border keeps its own).
    void Clear(bool keepRegion);
    // The shape for the form's size now from skin (nullptr: the default frame of style), with
    // the objects placed on it; showIcon: a system-menu button of its own picture shows the
    // form's icon at the small icon size.
    void Update(const TbsSkinData* skin, TFormBorderStyle style, FrameObjectList& objects, bool showIcon);
    // The frame picture's strips for the geometry now, active or inactive, at a device pixel
    // ratio.
    const FrameStripImages& Strips(const TbsSkinData& skin, bool formActive, qreal ratio);
    // Forgets the strips: the activation changed.
    void DropStrips() { strips_.reset(); }
    // The frame code of a point in form coordinates.
    int HitTest(const QPoint& point, const FrameObjectList& objects, FrameHitState state) const;

private:
    void PositionObjects(FrameObjectList& objects, bool skinned, bool showIcon) const;
    void UpdateRegion(const TbsSkinData* skin);

    QPointer<QWidget> form_;
    FrameGeometry geometry_;
    FrameStripImages maskStrips_;
    bool masked_ = false;
    std::optional<FrameStripImages> strips_;
    qreal stripsRatio_ = 1;
};
