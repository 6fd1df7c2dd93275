#include "skinframe/TbsSkinAnimateObject.h"

#include "skin/TbsDataSkinAnimate.h"
#include "skinframe/TbsFrameObjectHost.h"

TbsSkinAnimateObject::TbsSkinAnimateObject(TbsFrameObjectHost& host, const TbsDataSkinAnimate& data,
                                           const TbsSkinData& store)
    : TbsActiveSkinObject(host, data, store),
      Command(data.command),
      DownSkinRect(data.downskinrect)
{
}

void TbsSkinAnimateObject::MouseDown(Qt::MouseButton button, const QPoint& at)
{
    if (button == Qt::LeftButton && Enabled) {
        down_ = true;
        host_.RepaintObject(*this);
    }
    TbsActiveSkinObject::MouseDown(button, at);
}

void TbsSkinAnimateObject::MouseUp(Qt::MouseButton button, const QPoint& at)
{
    const bool act = button == Qt::LeftButton && down_ && MouseIn && Enabled && Active;
    if (button == Qt::LeftButton && down_) {
        down_ = false;
        host_.RepaintObject(*this);
    }
    TbsActiveSkinObject::MouseUp(button, at);
    if (act && Command != TbsSkinCommand::Default)
        host_.RunCommand(Command);
}

ObjectLooks TbsSkinAnimateObject::Looks(const FrameObjectPaint& paint) const
{
    ObjectLooks looks = TbsActiveSkinObject::Looks(paint);
    looks.down = DownSkinRect;
    return looks;
}

ObjectLookState TbsSkinAnimateObject::LookState(const FrameObjectPaint& paint) const
{
    ObjectLookState state = TbsActiveSkinObject::LookState(paint);
    state.setFlag(ObjectLookFlag::Down, down_);
    return state;
}
