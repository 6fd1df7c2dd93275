// kestrune-bench-bareview URL: the yardstick of the start-up benchmark. One web view with one
// persistent named profile, sized to the screen's work area, loading URL; nothing else.
#include <QApplication>
#include <QScreen>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kestrune-bench-bareview URL\n");
        return 2;
    }
    // Declared before the view, so it is destroyed after the page that uses it.
    QWebEngineProfile profile(QStringLiteral("BareView"));
    QWebEngineView view;
    view.setPage(new QWebEnginePage(&profile, &view));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        view.setGeometry(screen->availableGeometry());
    view.load(QUrl(QString::fromLocal8Bit(argv[1]), QUrl::StrictMode));
    view.show();
    return QApplication::exec();
}
