#include "PackManifest.h"

#include "error/KestruneError.h"
#include "platform/ResourceAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// "#300" is a numbered type; "# text" and "#text" are comments.
bool isComment(const QString& text)
{
    return text.isEmpty() || (text.startsWith(u'#') && !(text.size() > 1 && text.at(1).isDigit()));
}

} // namespace

std::vector<PackManifestLine> PackManifest::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw KestruneError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    const QDir base = QFileInfo(path).absoluteDir();
    static const QRegularExpression fields(QStringLiteral("^(\\S+)\\s+(\\S+)\\s+(.+)$"));
    std::vector<PackManifestLine> lines;
    int number = 0;
    while (!file.atEnd()) {
        ++number;
        const QString text = QString::fromUtf8(file.readLine()).trimmed();
        if (isComment(text))
            continue;
        const QRegularExpressionMatch match = fields.match(text);
        if (!match.hasMatch())
            throw KestruneError(QStringLiteral("%1:%2: expected \"TYPE NAME FILE\"").arg(path).arg(number));
        lines.push_back({ResourceTypeFromText(match.captured(1)), ResourceId::fromText(match.captured(2)),
                         base.absoluteFilePath(match.captured(3)), number});
    }
    return lines;
}
