#include "platform/SystemFileChooser.h"

#include <QFileDialog>

QStringList SystemFileChooser::Choose(QWidget* parent, const Request& request)
{
    const QString filters = request.nameFilters.join(QStringLiteral(";;"));
    switch (request.mode) {
    case Mode::OpenOne: {
        const QString file = QFileDialog::getOpenFileName(parent, request.caption, request.folder, filters);
        return file.isEmpty() ? QStringList() : QStringList{file};
    }
    case Mode::OpenMany:
        return QFileDialog::getOpenFileNames(parent, request.caption, request.folder, filters);
    case Mode::Folder: {
        const QString folder = QFileDialog::getExistingDirectory(parent, request.caption, request.folder);
        return folder.isEmpty() ? QStringList() : QStringList{folder};
    }
    case Mode::Save: {
        const QString file = QFileDialog::getSaveFileName(parent, request.caption, request.folder, filters);
        return file.isEmpty() ? QStringList() : QStringList{file};
    }
    }
    return {};
}
