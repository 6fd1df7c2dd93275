#include "skinframe/TbsSkinButtonObject.h"

#include "skin/TbsDataSkinButton.h"
#include "skinframe/TbsFrameObjectHost.h"

TbsSkinButtonObject::TbsSkinButtonObject(TbsFrameObjectHost& host, const TbsDataSkinButton& data,
                                         const TbsSkinData& store)
    : TbsActiveSkinObject(host, data, store), DownRect(data.downrect), DisabledRect(data.disableskinrsect)
{
}

TbsSkinButtonObject::TbsSkinButtonObject(TbsFrameObjectHost& host, const TbsDataSkinObject& data,
                                         const TbsSkinData& store)
    : TbsActiveSkinObject(host, data, store)
{
}

TbsSkinButtonObject::TbsSkinButtonObject(TbsFrameObjectHost& host, const QString& name)
    : TbsActiveSkinObject(host, name)
{
}

bool TbsSkinButtonObject::HasMenu() const
{
    return false;
}

void TbsSkinButtonObject::MouseDown(Qt::MouseButton button, const QPoint& at)
{
    if (button == Qt::LeftButton && Enabled) {
        SetDown(true);
        if (HasMenu())
            host_.OpenSystemMenuAt(ObjectRect);
    }
    TbsActiveSkinObject::MouseDown(button, at);
}

void TbsSkinButtonObject::MouseUp(Qt::MouseButton button, const QPoint& at)
{
    if (button == Qt::LeftButton && !HasMenu())
        SetDown(false);
    TbsActiveSkinObject::MouseUp(button, at);
}

void TbsSkinButtonObject::MenuClosed()
{
    SetDown(false);
}

void TbsSkinButtonObject::SetDown(bool down)
{
    if (Down == down)
        return;
    Down = down;
    host_.RepaintObject(*this);
}

ObjectLooks TbsSkinButtonObject::Looks(const FrameObjectPaint& paint) const
{
    ObjectLooks looks = TbsActiveSkinObject::Looks(paint);
    looks.down = DownRect;
    looks.disabled = DisabledRect;
    return looks;
}

ObjectLookState TbsSkinButtonObject::LookState(const FrameObjectPaint& paint) const
{
    ObjectLookState state = TbsActiveSkinObject::LookState(paint);
    state.setFlag(ObjectLookFlag::Down, Down);
    return state;
}
