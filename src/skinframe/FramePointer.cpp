#include "skinframe/FramePointer.h"

namespace {

bool Valid(const FrameObjectList& objects, int index)
{
    return index >= 0 && size_t(index) < objects.size();
}

QPoint Relative(const TbsActiveSkinObject& object, const QPoint& point)
{
    return point - object.ObjectRect.topLeft();
}

}  // namespace

void SetObjectHot(TbsActiveSkinObject& object, bool hot, FramePointerActions& actions)
{
    object.MouseIn = hot;
    if (object.MorphRunning())
        actions.morph = true;
    else
        actions.repaint << object.ObjectRect;
}

void SetObjectDown(TbsActiveSkinObject& object, bool down, FramePointerActions& actions)
{
    if (object.Down == down)
        return;
    object.Down = down;
    actions.repaint << object.ObjectRect;
}

void FramePointer::Clear(FrameObjectList& objects)
{
    hot_ = -1;
    captured_ = -1;
    for (TbsActiveSkinObject& object : objects)
        object.MouseIn = false;
}

int FramePointer::ObjectAt(const FrameObjectList& objects, const QPoint& point, const QRect& client) const
{
    int found = -1;
    if (!client.contains(point)) {
        for (size_t i = 0; i < objects.size() && found < 0; ++i) {
            const TbsActiveSkinObject& object = objects[i];
            if (object.Visible && object.Active && object.ObjectRect.contains(point)
                && object.PointTest(Relative(object, point)))
                found = int(i);
        }
    }
    return captured_ >= 0 && found != captured_ ? -1 : found;
}

void FramePointer::SetHot(FrameObjectList& objects, int index, FramePointerActions& actions)
{
    if (!Valid(objects, index))
        index = -1;
    if (index == hot_)
        return;
    const int old = hot_;
    hot_ = index;
    if (Valid(objects, old)) {
        SetObjectHot(objects[size_t(old)], false, actions);
        actions.notices << FrameObjectNotice{FrameObjectMouse::Leave, objects[size_t(old)].Name, Qt::NoButton, {}};
        actions.hideGlow = true;
    }
    if (index < 0)
        return;
    TbsActiveSkinObject& hot = objects[size_t(index)];
    SetObjectHot(hot, true, actions);
    actions.notices << FrameObjectNotice{FrameObjectMouse::Enter, hot.Name, Qt::NoButton, {}};
    if (!hot.GlowPicture.isNull())
        actions.showGlow = index;
    actions.entered = index;
}

void FramePointer::Move(const FrameObjectList& objects, const QPoint& point, FramePointerActions& actions) const
{
    const int index = Valid(objects, captured_) ? captured_ : hot_;
    if (!Valid(objects, index))
        return;
    const TbsActiveSkinObject& object = objects[size_t(index)];
    actions.notices << FrameObjectNotice{FrameObjectMouse::Move, object.Name, Qt::NoButton, Relative(object, point)};
}

void FramePointer::Press(FrameObjectList& objects, Qt::MouseButton button, const QPoint& point, bool onCaption,
                         FramePointerActions& actions)
{
    if (Valid(objects, hot_)) {
        TbsActiveSkinObject& hot = objects[size_t(hot_)];
        if (button == Qt::LeftButton && hot.Kind != FrameObjectKind::Caption)
            captured_ = hot_;
        if (button == Qt::LeftButton && hot.Enabled && hot.IsButton()) {
            SetObjectDown(hot, true, actions);
            if (hot.HasMenu())
                actions.openMenuBelow = hot.ObjectRect;
        }
        actions.notices << FrameObjectNotice{FrameObjectMouse::Down, hot.Name, button, Relative(hot, point)};
    }
    if (onCaption && button == Qt::LeftButton)
        captured_ = -1;
}

void FramePointer::Release(FrameObjectList& objects, int index, Qt::MouseButton button, const QPoint& point,
                           FramePointerActions& actions) const
{
    if (!Valid(objects, index))
        return;
    TbsActiveSkinObject& object = objects[size_t(index)];
    const bool left = button == Qt::LeftButton;
    const bool wasDown = object.Down;
    if (left && object.IsButton() && !object.HasMenu())
        SetObjectDown(object, false, actions);
    const bool acts = left && object.MouseIn && object.Enabled && object.Active && !object.HasMenu();
    if (acts && object.Kind == FrameObjectKind::StdButton)
        actions.command = object.Command;
    if (acts && wasDown && object.Kind == FrameObjectKind::Animate && object.Command != TbsSkinCommand::Default)
        actions.command = object.Command;
    if (object.MouseIn)
        actions.notices << FrameObjectNotice{FrameObjectMouse::Up, object.Name, button, Relative(object, point)};
}

void FramePointer::DoubleClick(const FrameObjectList& objects, FramePointerActions& actions) const
{
    if (Valid(objects, hot_) && objects[size_t(hot_)].HasMenu())
        actions.command = TbsSkinCommand::Close;
}

void FramePointer::MenuClosed(FrameObjectList& objects, FramePointerActions& actions) const
{
    for (TbsActiveSkinObject& object : objects)
        if (object.HasMenu())
            SetObjectDown(object, false, actions);
}
