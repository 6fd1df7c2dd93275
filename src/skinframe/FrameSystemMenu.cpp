#include "skinframe/FrameSystemMenu.h"

#include "framework/EventWatch.h"
#include "framework/TApplicationEvents.h"
#include "framework/TMenuItem.h"
#include "skincontrols/TbsSkinMenu.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

FrameSystemMenu::FrameSystemMenu(QWidget* form, TbsSkinMenu& menu, std::function<QList<SystemMenuItem>()> items,
                                 std::function<void(SystemMenuCommand)> run, QObject* parent)
    : QObject(parent), form_(form), menu_(menu), build_(std::move(items)), run_(std::move(run)),
      items_(new TMenuItem(this))
{
}

FrameSystemMenu::~FrameSystemMenu()
{
    if (buttonWatch_)
        qApp->removeEventFilter(buttonWatch_);
}

void FrameSystemMenu::Rebuild()
{
    items_->Clear();
    for (const SystemMenuItem& entry : build_()) {
        auto* item = new TMenuItem;
        item->SetCaption(entry.caption);
        if (entry.command != SystemMenuCommand::Separator)
            item->setObjectName(entry.name);  // the frame glyph the menu draws beside it
        item->SetShortCut(entry.shortcut);
        const SystemMenuCommand command = entry.command;
        connect(item, &TMenuItem::OnClick, this, [this, command] { run_(command); });
        items_->Add(item);
    }
}

void FrameSystemMenu::ShowAt(const QPoint& global)
{
    Rebuild();
    menu_.PopupAt(form_, menu_.FrameSkinData(), items_, global);
}

void FrameSystemMenu::OpenBelow(const QRect& button)
{
    Rebuild();
    const QRect screen(form_->mapToGlobal(button.topLeft()), button.size());
    if (!menu_.Popup(form_, menu_.FrameSkinData(), false, items_, screen))
        return;
    // Watched after the menu's own filter is in place, so that this one sees presses first.
    button_ = screen;
    opened_.start();
    if (!buttonWatch_) {
        // Presses sent to the form itself are not the button's: the frame's own filter has them.
        buttonWatch_ = new EventWatch([this](QObject* watched, QEvent* event) { return WatchButton(watched, event); },
                                      this);
        qApp->installEventFilter(buttonWatch_);
    }
}

bool FrameSystemMenu::WatchButton(QObject* watched, QEvent* event)
{
    if (watched == form_ || (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick))
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton || !button_.contains(mouse->globalPosition().toPoint())
        || opened_.elapsed() > QApplication::doubleClickInterval())
        return false;
    TApplicationEvents::Guard([this] {
        menu_.CloseAll();
        run_(SystemMenuCommand::Close);
    });
    return true;
}

void FrameSystemMenu::Closed()
{
    // The menu may close from within the watch itself: it goes once that has returned.
    if (!buttonWatch_)
        return;
    qApp->removeEventFilter(buttonWatch_);
    buttonWatch_->deleteLater();
    buttonWatch_ = nullptr;
}
