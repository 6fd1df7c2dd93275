#include "skinframe/FrameSizeLimits.h"

#include "skinframe/FrameGeometry.h"

#include <algorithm>

namespace {

constexpr int kDefaultMinWidth = 120;

int SkinnedMinWidth(const FrameSizeInput& in)
{
    const bool ownLimit = !in.minimized;
    if (ownLimit && in.picture.width() < in.minWidth)
        return in.minWidth;
    if (in.formMinWidth > 0)
        return ownLimit ? std::max(in.formMinWidth, in.minWidth) : in.formMinWidth;
    return in.picture.width();
}

}  // namespace

QSize FrameMinimumSize(const FrameSizeInput& in)
{
    const bool ownHeight = !in.rolledUp && !in.minimized;
    if (in.skinned) {
        const int borders = in.picture.height() - in.clientRect.height();
        return QSize(SkinnedMinWidth(in), ownHeight ? std::max(borders, in.minHeight) : borders);
    }
    const int caption = DefaultFrame::CaptionHeight(in.borderStyle) + 2 * DefaultFrame::kBorder;
    return QSize(in.minWidth > 0 ? in.minWidth : kDefaultMinWidth,
                 ownHeight ? std::max(caption, in.minHeight) : caption);
}

QSize FrameMaximumSize(const FrameSizeInput& in)
{
    return QSize(in.maxWidth != 0 ? in.maxWidth : in.screenArea.width(),
                 in.maxHeight != 0 ? in.maxHeight : in.screenArea.height());
}
