#pragma once

#include <QObject>
#include <QtGlobal>
#include <thread>

struct xcb_connection_t;

// Watches an X server for top-level windows being mapped and reports each with the process
// id the window carries (_NET_WM_PID; 0 when it has none) and the moment its notice arrived.
// A thread of its own waits on the display, so the moment is taken as the server's notice
// comes in, however busy the reporting thread or the server's later replies are.
class MapWatcher : public QObject {
    Q_OBJECT
public:
    explicit MapWatcher(const QString& display);
    ~MapWatcher() override;

    // Whether the display could be opened.
    bool Connected() const { return connection_ != nullptr; }

    // The clock of the reported moments: nanoseconds of the steady clock.
    static qint64 Now();

Q_SIGNALS:
    // Emitted on the watching thread: connect with a receiver living elsewhere.
    void WindowMapped(qint64 pid, quint32 window, qint64 mappedAt);

private:
    void Watch();
    qint64 WindowPid(quint32 window);

    xcb_connection_t* connection_ = nullptr;
    quint32 pidAtom_ = 0;
    int stopEvent_ = -1;
    std::thread watching_;
};
