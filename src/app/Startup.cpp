#include "app/Startup.h"

#include "app/TApplication.h"
#include "mainwindow/TFormMain.h"
#include "platform/InstanceGuard.h"
#include "platform/ScreenWindowManager.h"
#include "platform/SystemDefaultBrowser.h"

int RunClient(int argc, char** argv, const QString& PortalBaseUrl)
{
    if (InstanceGuard::Acquire(QStringLiteral("VostrelKestrune"), InstanceMutex)
        == InstanceGuard::Outcome::HeldElsewhere)
        return 0;

    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);  // the web engine asks for it
    TApplication application(argc, argv);
    TApplication::setApplicationName(QStringLiteral("kestrune"));
    TApplication::setApplicationDisplayName(QStringLiteral("OrvantiKestrune"));

    ScreenWindowManager windows;
    SystemDefaultBrowser browser;
    // The resource pack lies beside the executable.
    TFormMain form(PortalBaseUrl, {windows, browser, TApplication::applicationDirPath() + QLatin1Char('/')});
    form.show();
    TApplication::exec();
    return 0;
}
