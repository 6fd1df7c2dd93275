#pragma once

#include <QHash>
#include <QString>

// Paces the hand-off of pay page addresses to the default browser. Every navigation to the
// pay page is stopped inside the client; this decides which of them also open the player's
// browser: at most one per tab within TabPauseMs, and never the same address again within
// SameAddressPauseMs, so that a frame that asks for the pay page over and over opens the
// player's browser once.
class PayHandOff {
public:
    static constexpr qint64 TabPauseMs = 3000;
    static constexpr qint64 SameAddressPauseMs = 30000;

    // Whether Url, asked for by the tab with this tag, goes to the default browser now; an
    // address admitted counts for its tab and for itself from now on.
    bool Admit(int tabTag, const QString& url, qint64 nowMs);

private:
    QHash<int, qint64> lastByTab_;
    QHash<QString, qint64> lastByAddress_;
};
