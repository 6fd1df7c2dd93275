#include "skincontrols/SkinDataLink.h"

#include "framework/TApplicationEvents.h"
#include "skin/TbsSkinData.h"
#include "skin/TbsSkinMessageEvent.h"

SkinDataLink::SkinDataLink(QObject* control, Step forget, Step changed)
    : control_(control), forget_(std::move(forget)), changed_(std::move(changed))
{
}

SkinDataLink::~SkinDataLink()
{
    QObject::disconnect(connection_);
}

TbsSkinData* SkinDataLink::Store() const
{
    return store_;
}

void SkinDataLink::SetStore(TbsSkinData* store)
{
    if (store == store_)
        return;
    QObject::disconnect(connection_);
    store_ = store;
    if (store)
        connection_ = QObject::connect(store, &TbsSkinData::OnSkinMessage, control_, [this](int message) { Run(message); });
    if (store && !store->IsEmpty())
        changed_();
}

bool SkinDataLink::HandleEvent(QEvent* event)
{
    if (!TbsSkinMessageEvent::IsSkinMessage(event))
        return false;
    const auto* message = static_cast<const TbsSkinMessageEvent*>(event);
    if (!store_ || message->Store() != store_)
        return false;
    Run(message->Message());
    return message->Message() == TbsSkinMessageEvent::SkinChangeBegin
           || message->Message() == TbsSkinMessageEvent::SkinChanged;
}

void SkinDataLink::Run(int message)
{
    // The steps repaint and resize; nothing they raise may unwind through Qt's frames.
    if (message == TbsSkinMessageEvent::SkinChangeBegin)
        TApplicationEvents::Guard(forget_);
    else if (message == TbsSkinMessageEvent::SkinChanged)
        TApplicationEvents::Guard(changed_);
}

const TbsDataSkinControl* SkinDataLink::FindControl(const QString& name) const
{
    if (!store_ || store_->IsEmpty())
        return nullptr;
    const int index = store_->FindControlIndex(name);
    return index < 0 ? nullptr : store_->SkinControls()[size_t(index)].get();
}
