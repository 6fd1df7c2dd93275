#include "browser/PopupBudget.h"

bool PopupBudget::Take(int tabTag, qint64 nowMs)
{
    QList<qint64>& times = opened_[tabTag];
    times.removeIf([nowMs](qint64 at) { return nowMs - at >= SpellMs; });
    if (times.size() >= WindowsPerSpell)
        return false;
    times.append(nowMs);
    return true;
}
