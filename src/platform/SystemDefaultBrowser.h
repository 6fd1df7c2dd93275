#pragma once

#include "platform/DefaultBrowser.h"

// The desktop's default browser.
class SystemDefaultBrowser : public DefaultBrowser {
public:
    bool Open(const QString& url) override;
    bool OpenFolder(const QString& path) override;
};
