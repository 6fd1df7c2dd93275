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

bool SkinDataLink::Skinned() const
{
    return store_ && !store_->IsEmpty();
}

void SkinDataLink::SetStore(TbsSkinData* store)
{
    if (store == store_)
        return;
    QObject::disconnect(connection_);
    store_ = store;
    if (store)
        connection_ = QObject::connect(store, &TbsSkinData::OnSkinMessage, control_, [this](int message) { Run(message); });
    if (Skinned())
        changed_();
    else
        forget_();
}

bool SkinDataLink::HandleEvent(QEvent* event) const
{
    if (!TbsSkinMessageEvent::IsSkinMessage(event))
        return false;
    const auto* message = static_cast<const TbsSkinMessageEvent*>(event);
    return store_ && message->Store() == store_
           && (message->Message() == TbsSkinMessageEvent::SkinChangeBegin
               || message->Message() == TbsSkinMessageEvent::SkinChanged);
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
    if (!Skinned())
        return nullptr;
    const int index = store_->FindControlIndex(name);
    return index < 0 ? nullptr : store_->SkinControls()[size_t(index)].get();
}
