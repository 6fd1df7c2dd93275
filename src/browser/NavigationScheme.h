#pragma once

#include <QWebEnginePage>

class QUrl;

// Whether a tab may go where a navigation leads, by the address's scheme alone: web pages
// (http, https), blank pages (about), script-made content (blob), and data addresses inside
// frames. A data address fills the whole tab only when the client itself put it there (its
// own pages: loaded by the client, or revisited through the history and reloads), never
// from a page's link, form or script. Every other scheme (file, ftp, mailto, launchers,
// view-source, the engine's own pages) is refused, so nothing a page links to reaches a
// local handler.
bool MayNavigate(const QUrl& url, QWebEnginePage::NavigationType type, bool isMainFrame);
