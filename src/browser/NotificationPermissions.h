#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QUrl>

#include <optional>

// The player's answers to sites that asked to show notifications, by origin, kept in a small
// file so that a site asks once. One answer a line, "allow ORIGIN" or "deny ORIGIN", in UTF-8.
// The file is read once; a line the reader does not understand is reported, kept as it stands
// and written back, so nothing is lost. Each answer rewrites the file whole and safely.
class NotificationPermissions {
public:
    // Larger files are not read: no answer is remembered then, and none is written over it.
    static constexpr qsizetype MaxFileSize = 1024 * 1024;
    static constexpr qsizetype MaxLineLength = 4096;

    explicit NotificationPermissions(QString file);

    // The remembered answer for origin: true for allowed, false for denied, none if never asked.
    std::optional<bool> Answer(const QUrl& origin) const;
    // Remembers the answer and writes the file; raises when it cannot be written.
    void Remember(const QUrl& origin, bool allowed);

    // The origin as the file names it: scheme, host and port, nothing else.
    static QString Key(const QUrl& origin);

    // What the file's contents say; problems, one line each, go to problems.
    struct Contents {
        QMap<QString, bool> answers;
        QList<QByteArray> unread;  // lines kept as they stand
    };
    static Contents Parse(const QByteArray& bytes, QStringList* problems);
    static QByteArray Serialize(const Contents& contents);

private:
    void Load();

    QString file_;
    Contents contents_;
    bool writable_ = true;
};
