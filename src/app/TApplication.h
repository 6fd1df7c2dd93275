#pragma once

#include <QApplication>

// The application object. Every exception that escapes an event handler ends here and goes
// to the one error handler (the main window's application-events hub); the client then
// goes on with the next event.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
