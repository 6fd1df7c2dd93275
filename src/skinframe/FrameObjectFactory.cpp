#include "skinframe/FrameObjectFactory.h"

#include "skin/TbsDataSkinAnimate.h"
#include "skin/TbsDataSkinCaption.h"
#include "skin/TbsDataSkinMainMenuBarButton.h"
#include "skin/TbsDataSkinStdButton.h"
#include "skin/TbsDataUserObject.h"
#include "skin/TbsSkinData.h"
#include "skinframe/FrameGeometry.h"
#include "skinframe/TbsSkinAnimateObject.h"
#include "skinframe/TbsSkinCaptionObject.h"
#include "skinframe/TbsSkinStdButtonObject.h"
#include "skinframe/TbsUserObject.h"

namespace {

std::unique_ptr<TbsActiveSkinObject> CreateFrameObject(TbsFrameObjectHost& host, const TbsSkinData& store,
                                                       const TbsDataSkinObject& data)
{
    if (dynamic_cast<const TbsDataSkinMainMenuBarButton*>(&data))
        return nullptr;
    if (const auto* std = dynamic_cast<const TbsDataSkinStdButton*>(&data))
        return std::make_unique<TbsSkinStdButtonObject>(host, *std, store);
    if (const auto* button = dynamic_cast<const TbsDataSkinButton*>(&data))
        return std::make_unique<TbsSkinButtonObject>(host, *button, store);
    if (const auto* caption = dynamic_cast<const TbsDataSkinCaption*>(&data))
        return std::make_unique<TbsSkinCaptionObject>(host, *caption, store);
    if (const auto* animate = dynamic_cast<const TbsDataSkinAnimate*>(&data))
        return std::make_unique<TbsSkinAnimateObject>(host, *animate, store);
    if (const auto* user = dynamic_cast<const TbsDataUserObject*>(&data))
        return std::make_unique<TbsUserObject>(host, *user, store);
    return nullptr;
}

}  // namespace

FrameObjectList CreateFrameObjects(TbsFrameObjectHost& host, const TbsSkinData& store)
{
    FrameObjectList objects;
    for (const auto& data : store.SkinObjects())
        if (auto object = CreateFrameObject(host, store, *data))
            objects.push_back(std::move(object));
    return objects;
}

FrameObjectList CreateDefaultButtons(TbsFrameObjectHost& host, TbsBorderIcons icons, TFormBorderStyle style)
{
    const int side = DefaultFrame::ButtonSize(style);
    const std::pair<TbsSkinCommand, bool> buttons[] = {
        {TbsSkinCommand::Close, true},
        {TbsSkinCommand::Maximize, icons.testFlag(biMaximize)},
        {TbsSkinCommand::Minimize, icons.testFlag(biMinimize)},
        {TbsSkinCommand::RollUp, icons.testFlag(biRollUp)},
        {TbsSkinCommand::MinimizeToTray, icons.testFlag(biMinimizeToTray)},
        {TbsSkinCommand::SysMenu, icons.testFlag(biSystemMenu)},
    };
    FrameObjectList objects;
    for (const auto& [command, offered] : buttons)
        if (offered)
            objects.push_back(std::make_unique<TbsSkinStdButtonObject>(host, command, QSize(side, side)));
    return objects;
}
