#pragma once

#include <QString>

// Opens pages in the system's default browser.
class DefaultBrowser {
public:
    virtual ~DefaultBrowser() = default;
    // Hands an address to the default browser. Only http and https addresses leave the
    // client: anything else (file:, other local handlers) is refused. Returns whether the
    // address was handed on; the caller need not look.
    virtual bool Open(const QString& url) = 0;

    static bool IsWebAddress(const QString& url);
};
