#pragma once

#include <QString>

// Opens pages in the system's default browser, and the client's own folders in the
// desktop's file manager.
class DefaultBrowser {
public:
    virtual ~DefaultBrowser() = default;
    // Hands an address to the default browser. Only http and https addresses leave the
    // client: anything else (file:, other local handlers) is refused. Returns whether the
    // address was handed on; the caller need not look.
    virtual bool Open(const QString& url) = 0;
    // Shows a local folder in the desktop's file manager, as a file: address: the one local
    // address that leaves the client, for the folders it saves downloads in. Anything but an
    // existing folder is refused; returns whether the folder was handed on.
    virtual bool OpenFolder(const QString& path) = 0;

    static bool IsWebAddress(const QString& url);
};
