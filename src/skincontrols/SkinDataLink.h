#pragma once

#include <QMetaObject>
#include <QPointer>
#include <QString>

#include <functional>

class QEvent;
class TbsDataSkinControl;
class TbsSkinData;

// A skinned control's link to its skin store and the two steps it runs when that store's skin
// changes: forget (a load begins, message 1225: drop the skin object) and changed (the new
// skin is in place, message 1226: the control's skin-changed step).
//
// The steps run:
// - changed, when the store is set to one that is not empty;
// - on the store's own broadcast of 1225 / 1226 (TbsSkinData::OnSkinMessage), so a control
//   follows a load even where no form frame passes the messages on;
// - on a TbsSkinMessageEvent 1225 / 1226 of this store sent to the control, which is how the
//   skinned form frame passes them on to the controls of its form (HandleEvent, called from
//   the control's event()).
// A control may so hear one load twice; both steps only re-read the store, so running them
// again changes nothing. Messages of other stores are not the control's business.
class SkinDataLink {
public:
    using Step = std::function<void()>;

    SkinDataLink(QObject* control, Step forget, Step changed);
    ~SkinDataLink();
    SkinDataLink(const SkinDataLink&) = delete;
    SkinDataLink& operator=(const SkinDataLink&) = delete;

    TbsSkinData* Store() const;
    void SetStore(TbsSkinData* store);
    // Runs the step of a 1225 or 1226 event of this store; true when the event was one.
    bool HandleEvent(QEvent* event);

    // The control object of that name in the store; nullptr without a store, while the store is
    // empty and when it has no such object. Valid until the store's next load.
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
