#include "skincontrols/ButtonLook.h"

TbsButtonLook ButtonLookOf(ButtonState state, bool disabledPicture, bool focusedPicture)
{
    const bool enabled = state.testFlag(ButtonStateFlag::Enabled);
    const bool hot = state.testFlag(ButtonStateFlag::Hot);
    const bool focused = state.testFlag(ButtonStateFlag::Focused);
    if (!enabled && disabledPicture)
        return TbsButtonLook::Disabled;
    if (state.testFlag(ButtonStateFlag::Down)
        && (state.testFlag(ButtonStateFlag::Grouped) || hot
            || (focused && !state.testFlag(ButtonStateFlag::MouseHeld))))
        return TbsButtonLook::Down;
    if (focused)
        return focusedPicture ? TbsButtonLook::Focused : TbsButtonLook::Active;
    if (hot || (enabled && state.testFlag(ButtonStateFlag::ActiveDefault)))
        return TbsButtonLook::Active;
    return TbsButtonLook::Normal;
}
