#pragma once

#include <QObject>
#include <QPoint>

class QIcon;

// The client's icon in the desktop's notification area (the tray), with the two things a
// player does to it: a double click, and asking for its menu.
class NotificationIcon : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Whether the desktop has a notification area to show the icon in.
    virtual bool HostAvailable() const = 0;
    virtual void SetIcon(const QIcon& icon) = 0;
    // The hint shown over the icon.
    virtual void SetHint(const QString& hint) = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;

Q_SIGNALS:
    void OnDblClick(QObject* Sender);
    // The player asked for the icon's menu, with the pointer at globalPosition.
    void OnContextMenu(QPoint globalPosition);
};
