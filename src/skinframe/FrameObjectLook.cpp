#include "skinframe/FrameObjectLook.h"

ObjectLookKind PickObjectLook(const ObjectLooks& looks, ObjectLookState state)
{
    const bool enabled = state.testFlag(ObjectLookFlag::Enabled);
    const bool hot = state.testFlag(ObjectLookFlag::Hot);
    if (!enabled && !looks.disabled.isEmpty())
        return ObjectLookKind::Disabled;
    if (state.testFlag(ObjectLookFlag::Down) && hot && !looks.down.isEmpty())
        return ObjectLookKind::Down;
    if (!state.testFlag(ObjectLookFlag::FormActive) && enabled && !looks.inactive.isEmpty())
        return ObjectLookKind::Inactive;
    if (hot && !looks.hot.isEmpty())
        return ObjectLookKind::Hot;
    return ObjectLookKind::Normal;
}

const QRect& LookRect(const ObjectLooks& looks, ObjectLookKind kind)
{
    switch (kind) {
    case ObjectLookKind::Hot: return looks.hot;
    case ObjectLookKind::Inactive: return looks.inactive;
    case ObjectLookKind::Down: return looks.down;
    case ObjectLookKind::Disabled: return looks.disabled;
    case ObjectLookKind::Normal: break;
    }
    return looks.normal;
}
