#pragma once

#include "platform/DefaultBrowser.h"

#include <QFileInfo>
#include <QStringList>

// Records what would have been opened in the default browser or the file manager; refuses,
// as the real one does, everything but web addresses and existing folders.
class RecordingDefaultBrowser : public DefaultBrowser {
public:
    bool Open(const QString& url) override
    {
        if (!IsWebAddress(url))
            return false;
        opened.append(url);
        return true;
    }

    bool OpenFolder(const QString& path) override
    {
        if (path.isEmpty() || !QFileInfo(path).isDir())
            return false;
        folders.append(path);
        return true;
    }

    QStringList opened;
    QStringList folders;
};
