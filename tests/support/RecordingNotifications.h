#pragma once

#include "platform/DesktopNotifications.h"

#include <QList>

// Records the messages the client hands to the desktop; a test clicks or closes them through
// the signals.
class RecordingNotifications : public DesktopNotifications {
public:
    struct Shown {
        quint32 id;
        QString title;
        QString body;
    };

    quint32 Show(const QString& title, const QString& body, quint32 replaces) override
    {
        const quint32 id = replaces ? replaces : ++lastId;
        shown.append({id, title, body});
        return id;
    }
    void Close(quint32 id) override { closed.append(id); }

    QList<Shown> shown;
    QList<quint32> closed;
    quint32 lastId = 0;
};
