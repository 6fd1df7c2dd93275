#include "skin/TbsSkinFormRegistry.h"

TbsSkinFormRegistry& TbsSkinFormRegistry::Instance()
{
    static TbsSkinFormRegistry registry;
    return registry;
}

void TbsSkinFormRegistry::Register(QObject* form)
{
    if (form && !Contains(form))
        forms_.append(QPointer<QObject>(form));
}

void TbsSkinFormRegistry::Unregister(QObject* form)
{
    forms_.removeIf([form](const QPointer<QObject>& f) { return f.isNull() || f.data() == form; });
}

bool TbsSkinFormRegistry::Contains(const QObject* form) const
{
    for (const QPointer<QObject>& f : forms_)
        if (f.data() == form)
            return form != nullptr;
    return false;
}

QList<QObject*> TbsSkinFormRegistry::Forms() const
{
    QList<QObject*> live;
    for (const QPointer<QObject>& f : forms_)
        if (!f.isNull())
            live.append(f.data());
    return live;
}
