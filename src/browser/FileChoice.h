#pragma once

#include <QString>
#include <QStringList>
#include <QWebEnginePage>

class FileChooser;
class QWidget;

// A page's file input, answered through the desktop's file dialog: one file, several, a
// folder, or a name to save under, with the input's accepted types as the dialog's first
// filter (and all files as the second: the page only suggests). The dialog opens where the
// player last chose something in this run.
class FileChoice {
public:
    explicit FileChoice(FileChooser& chooser);

    QStringList Choose(QWidget* parent, QWebEnginePage::FileSelectionMode mode, const QStringList& accepted);
    QString LastFolder() const { return lastFolder_; }

    // The dialog's filters for an input's accepted types: extensions (".png") and media types,
    // whole ("image/png") or by kind ("image/*").
    static QStringList NameFilters(const QStringList& accepted);

private:
    FileChooser& chooser_;
    QString lastFolder_;
};
