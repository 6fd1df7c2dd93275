#pragma once

#include "browser/TTabRegistry.h"

#include <QString>
#include <functional>
#include <memory>

class QWebEnginePage;
class TPageControl;
class TTabSheet;
class TWebBrowser;

// The browser tabs of a window: the tab tag counter, the tab registry and the opening of
// tabs in the window's page control. The window supplies how a new browser's events are
// bound to its handlers.
class TBrowserTabs {
public:
    using EventBinder = std::function<void(TWebBrowser*)>;

    TBrowserTabs(TPageControl* pageControl, EventBinder bindEvents);
    ~TBrowserTabs();

    int TabTagCounter() const { return tagCounter_; }
    void SetTabTagCounter(int value) { tagCounter_ = value; }
    // Creates the empty registry (window creation); until then nothing is registered.
    void CreateRegistry();
    TTabRegistry* Registry() const { return registry_.get(); }

    // Opens a tab at the end of the strip and makes it active (unless Activate is false: it
    // then waits behind the active tab): with a URL the new browser goes there, without one
    // its Application is handed back in Dispatch. A failing navigation leaves the tab in the
    // strip, unregistered and not active.
    TWebBrowser* OpenTab(const QString& URL, QWebEnginePage** Dispatch, bool Activate = true);
    // Files a tab under its tag.
    void RegisterTab(int tag, TWebBrowser* browser, TTabSheet* sheet);
    // The record of the tab with this tag, or null.
    TTabRecord* FindTab(int tag) const;

private:
    TPageControl* pageControl_;
    EventBinder bindEvents_;
    int tagCounter_ = 0;
    std::unique_ptr<TTabRegistry> registry_;
};
