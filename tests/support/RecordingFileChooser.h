#pragma once

#include "platform/FileChooser.h"

#include <QList>

// Records every file dialog the client asks for and answers with what the test chose.
class RecordingFileChooser : public FileChooser {
public:
    QStringList Choose(QWidget*, const Request& request) override
    {
        requests.append(request);
        return answer;
    }

    QList<Request> requests;
    QStringList answer;
};
