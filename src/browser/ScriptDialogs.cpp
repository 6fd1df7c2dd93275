#include "browser/ScriptDialogs.h"

#include "browser/TWebPage.h"
#include "platform/Clock.h"

#include <QPointer>
#include <QWebEngineView>
#include <utility>

ScriptDialogs::ScriptDialogs(TWebPage* page, QWebEngineView* view, PageHost& host, Clock& clock)
    : QObject(page), view_(view), host_(host), clock_(clock)
{
    page->OnScriptDialog = [this](const ScriptDialogRequest& request) { return Ask(request); };
    // A page that was stopped may ask again once its next load is done: until then the
    // document that flooded may still be running.
    connect(page, &QWebEnginePage::loadStarted, this, [this] { resetWhenLoaded_ = blocked_ || !recent_.empty(); });
    connect(page, &QWebEnginePage::loadFinished, this, [this] {
        if (!std::exchange(resetWhenLoaded_, false))
            return;
        blocked_ = false;
        recent_.clear();
    });
}

ScriptDialogAnswer ScriptDialogs::Unasked(const ScriptDialogRequest& request)
{
    ScriptDialogAnswer answer;
    answer.accepted = request.kind == ScriptDialogRequest::Kind::Alert || request.kind == ScriptDialogRequest::Kind::Leave;
    return answer;
}

ScriptDialogAnswer ScriptDialogs::Ask(ScriptDialogRequest request)
{
    if (asking_ || blocked_)
        return Unasked(request);
    const qint64 now = clock_.NowMs();
    while (!recent_.empty() && now - recent_.front() >= FloodWindowMs)
        recent_.pop_front();
    request.offerBlock = int(recent_.size()) >= FreeDialogs;
    recent_.push_back(now);

    asking_ = true;
    const QPointer<ScriptDialogs> alive(this);
    const ScriptDialogAnswer answer = host_.AskScriptDialog(view_, request);
    // The page may have gone while the player was asked.
    if (!alive)
        return answer;
    asking_ = false;
    blocked_ = answer.blockFurther;
    return answer;
}
