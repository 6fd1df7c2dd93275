#pragma once

#include <QProcess>
#include <QString>

// A session bus of its own (dbus-daemon), for tests of what the client says and hears on the
// bus; it ends with the object.
class SessionBus {
public:
    explicit SessionBus(int timeoutMs = 20000);
    ~SessionBus();

    bool Ready() const { return !address_.isEmpty(); }
    // The address to connect to; empty when the daemon did not start.
    const QString& Address() const { return address_; }
    // Points a child's environment at this bus.
    void Apply(QProcessEnvironment& environment) const;

private:
    QProcess daemon_;
    QString address_;
};
