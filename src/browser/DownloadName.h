#pragma once

#include <QSet>
#include <QString>

class QDir;

// The name a download is saved under: the server's name made safe for one file in one
// folder (no folders, no leading dots, no control characters; "download" when nothing is
// left), numbered "NAME (1).EXT", "NAME (2).EXT", ... where the folder already holds it or
// its partial file, or another download has taken it.
QString FreeDownloadName(const QDir& folder, const QString& suggested, const QSet<QString>& taken);
// The name a download has in its folder while it runs.
QString PartialDownloadName(const QString& name);
