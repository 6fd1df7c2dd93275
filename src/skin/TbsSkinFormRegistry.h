#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

// All forms of the application, in creation order. Forms register themselves when created;
// a destroyed form drops out by itself. Skin broadcasts walk this list.
class TbsSkinFormRegistry {
public:
    static TbsSkinFormRegistry& Instance();

    void Register(QObject* form);
    void Unregister(QObject* form);
    bool Contains(const QObject* form) const;
    // The live forms, oldest first.
    QList<QObject*> Forms() const;

private:
    TbsSkinFormRegistry() = default;

    QList<QPointer<QObject>> forms_;
};
