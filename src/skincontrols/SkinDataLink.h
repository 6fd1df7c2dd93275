#pragma once

#include <QMetaObject>
#include <QPointer>
#include <QString>

#include <functional>

class QEvent;
class TbsDataSkinControl;
class TbsSkinData;

// A skinned control's link to its skin store and the two steps it runs when that store's skin
// changes: forget (a load begins, message 1225, or the control is given an empty store or
// none: drop the copied skin value) and changed (the new skin is in place, message 1226, or
// the control is given a store that is not empty: copy the skin value again).
//
// Each load reaches the control once, through the store's own broadcast
// (TbsSkinData::OnSkinMessage), so a control follows a load wherever it sits. The skinned form
// frame also passes the load's notices on to the controls of its form as TbsSkinMessageEvents;
// a control hears them through HandleEvent, which takes those of its own store without
// running anything: the broadcast ran the step already.
class SkinDataLink {
public:
    using Step = std::function<void()>;

    SkinDataLink(QObject* control, Step forget, Step changed);
    ~SkinDataLink();
    SkinDataLink(const SkinDataLink&) = delete;
    SkinDataLink& operator=(const SkinDataLink&) = delete;

    TbsSkinData* Store() const;
    // Runs changed for a store that is not empty, forget otherwise; nothing for the same store.
    void SetStore(TbsSkinData* store);
    // Whether the store is set and holds a skin.
    bool Skinned() const;
    // Takes a 1225 or 1226 event of this store (true), leaving the step to the broadcast.
    bool HandleEvent(QEvent* event) const;

    // The control object of that name in the store; nullptr without a store, while the store is
    // empty and when it has no such object. Valid until the store's next load: for the steps.
    const TbsDataSkinControl* FindControl(const QString& name) const;
    // The same, only when the object is of the kind Kind (or derived from it).
    template <class Kind>
    const Kind* Find(const QString& name) const
    {
        return dynamic_cast<const Kind*>(FindControl(name));
    }

private:
    void Run(int message);

    QObject* control_;
    Step forget_;
    Step changed_;
    QPointer<TbsSkinData> store_;
    QMetaObject::Connection connection_;
};
