#include "skinframe/FrameObjectFactory.h"

#include "framework/TApplicationEvents.h"
#include "skin/SkinResourceString.h"
#include "skin/TbsDataSkinAnimate.h"
#include "skin/TbsDataSkinCaption.h"
#include "skin/TbsDataSkinMainMenuBarButton.h"
#include "skin/TbsDataSkinStdButton.h"
#include "skin/TbsDataUserObject.h"
#include "skin/TbsSkinData.h"
#include "skinframe/FrameGeometry.h"
#include "skinui/SkinColor.h"
#include "skinui/SkinFont.h"
#include "skinui/SkinObjectMapping.h"

#include <optional>

namespace {

TbsActiveSkinObject Common(FrameObjectKind kind, const TbsDataSkinObject& data, const TbsSkinData& store)
{
    TbsActiveSkinObject object;
    object.Kind = kind;
    object.Name = data.ObjectName;
    object.Hint = data.hint;
    object.SkinRect = data.skinrect;
    object.ActiveSkinRect = data.activeskinrect;
    object.InActiveSkinRect = data.inactiveskinrect;
    object.SkinRectInAPicture = data.skinrectinapicture;
    object.Picture = SkinPictureCopy(store, data.activepictureindex);
    object.PictureDoubleSize = store.DoubleSizePictures().Picture(data.activepictureindex);
    object.MaskPicture = SkinPictureCopy(store, data.activemaskpictureindex);
    object.Morphing = data.morphing && store.EnableSkinEffects();
    object.GlowPicture = SkinPictureCopy(store, data.glowlayerpictureindex);
    object.GlowMask = SkinPictureCopy(store, data.glowlayermaskpictureindex);
    object.GlowOffset = QPoint(data.glowlayeroffsetx, data.glowlayeroffsety);
    object.GlowAlpha = data.glowlayeralphablendvalue;
    object.ObjectRect = data.skinrect;
    return object;
}

TbsActiveSkinObject StdButton(const TbsDataSkinStdButton& data, const TbsSkinData& store)
{
    TbsActiveSkinObject object = Common(FrameObjectKind::StdButton, data, store);
    object.DownRect = data.downrect;
    object.DisabledRect = data.disableskinrsect;
    object.Command = data.command;
    object.RestoreRect = data.restorerect;
    object.RestoreActiveRect = data.restoreactiverect;
    object.RestoreDownRect = data.restoredownrect;
    object.RestoreInActiveRect = data.restoreinactiverect;
    object.RestoreHint = data.restorehint;
    return object;
}

TbsActiveSkinObject Caption(const TbsDataSkinCaption& data, const TbsSkinData& store)
{
    TbsActiveSkinObject object = Common(FrameObjectKind::Caption, data, store);
    FrameCaptionLook& look = object.Caption;
    look.font = SkinFont(data);
    look.fontColor = SkinColorOf(data.fontcolor);
    look.activeFontColor = SkinColorOf(data.activefontcolor);
    look.alignment = data.alignment;
    look.textRect = data.textrect;
    look.light = data.light;
    look.lightColor = SkinColorOf(data.lightcolor);
    look.activeLightColor = SkinColorOf(data.activelightcolor);
    look.shadow = data.shadow;
    look.shadowColor = SkinColorOf(data.shadowcolor);
    look.activeShadowColor = SkinColorOf(data.activeshadowcolor);
    return object;
}

// The hint key of a caption button.
const char* HintKey(TbsSkinCommand command)
{
    switch (command) {
    case TbsSkinCommand::Close: return "CLOSEBUTTON_HINT";
    case TbsSkinCommand::Maximize: return "MAXBUTTON_HINT";
    case TbsSkinCommand::Minimize: return "MINBUTTON_HINT";
    case TbsSkinCommand::SysMenu: return "MENUBUTTON_HINT";
    case TbsSkinCommand::RollUp: return "ROLLUPBUTTON_HINT";
    case TbsSkinCommand::MinimizeToTray: return "TRAYBUTTON_HINT";
    case TbsSkinCommand::Default: break;
    }
    return nullptr;
}

std::optional<TbsActiveSkinObject> CreateFrameObject(const TbsSkinData& store, const TbsDataSkinObject& data)
{
    if (dynamic_cast<const TbsDataSkinMainMenuBarButton*>(&data))
        return std::nullopt;
    if (const auto* std = dynamic_cast<const TbsDataSkinStdButton*>(&data))
        return StdButton(*std, store);
    if (const auto* button = dynamic_cast<const TbsDataSkinButton*>(&data)) {
        TbsActiveSkinObject object = Common(FrameObjectKind::Button, data, store);
        object.DownRect = button->downrect;
        object.DisabledRect = button->disableskinrsect;
        return object;
    }
    if (const auto* caption = dynamic_cast<const TbsDataSkinCaption*>(&data))
        return Caption(*caption, store);
    if (const auto* animate = dynamic_cast<const TbsDataSkinAnimate*>(&data)) {
        TbsActiveSkinObject object = Common(FrameObjectKind::Animate, data, store);
        object.DownRect = animate->downskinrect;
        object.Command = animate->command;
        return object;
    }
    if (dynamic_cast<const TbsDataUserObject*>(&data))
        return Common(FrameObjectKind::User, data, store);
    return std::nullopt;
}

}  // namespace

FrameObjectList CreateFrameObjects(const TbsSkinData& store)
{
    FrameObjectList objects;
    for (const auto& data : store.SkinObjects())
        if (std::optional<TbsActiveSkinObject> object = CreateFrameObject(store, *data))
            objects.push_back(std::move(*object));
    return objects;
}

FrameObjectList CreateDefaultButtons(TbsBorderIcons icons, TFormBorderStyle style)
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
    for (const auto& [command, offered] : buttons) {
        if (!offered)
            continue;
        TbsActiveSkinObject button;
        button.Kind = FrameObjectKind::StdButton;
        button.Name = QStringLiteral("default%1").arg(int(command));
        button.Command = command;
        button.DefaultLook = true;
        button.SkinRect = QRect(0, 0, side, side);
        button.ObjectRect = button.SkinRect;
        objects.push_back(button);
    }
    return objects;
}

bool FrameButtonOffer::Offers(TbsSkinCommand command) const
{
    switch (command) {
    case TbsSkinCommand::Close: return true;
    case TbsSkinCommand::Maximize: return icons.testFlag(biMaximize);
    case TbsSkinCommand::Minimize: return icons.testFlag(biMinimize);
    case TbsSkinCommand::SysMenu: return icons.testFlag(biSystemMenu) && !disableSystemMenu;
    case TbsSkinCommand::RollUp: return icons.testFlag(biRollUp);
    case TbsSkinCommand::MinimizeToTray: return icons.testFlag(biMinimizeToTray);
    case TbsSkinCommand::Default: break;
    }
    return false;
}

void OfferFrameButtons(FrameObjectList& objects, const FrameButtonOffer& offer,
                       const std::function<void(const QString& ObjectName, bool& Active)>& activateCustom)
{
    for (size_t i = 0; i < objects.size(); ++i) {
        const FrameObjectKind kind = objects[i].Kind;
        if (kind != FrameObjectKind::StdButton && kind != FrameObjectKind::Animate)
            continue;
        const QString name = objects[i].Name;
        const TbsSkinCommand command = objects[i].Command;
        bool active = !offer.hideCaptionButtons && offer.Offers(command);
        const bool custom = command == TbsSkinCommand::Default && !offer.hideCaptionButtons;
        if (custom)
            TApplicationEvents::CallHook(activateCustom, name, active);
        if (i >= objects.size() || objects[i].Name != name)
            return;
        TbsActiveSkinObject& object = objects[i];
        object.Visible = custom ? active : active || !object.SkinRectInAPicture;
        object.Active = active;
    }
}

void SetFrameButtonHints(FrameObjectList& objects, const TbsSkinData* store)
{
    for (TbsActiveSkinObject& button : objects) {
        if (button.Kind != FrameObjectKind::StdButton)
            continue;
        if (const char* key = HintKey(button.Command))
            button.Hint = SkinResourceString(store, QLatin1String(key));
        if (button.Command == TbsSkinCommand::Maximize || button.Command == TbsSkinCommand::Minimize
            || button.Command == TbsSkinCommand::RollUp)
            button.RestoreHint = SkinResourceString(store, QStringLiteral("RESTORE_HINT"));
    }
}
