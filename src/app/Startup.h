#pragma once

#include <QString>

// The process's whole life: the single-instance guard, the application object, the main
// window for the portal at PortalBaseUrl, and the event loop. Returns the exit code, 0 on
// every path (a second instance ends at once, showing nothing).
int RunClient(int argc, char** argv, const QString& PortalBaseUrl);
