#include "browser/TBrowserTabs.h"

#include "browser/TWebBrowser.h"
#include "framework/TPageControl.h"
#include "framework/TTabSheet.h"

TBrowserTabs::TBrowserTabs(TPageControl* pageControl, EventBinder bindEvents)
    : pageControl_(pageControl), bindEvents_(std::move(bindEvents))
{
}

TBrowserTabs::~TBrowserTabs() = default;

void TBrowserTabs::CreateRegistry()
{
    registry_ = std::make_unique<TTabRegistry>();
}

TWebBrowser* TBrowserTabs::OpenTab(const QString& URL, QWebEnginePage** Dispatch, bool Activate)
{
    const int pagesBefore = pageControl_->PageCount();
    auto* sheet = new TTabSheet(pageControl_);
    sheet->SetPageControl(pageControl_);
    sheet->SetCaption(QStringLiteral(" 新页面") + QString::number(pagesBefore - 1) + QStringLiteral("  "));
    ++tagCounter_;
    sheet->SetTag(tagCounter_);

    auto* browser = new TWebBrowser(sheet);
    browser->SetSilent(true);
    bindEvents_(browser);
    browser->SetTag(tagCounter_);
    browser->show();

    if (!URL.isEmpty())
        browser->Navigate(URL);
    else if (Dispatch)
        *Dispatch = browser->Application();

    RegisterTab(tagCounter_, browser, sheet);
    if (Activate)
        pageControl_->SetActivePage(sheet);
    return browser;
}

void TBrowserTabs::RegisterTab(int tag, TWebBrowser* browser, TTabSheet* sheet)
{
    registry_->Add(TTabRegistry::KeyOf(tag), std::make_unique<TTabRecord>(TTabRecord{browser, sheet}));
}

TTabRecord* TBrowserTabs::FindTab(int tag) const
{
    return registry_ ? registry_->Find(tag) : nullptr;
}
