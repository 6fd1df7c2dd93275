#pragma once

#include "StartupSample.h"

#include <QString>
#include <QStringList>
#include <optional>

class MapWatcher;
class PortalServer;
class XvfbSession;

// Starts one program with a fresh home, times its first mapped window and the page's
// beacon, measures its process tree, and ends it again.
class StartupRunner {
public:
    StartupRunner(const XvfbSession& display, MapWatcher& windows, PortalServer& server, int settleMs,
                  QString logDirectory);

    // Empty when the program failed to show a window or to load the page in time; Error()
    // then says why.
    std::optional<StartupSample> Run(const QString& program, const QStringList& arguments, const QString& label);
    const QString& Error() const { return error_; }

private:
    const XvfbSession& display_;
    MapWatcher& windows_;
    PortalServer& server_;
    int settleMs_;
    QString logDirectory_;
    QString error_;
};
