#include "skinframe/TbsSkinAnimateObject.h"

#include "skin/TbsDataSkinAnimate.h"
#include "skinframe/TbsFrameObjectHost.h"

TbsSkinAnimateObject::TbsSkinAnimateObject(TbsFrameObjectHost& host, const TbsDataSkinAnimate& data,
                                           const TbsSkinData& store)
    : TbsSkinButtonObject(host, data, store), Command(data.command)
{
    DownRect = data.downskinrect;
}

void TbsSkinAnimateObject::MouseUp(Qt::MouseButton button, const QPoint& at)
{
    const bool act = button == Qt::LeftButton && Down && MouseIn && Enabled && Active;
    TbsSkinButtonObject::MouseUp(button, at);
    if (act && Command != TbsSkinCommand::Default)
        host_.RunCommand(Command);
}
