#pragma once

#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>

class QWebEngineView;
class TMenuItem;
class TbsSkinData;
class TbsSkinPopupMenu;

// The menu a right click on a page opens, in place of the engine's own: the skinned popup
// menu of the window's frame, with the engine's own actions behind its items. Back, forward
// and refresh always; then what the click was on: a selection or an editable field (copy,
// cut, paste, select all), a link (copy its address, open a web link in a new tab), a
// picture (copy it); in the main tab last the way back to the portal's home page. Nothing
// that shows the page's source, saves it or inspects it. A page that cancels its contextmenu
// event gets no menu: the engine then asks for none.
class PageMenu : public QObject {
    Q_OBJECT
public:
    struct Actions {
        std::function<void(const QUrl&)> OpenInNewTab;
        std::function<void()> GoHome;
    };

    // Form: the window whose frame's menus show it.
    PageMenu(QWidget* form, TbsSkinData* store, Actions actions);

    // Gives View this menu; MainTab adds the way home.
    void Attach(QWebEngineView* view, bool mainTab);
    TbsSkinPopupMenu* Menu() const { return menu_; }

private:
    void Open(QWebEngineView* view, bool mainTab, QPoint at);
    void AddContextItems(QWebEngineView* view);
    TMenuItem* Add(const QString& caption, bool enabled, std::function<void()> action);

    TbsSkinPopupMenu* menu_;
    Actions actions_;
};
