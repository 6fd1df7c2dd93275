#include "browser/FileChoice.h"

#include "platform/FileChooser.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>

namespace {
const QString AllFiles = QStringLiteral("所有文件 (*)");

QStringList PatternsOf(const QString& type, const QMimeDatabase& types)
{
    if (type.startsWith(u'.') && type.size() > 1)
        return {u'*' + type.toLower()};
    if (type.endsWith(QStringLiteral("/*"))) {
        const QString kind = type.chopped(1).toLower();
        QStringList patterns;
        for (const QMimeType& known : types.allMimeTypes())
            if (known.name().startsWith(kind))
                patterns += known.globPatterns();
        return patterns;
    }
    const QMimeType known = types.mimeTypeForName(type.toLower());
    return known.isValid() ? known.globPatterns() : QStringList();
}

FileChooser::Mode ModeOf(QWebEnginePage::FileSelectionMode mode)
{
    switch (mode) {
    case QWebEnginePage::FileSelectOpenMultiple: return FileChooser::Mode::OpenMany;
    case QWebEnginePage::FileSelectUploadFolder: return FileChooser::Mode::Folder;
    case QWebEnginePage::FileSelectSave: return FileChooser::Mode::Save;
    default: return FileChooser::Mode::OpenOne;
    }
}

QString CaptionOf(FileChooser::Mode mode)
{
    switch (mode) {
    case FileChooser::Mode::Folder: return QStringLiteral("选择要上传的文件夹");
    case FileChooser::Mode::Save: return QStringLiteral("保存文件");
    default: return QStringLiteral("选择要上传的文件");
    }
}
}  // namespace

FileChoice::FileChoice(FileChooser& chooser) : chooser_(chooser), lastFolder_(QDir::homePath())
{
}

QStringList FileChoice::NameFilters(const QStringList& accepted)
{
    const QMimeDatabase types;
    QStringList patterns;
    for (const QString& type : accepted)
        for (const QString& pattern : PatternsOf(type.trimmed(), types))
            if (!patterns.contains(pattern))
                patterns.append(pattern);
    if (patterns.isEmpty())
        return {AllFiles};
    return {QStringLiteral("可接受的文件 (%1)").arg(patterns.join(u' ')), AllFiles};
}

QStringList FileChoice::Choose(QWidget* parent, QWebEnginePage::FileSelectionMode mode, const QStringList& accepted)
{
    const FileChooser::Mode chooserMode = ModeOf(mode);
    const QStringList chosen =
        chooser_.Choose(parent, {chooserMode, CaptionOf(chooserMode), lastFolder_, NameFilters(accepted)});
    if (!chosen.isEmpty())
        lastFolder_ = chooserMode == FileChooser::Mode::Folder ? chosen.first()
                                                               : QFileInfo(chosen.first()).absolutePath();
    return chosen;
}
