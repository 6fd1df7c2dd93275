#pragma once

#include <QObject>
#include <memory>

class QSocketNotifier;
struct xcb_connection_t;

// Watches an X server for top-level windows being mapped and reports each with the process
// id the window carries (_NET_WM_PID; 0 when it has none).
class MapWatcher : public QObject {
    Q_OBJECT
public:
    explicit MapWatcher(const QString& display);
    ~MapWatcher() override;

    // Whether the display could be opened.
    bool Connected() const { return connection_ != nullptr; }

Q_SIGNALS:
    void WindowMapped(qint64 pid, quint32 window);

private:
    void Drain();
    qint64 WindowPid(quint32 window);

    xcb_connection_t* connection_ = nullptr;
    quint32 pidAtom_ = 0;
    std::unique_ptr<QSocketNotifier> notifier_;
};
