#include "skinframe/TbsActiveSkinObject.h"

#include <algorithm>

namespace {
constexpr double kMorphStep = 0.2;
}

bool TbsActiveSkinObject::IsButton() const
{
    return Kind == FrameObjectKind::Button || Kind == FrameObjectKind::StdButton || Kind == FrameObjectKind::Animate;
}

bool TbsActiveSkinObject::HasMenu() const
{
    return Kind == FrameObjectKind::StdButton && Command == TbsSkinCommand::SysMenu;
}

bool TbsActiveSkinObject::PointTest(const QPoint& relative) const
{
    if (MaskPicture.isNull())
        return true;
    if (!MaskPicture.valid(relative))
        return false;
    const QRgb pixel = MaskPicture.pixel(relative);
    return qRed(pixel) + qGreen(pixel) + qBlue(pixel) == 0;
}

bool TbsActiveSkinObject::MorphRunning() const
{
    return Morphing && (MouseIn ? Morph < 1 : Morph > 0);
}

bool TbsActiveSkinObject::MorphStep()
{
    if (!MorphRunning())
        return false;
    Morph = std::clamp(Morph + (MouseIn ? kMorphStep : -kMorphStep), 0.0, 1.0);
    return MorphRunning();
}

bool InAlternateState(const TbsActiveSkinObject& object, TbsFrameWindowState state, bool rolledUp)
{
    if (object.Kind != FrameObjectKind::StdButton)
        return false;
    switch (object.Command) {
    case TbsSkinCommand::Maximize: return state == TbsFrameWindowState::Maximized;
    case TbsSkinCommand::Minimize: return state == TbsFrameWindowState::Minimized;
    case TbsSkinCommand::RollUp: return rolledUp;
    default: return false;
    }
}

int FindFrameObject(const FrameObjectList& objects, FrameObjectKind kind, TbsSkinCommand command)
{
    for (size_t i = 0; i < objects.size(); ++i)
        if (objects[i].Kind == kind && (kind != FrameObjectKind::StdButton || objects[i].Command == command))
            return int(i);
    return -1;
}
