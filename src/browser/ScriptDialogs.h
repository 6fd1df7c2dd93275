#pragma once

#include "browser/PageHost.h"

#include <QObject>
#include <deque>

class Clock;
class QWebEngineView;
class TWebPage;

// A page's script dialogs on their way to the player: one at a time (one that comes while
// another of the page is up is answered without asking), and no flood: from the fourth within
// FloodWindowMs on, the box offers to stop the page's further dialogs, and once the player
// takes that offer they are answered without asking until the page's next load is done. Answered
// without asking, an alert returns, a confirm or prompt is answered no, and the page may be
// left, so that no page can keep the player in.
class ScriptDialogs : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 FloodWindowMs = 10000;
    static constexpr int FreeDialogs = 3;

    // Takes Page's dialogs for as long as it lives; View is where the page is shown.
    ScriptDialogs(TWebPage* page, QWebEngineView* view, PageHost& host, Clock& clock);

    bool Blocked() const { return blocked_; }

private:
    ScriptDialogAnswer Ask(ScriptDialogRequest request);
    static ScriptDialogAnswer Unasked(const ScriptDialogRequest& request);

    QWebEngineView* view_;
    PageHost& host_;
    Clock& clock_;
    std::deque<qint64> recent_;  // when the page's last dialogs came, within the window
    bool asking_ = false;
    bool blocked_ = false;
    bool resetWhenLoaded_ = false;  // a load began after the page asked
};
