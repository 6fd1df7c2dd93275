#pragma once

#include <QString>
#include <QUrl>

class QWebEnginePage;

// A page of the client's own, shown in a tab in place of what could not be shown there:
// a title, a line of explanation and one link, in the client's colours.
struct LocalPage {
    QString Title;
    QString Message;
    QString LinkText;
    QUrl Link;

    QString Html() const;
    // Loads the page into Page; the tab's caption follows its title as for any page.
    void ShowIn(QWebEnginePage* page) const;
};
