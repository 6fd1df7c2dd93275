// kestrune-skin preview PACKAGE popupmenu: a skinned popup menu opened at the top-left corner
// of the work area and saved as its first level at its own size. items= lists the captions
// ("-" a separator, a leading "!" a disabled item, a trailing ">" one child item "Sub");
// selected= picks the highlighted item through the menu's own selection path.

#include "SkinToolUsageError.h"
#include "preview/PreviewRegistry.h"

#include "framework/TMenuItem.h"
#include "skincontrols/TbsSkinMenu.h"
#include "skincontrols/TbsSkinPopupMenu.h"
#include "skincontrols/TbsSkinPopupWindow.h"
#include "skinui/MonitorWorkArea.h"

namespace {

const QString kDefaultItems = QStringLiteral("清理缓存|退出");

QStringList Captions(const PreviewRequest& request)
{
    return request.options.Text(QStringLiteral("items"), kDefaultItems).split(u'|');
}

void AddItem(TMenuItem& root, QString caption)
{
    auto* item = new TMenuItem;
    if (caption.startsWith(u'!')) {
        item->SetEnabled(false);
        caption.remove(0, 1);
    }
    if (caption.endsWith(u'>') && caption.size() > 1) {
        caption.chop(1);
        auto* child = new TMenuItem;
        child->SetCaption(QStringLiteral("Sub"));
        item->Add(child);
    }
    item->SetCaption(caption);
    root.Add(item);
}

int SelectedIndex(const PreviewRequest& request, const QStringList& captions)
{
    const int selected = request.options.Integer(QStringLiteral("selected"), 0, -1, int(captions.size()) - 1);
    if (selected >= 0 && captions.at(selected) == u"-")
        throw SkinToolUsageError(QStringLiteral("selected=%1 is a separator").arg(selected));
    return selected;
}

// The form the menu belongs to; it owns the menu and the popup menu component.
std::unique_ptr<QWidget> Build(const PreviewRequest& request)
{
    const QStringList captions = Captions(request);
    SelectedIndex(request, captions);
    auto form = std::make_unique<QWidget>();
    auto* menu = new TbsSkinMenu(form.get());
    menu->SetFrameSkinData(request.skin);
    auto* popup = new TbsSkinPopupMenu(form.get());
    popup->setObjectName(QStringLiteral("PopupMenu"));
    for (const QString& caption : captions)
        AddItem(*popup->Items(), caption);
    return form;
}

QWidget* Pose(QWidget& built, const PreviewRequest& request)
{
    const QStringList captions = Captions(request);
    auto* popup = built.findChild<TbsSkinPopupMenu*>(QStringLiteral("PopupMenu"));
    const QPoint corner = GetMonitorWorkArea(nullptr, true).topLeft();
    popup->Popup(corner.x(), corner.y());
    TbsSkinPopupWindow* level = popup->FindSkinMenu()->Level(0);
    if (!level)
        return nullptr;
    const int selected = SelectedIndex(request, captions);
    const TMenuItem* chosen = popup->Items()->Items(selected);
    int index = -1;
    for (int i = 0; i < level->ItemCount(); ++i) {
        if (chosen && level->Item(i).MenuItem() == chosen)
            index = i;
    }
    level->SelectItem(index);
    return level;
}

const PreviewRegistration registration{{
    QStringLiteral("popupmenu"),
    {QStringLiteral("items"), QStringLiteral("selected")},
    QStringLiteral("items=A|-|!B|C> selected=I (WIDTH and HEIGHT ignored)"),
    false,
    &Build,
    &Pose,
}};

}  // namespace
