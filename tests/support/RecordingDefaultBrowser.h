#pragma once

#include "platform/DefaultBrowser.h"

#include <QStringList>

// Records what would have been opened in the default browser; refuses, as the real one
// does, everything but web addresses.
class RecordingDefaultBrowser : public DefaultBrowser {
public:
    bool Open(const QString& url) override
    {
        if (!IsWebAddress(url))
            return false;
        opened.append(url);
        return true;
    }

    QStringList opened;
};
