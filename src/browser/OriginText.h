#pragma once

#include <QString>
#include <QUrl>

// Who asks, as the player reads it: the origin's host with its port when it names one, or
// "此页面" for a page without a host (the client's own pages).
QString OriginText(const QUrl& origin);
