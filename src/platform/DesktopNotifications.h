#pragma once

#include <QObject>
#include <QString>

// The desktop's notification service: short messages shown outside the client's window, which
// the player may click.
class DesktopNotifications : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Shows a message of plain text, in place of the one with the id replaces when that is not
    // 0. Returns the message's id, 0 when the desktop has no service to show it.
    virtual quint32 Show(const QString& title, const QString& body, quint32 replaces) = 0;
    virtual void Close(quint32 id) = 0;

Q_SIGNALS:
    // The player clicked the message.
    void Clicked(quint32 id);
    // The message is gone, whoever closed it.
    void Closed(quint32 id);
};
