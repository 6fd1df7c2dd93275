#include "app/TApplication.h"

#include "framework/TApplicationEvents.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    TApplicationEvents::Guard([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
