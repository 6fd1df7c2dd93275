#include "skin/TbsSkinMessageEvent.h"

TbsSkinMessageEvent::TbsSkinMessageEvent(int message, TbsSkinData* store, int param)
    : QEvent(QEvent::Type(message)), store_(store), param_(param)
{
}

bool TbsSkinMessageEvent::IsSkinMessage(const QEvent* event)
{
    switch (int(event->type())) {
    case SkinChangeBegin:
    case SkinChanged:
    case SkinChangeEnd:
    case ResourceStringsChanged:
    case SkinnableFormChanged:
    case LayeredBordersChanged:
        return dynamic_cast<const TbsSkinMessageEvent*>(event) != nullptr;
    default:
        return false;
    }
}
