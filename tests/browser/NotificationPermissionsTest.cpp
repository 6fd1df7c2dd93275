#include "browser/NotificationPermissions.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// An answer is kept by site, scheme, host and port, and holds for the next reader of the file.
TEST(NotificationPermissions, AnswersAreKeptBySiteForTheNextRun)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("profile/NotificationAnswers"));
    {
        NotificationPermissions answers(path);
        EXPECT_EQ(answers.Answer(QUrl(QStringLiteral("https://games.example.com"))), std::nullopt);
        answers.Remember(QUrl(QStringLiteral("https://games.example.com/page?x=1")), true);
        answers.Remember(QUrl(QStringLiteral("http://127.0.0.1:8760/")), false);
    }
    EXPECT_EQ(Read(path), "deny http://127.0.0.1:8760\nallow https://games.example.com\n");
    const NotificationPermissions next(path);
    EXPECT_EQ(next.Answer(QUrl(QStringLiteral("https://games.example.com/other"))), true);
    EXPECT_EQ(next.Answer(QUrl(QStringLiteral("http://127.0.0.1:8760/x"))), false);
    EXPECT_EQ(next.Answer(QUrl(QStringLiteral("http://127.0.0.1:8761/"))), std::nullopt) << "another port, another site";
    EXPECT_EQ(next.Answer(QUrl(QStringLiteral("http://games.example.com/"))), std::nullopt) << "another scheme";
}

// Lines the reader does not understand are reported and kept as they stand; what it does
// understand still holds.
TEST(NotificationPermissions, DamagedLinesAreReportedAndKept)
{
    const QByteArray good = "allow https://a.example\n";
    const QByteArray damaged[] = {"allo", "allow", "allow ", "grant https://b.example", "deny not a url",
                                  "deny file:///etc/passwd", "allow https://c.example/" + QByteArray(5000, 'x'),
                                  QByteArray("\xff\xfe\x00\x01 https://d.example", 22)};
    for (const QByteArray& line : damaged) {
        QStringList problems;
        const NotificationPermissions::Contents read = NotificationPermissions::Parse(good + line + '\n', &problems);
        EXPECT_EQ(problems.size(), 1) << line.left(40).toStdString();
        EXPECT_EQ(read.answers.size(), 1);
        EXPECT_EQ(read.unread, QList<QByteArray>{line});
        EXPECT_EQ(NotificationPermissions::Serialize(read), good + line + '\n') << "nothing lost on writing";
    }
}

// A file too large to be an answer list is not read, and no answer overwrites it.
TEST(NotificationPermissions, AnOversizedFileIsNeitherReadNorOverwritten)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("NotificationAnswers"));
    const QByteArray big = "allow https://a.example\n" + QByteArray(NotificationPermissions::MaxFileSize, '#');
    Write(path, big);
    NotificationPermissions answers(path);
    EXPECT_EQ(answers.Answer(QUrl(QStringLiteral("https://a.example"))), std::nullopt);
    answers.Remember(QUrl(QStringLiteral("https://b.example")), true);
    EXPECT_EQ(answers.Answer(QUrl(QStringLiteral("https://b.example"))), true) << "for this run";
    EXPECT_EQ(Read(path), big);
}

}  // namespace
