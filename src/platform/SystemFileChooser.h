#pragma once

#include "platform/FileChooser.h"

// The desktop's file dialog through QFileDialog, native where the desktop has one, in the
// language of the translations the client loaded, modal to the window it is asked over.
class SystemFileChooser : public FileChooser {
public:
    QStringList Choose(QWidget* parent, const Request& request) override;
};
