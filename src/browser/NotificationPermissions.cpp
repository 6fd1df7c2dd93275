#include "browser/NotificationPermissions.h"

#include "framework/DebugOutput.h"
#include "platform/SafeFileWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QDir>

namespace {
const QByteArray Allow = "allow";
const QByteArray Deny = "deny";
}  // namespace

NotificationPermissions::NotificationPermissions(QString file) : file_(std::move(file))
{
    Load();
}

QString NotificationPermissions::Key(const QUrl& origin)
{
    QString key = origin.scheme() + QStringLiteral("://") + origin.host();
    if (origin.port() >= 0)
        key += u':' + QString::number(origin.port());
    return key;
}

std::optional<bool> NotificationPermissions::Answer(const QUrl& origin) const
{
    const auto it = contents_.answers.constFind(Key(origin));
    return it == contents_.answers.cend() ? std::nullopt : std::optional<bool>(*it);
}

void NotificationPermissions::Remember(const QUrl& origin, bool allowed)
{
    contents_.answers.insert(Key(origin), allowed);
    if (!writable_)
        return;
    QDir().mkpath(QFileInfo(file_).absolutePath());
    SafeFileWriter::write(file_, Serialize(contents_));
}

void NotificationPermissions::Load()
{
    QFile input(file_);
    if (!input.exists())
        return;
    if (input.size() > MaxFileSize || !input.open(QIODevice::ReadOnly)) {
        writable_ = false;
        OutputDebugLine(QStringLiteral("Notification answers not read from %1: %2").arg(file_,
            input.size() > MaxFileSize ? QStringLiteral("the file is larger than %1 bytes").arg(MaxFileSize)
                                       : input.errorString()));
        return;
    }
    QStringList problems;
    contents_ = Parse(input.read(MaxFileSize + 1), &problems);
    for (const QString& problem : problems)
        OutputDebugLine(QStringLiteral("%1: %2").arg(file_, problem));
}

NotificationPermissions::Contents NotificationPermissions::Parse(const QByteArray& bytes, QStringList* problems)
{
    Contents contents;
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype number = 0; number < lines.size(); ++number) {
        const QByteArray line = lines.at(number).trimmed();
        if (line.isEmpty())
            continue;
        const qsizetype blank = line.indexOf(' ');
        const QByteArray verb = line.left(blank);
        const QUrl origin(QString::fromUtf8(line.mid(blank + 1)), QUrl::StrictMode);
        const bool understood = blank > 0 && line.size() <= MaxLineLength && (verb == Allow || verb == Deny)
                                && origin.isValid() && !origin.host().isEmpty();
        if (!understood) {
            problems->append(QStringLiteral("line %1 is not \"allow ORIGIN\" or \"deny ORIGIN\"; kept as it is")
                                 .arg(number + 1));
            contents.unread.append(lines.at(number));
            continue;
        }
        contents.answers.insert(Key(origin), verb == Allow);
    }
    return contents;
}

QByteArray NotificationPermissions::Serialize(const Contents& contents)
{
    QByteArray bytes;
    for (auto it = contents.answers.cbegin(); it != contents.answers.cend(); ++it)
        bytes += (*it ? Allow : Deny) + ' ' + it.key().toUtf8() + '\n';
    for (const QByteArray& line : contents.unread)
        bytes += line + '\n';
    return bytes;
}
