// The frame's system menu, shown through the form's skinned menu.
#include "skinframe/TbsSkinFrame.h"

#include "framework/EventWatch.h"
#include "framework/TMenuItem.h"
#include "skincontrols/TbsSkinMenu.h"
#include "skinframe/TbsSkinButtonObject.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

void TbsSkinFrame::SetMenusSkinData(TbsSkinData* store)
{
    menusSkinData_ = store;
    UpdateMenuStore();
}

void TbsSkinFrame::UpdateMenuStore()
{
    skinMenu_->SetFrameSkinData(menusSkinData_ ? menusSkinData_.data() : skinData_.data());
}

void TbsSkinFrame::RebuildSystemMenu()
{
    systemMenu_->Clear();
    for (const SystemMenuItem& entry : SystemMenuItems()) {
        auto* item = new TMenuItem;
        item->SetCaption(entry.caption);
        if (entry.command != SystemMenuCommand::Separator)
            item->setObjectName(entry.name);  // the frame glyph the menu draws beside it
        item->SetShortCut(entry.shortcut);
        const SystemMenuCommand command = entry.command;
        connect(item, &TMenuItem::OnClick, this, [this, command] { RunSystemMenuCommand(command); });
        systemMenu_->Add(item);
    }
}

void TbsSkinFrame::ShowSystemMenu(const QPoint& global)
{
    RebuildSystemMenu();
    skinMenu_->PopupAt(form_, skinMenu_->FrameSkinData(), systemMenu_, global);
}

void TbsSkinFrame::OpenSystemMenuAt(const QRect& button)
{
    RebuildSystemMenu();
    const QRect screen(form_->mapToGlobal(button.topLeft()), button.size());
    if (!skinMenu_->Popup(form_, skinMenu_->FrameSkinData(), false, systemMenu_, screen))
        return;
    // Watched after the menu's own filter is in place, so that this one sees presses first.
    menuButton_ = screen;
    menuOpened_.start();
    if (!menuButtonWatch_) {
        // Presses sent to the form itself are not the button's: the frame's own filter has them.
        menuButtonWatch_ = new EventWatch(
            [this](QObject* watched, QEvent* event) { return watched != form_ && WatchMenuButton(event); }, this);
        qApp->installEventFilter(menuButtonWatch_);
    }
}

bool TbsSkinFrame::WatchMenuButton(QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton || !menuButton_.contains(mouse->globalPosition().toPoint())
        || menuOpened_.elapsed() > QApplication::doubleClickInterval())
        return false;
    skinMenu_->CloseAll();
    RunCommand(TbsSkinCommand::Close);
    return true;
}

void TbsSkinFrame::MenuClosed()
{
    // The menu may close from within the watch itself: it goes once that has returned.
    if (menuButtonWatch_) {
        qApp->removeEventFilter(menuButtonWatch_);
        menuButtonWatch_->deleteLater();
        menuButtonWatch_ = nullptr;
    }
    for (const auto& object : objects_)
        if (auto* button = dynamic_cast<TbsSkinButtonObject*>(object.get()); button && button->HasMenu())
            button->MenuClosed();
    HideGlow();
}
