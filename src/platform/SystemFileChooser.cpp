#include "platform/SystemFileChooser.h"

#include <QFileDialog>

QStringList SystemFileChooser::Choose(QWidget* parent, const Request& request)
{
    QFileDialog dialog(parent, request.caption, request.folder);
    dialog.setNameFilters(request.nameFilters);
    switch (request.mode) {
    case Mode::OpenOne: dialog.setFileMode(QFileDialog::ExistingFile); break;
    case Mode::OpenMany: dialog.setFileMode(QFileDialog::ExistingFiles); break;
    case Mode::Folder:
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        break;
    case Mode::Save:
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        break;
    }
    // Modal to the window alone, like the client's own boxes: the tray still answers.
    dialog.setWindowModality(Qt::WindowModal);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}
