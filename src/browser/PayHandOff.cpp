#include "browser/PayHandOff.h"

bool PayHandOff::Admit(int tabTag, const QString& url, qint64 nowMs)
{
    // Addresses whose pause is over need no memory: the list stays as short as the pauses allow.
    lastByAddress_.removeIf([nowMs](const auto& entry) { return nowMs - entry.value() >= SameAddressPauseMs; });
    const auto tab = lastByTab_.constFind(tabTag);
    if ((tab != lastByTab_.cend() && nowMs - *tab < TabPauseMs) || lastByAddress_.contains(url))
        return false;
    lastByTab_.insert(tabTag, nowMs);
    lastByAddress_.insert(url, nowMs);
    return true;
}
