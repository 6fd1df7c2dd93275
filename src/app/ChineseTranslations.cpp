#include "app/ChineseTranslations.h"

#include "framework/DebugOutput.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QStringList InstallChineseTranslations(QCoreApplication& application)
{
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    QLocale::setDefault(chinese);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    QStringList missing;
    for (const char* catalogue : {"qtbase", "qtwebengine"}) {
        auto* translator = new QTranslator(&application);
        if (translator->load(chinese, QLatin1String(catalogue), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            continue;
        }
        delete translator;
        missing << QLatin1String(catalogue);
        OutputDebugLine(QStringLiteral("The Chinese translation %1 is missing from %2").arg(QLatin1String(catalogue), folder));
    }
    return missing;
}
