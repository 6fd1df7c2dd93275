#include "mainwindow/PageMenu.h"

#include "framework/TMenuItem.h"
#include "platform/DefaultBrowser.h"
#include "skincontrols/TbsSkinMenu.h"
#include "skincontrols/TbsSkinPopupMenu.h"

#include <QWebEngineContextMenuRequest>
#include <QWebEngineHistory>
#include <QWebEngineView>

namespace {
using Request = QWebEngineContextMenuRequest;

// The engine's own action on the page of View, for as long as View lives.
std::function<void()> Trigger(QWebEngineView* view, QWebEnginePage::WebAction action)
{
    return [target = QPointer<QWebEngineView>(view), action] {
        if (target)
            target->triggerPageAction(action);
    };
}
}  // namespace

PageMenu::PageMenu(QWidget* form, TbsSkinData* store, Actions actions)
    : QObject(form), menu_(new TbsSkinPopupMenu(form)), actions_(std::move(actions))
{
    menu_->setObjectName(QStringLiteral("PageMenu"));
    menu_->SetSkinData(store);
    menu_->SetPopupComponent(form);
}

void PageMenu::Attach(QWebEngineView* view, bool mainTab)
{
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this,
            [this, view, mainTab](QPoint at) { Open(view, mainTab, view->mapToGlobal(at)); });
}

void PageMenu::Open(QWebEngineView* view, bool mainTab, QPoint at)
{
    // The items of an open menu are about to go: the menu goes first.
    if (TbsSkinMenu* open = menu_->FindSkinMenu())
        open->CloseAll();
    menu_->Items()->Clear();
    Add(QStringLiteral("后退"), view->history()->canGoBack(), Trigger(view, QWebEnginePage::Back));
    Add(QStringLiteral("前进"), view->history()->canGoForward(), Trigger(view, QWebEnginePage::Forward));
    Add(QStringLiteral("刷新"), true, Trigger(view, QWebEnginePage::Reload));
    Add(QStringLiteral("-"), true, {});
    AddContextItems(view);
    if (mainTab) {
        Add(QStringLiteral("-"), true, {});
        Add(QStringLiteral("返回大厅"), true, actions_.GoHome);
    }
    // The page takes the keyboard as the click lands; the window's frame closes its menus as
    // the focus moves, so the focus moves before the menu opens.
    view->setFocus(Qt::MouseFocusReason);
    menu_->Popup(at.x(), at.y());
}

void PageMenu::AddContextItems(QWebEngineView* view)
{
    const Request* request = view->lastContextMenuRequest();
    if (!request)
        return;
    const Request::EditFlags edit = request->editFlags();
    if (request->isContentEditable()) {
        Add(QStringLiteral("复制"), edit.testFlag(Request::CanCopy), Trigger(view, QWebEnginePage::Copy));
        Add(QStringLiteral("剪切"), edit.testFlag(Request::CanCut), Trigger(view, QWebEnginePage::Cut));
        Add(QStringLiteral("粘贴"), edit.testFlag(Request::CanPaste), Trigger(view, QWebEnginePage::Paste));
        Add(QStringLiteral("全选"), edit.testFlag(Request::CanSelectAll), Trigger(view, QWebEnginePage::SelectAll));
    } else if (!request->selectedText().isEmpty()) {
        Add(QStringLiteral("复制"), true, Trigger(view, QWebEnginePage::Copy));
    }
    if (const QUrl link = request->linkUrl(); !link.isEmpty()) {
        Add(QStringLiteral("复制链接地址"), true, Trigger(view, QWebEnginePage::CopyLinkToClipboard));
        // Only a web address opens in a tab of its own; the pay page rule still applies there.
        if (DefaultBrowser::IsWebAddress(link.toString()))
            Add(QStringLiteral("在新标签页中打开链接"), true, [this, link] { actions_.OpenInNewTab(link); });
    }
    if (request->mediaType() == Request::MediaTypeImage)
        Add(QStringLiteral("复制图片"), true, Trigger(view, QWebEnginePage::CopyImageToClipboard));
}

TMenuItem* PageMenu::Add(const QString& caption, bool enabled, std::function<void()> action)
{
    auto* item = new TMenuItem;
    item->SetCaption(caption);
    item->SetEnabled(enabled);
    menu_->Items()->Add(item);
    if (action)
        connect(item, &TMenuItem::OnClick, this, [action = std::move(action)] { action(); });
    return item;
}
