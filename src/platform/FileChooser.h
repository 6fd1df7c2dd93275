#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The desktop's own file dialog, through which a page's file input reaches the player's files.
class FileChooser {
public:
    enum class Mode {
        OpenOne,   // one existing file
        OpenMany,  // one or more existing files
        Folder,    // one existing folder
        Save,      // a file name to write, existing or not
    };

    struct Request {
        Mode mode = Mode::OpenOne;
        QString caption;
        QString folder;           // where the dialog starts
        QStringList nameFilters;  // "名称 (*.png *.jpg)", the first one chosen
    };

    virtual ~FileChooser() = default;
    // Shows the dialog modally over parent; the absolute paths chosen, none when the player
    // cancelled.
    virtual QStringList Choose(QWidget* parent, const Request& request) = 0;
};
