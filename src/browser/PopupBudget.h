#pragma once

#include <QHash>
#include <QList>

// How many windows a tab may open by script: a few within a short while, so that portal
// pages that open a game window from a timer or a network answer still work, while a page
// that opens windows in a loop gets no more than the first few.
class PopupBudget {
public:
    static constexpr int WindowsPerSpell = 3;
    static constexpr qint64 SpellMs = 10000;

    // Whether the tab with this tag may open a window now; a window granted counts against
    // the tab for the next SpellMs.
    bool Take(int tabTag, qint64 nowMs);

private:
    QHash<int, QList<qint64>> opened_;  // per tab, the times of its recent windows
};
