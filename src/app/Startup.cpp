#include "app/Startup.h"

#include "app/ChineseTranslations.h"
#include "app/EngineLogging.h"
#include "app/TApplication.h"
#include "app/WindowSystemChoice.h"
#include "mainwindow/TFormMain.h"
#include "platform/InstanceGuard.h"
#include "platform/ScreenWindowManager.h"
#include "platform/SystemDefaultBrowser.h"
#include "platform/TerminationSignals.h"

#include <QSessionManager>

int RunClient(int argc, char** argv, const QString& PortalBaseUrl)
{
    if (InstanceGuard::Acquire(QStringLiteral("VostrelKestrune"), InstanceMutex)
        == InstanceGuard::Outcome::HeldElsewhere)
        return 0;
    // From here on a request to end closes the window once there is one.
    TerminationSignals termination;

    QuietEngineNotes();
    ChooseWindowSystemForSession();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);  // the web engine asks for it
    TApplication application(argc, argv);
    TApplication::setApplicationName(QStringLiteral("kestrune"));
    TApplication::setApplicationDisplayName(QStringLiteral("OrvantiKestrune"));
    InstallChineseTranslations(application);

    ScreenWindowManager windows;
    SystemDefaultBrowser browser;
    // The resource pack lies beside the executable.
    TFormMain form(PortalBaseUrl, {windows, browser, TApplication::applicationDirPath() + QLatin1Char('/')});
    // Every way to end closes the main window, so that the web profile writes its cookies and
    // local storage as the window and then the application object go: the window's own close
    // button and menu, the desktop's end of session (agreed to at once, never cancelled,
    // nobody asked), and the system's termination signals.
    QObject::connect(&form, &TFormMain::Closed, &application, &QCoreApplication::quit, Qt::QueuedConnection);
    // And only then: while the window is hidden in the tray, a dialog opened from the tray's
    // menu is the last window shown, and closing it must not end the client.
    TApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager&) { form.SessionEnding(); });
    termination.Watch(&form, [&form](int) { form.close(); });
    form.show();
    TApplication::exec();
    return 0;
}
