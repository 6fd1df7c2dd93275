#include "support/Wait.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

namespace {

// Runs the real client, headless, with a runtime directory of the test's own.
class SingleInstance : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(runtime.isValid());
        QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }
    void TearDown() override
    {
        for (QProcess* client : clients) {
            client->kill();
            client->waitForFinished(10000);
            delete client;
        }
    }

    QProcess* Start()
    {
        auto* client = new QProcess;
        client->setProcessEnvironment(environment);
        client->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        client->start(QStringLiteral(KESTRUNE_CLIENT), {});
        EXPECT_TRUE(client->waitForStarted(10000));
        clients.append(client);
        return client;
    }

    // Whether the process holds the guard's lock, as the kernel's lock table shows it;
    // looking does not take the lock.
    bool HoldsGuard(const QProcess* client) const
    {
        struct stat info {};
        const QByteArray path = (runtime.path() + QStringLiteral("/VostrelKestrune.lock")).toLocal8Bit();
        if (stat(path.constData(), &info) != 0)
            return false;
        QFile locks(QStringLiteral("/proc/locks"));
        if (!locks.open(QIODevice::ReadOnly))
            return false;
        const QByteArray needle = ' ' + QByteArray::number(client->processId()) + ' ';
        const QByteArray inode = ':' + QByteArray::number(qulonglong(info.st_ino)) + ' ';
        for (const QByteArray& line : locks.readAll().split('\n'))
            if (line.contains("FLOCK") && line.contains(needle) && QByteArray(line + ' ').contains(inode))
                return true;
        return false;
    }

    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QList<QProcess*> clients;
};

TEST_F(SingleInstance, ASecondStartEndsAtOnceAndLeavesTheFirstRunning)
{
    QProcess* first = Start();
    ASSERT_TRUE(WaitFor([&] { return HoldsGuard(first); }, 60000));
    QProcess* second = Start();
    ASSERT_TRUE(second->waitForFinished(30000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(first->state(), QProcess::Running);
    EXPECT_TRUE(HoldsGuard(first));
}

TEST_F(SingleInstance, AStartAfterTheFirstWasKilledSucceeds)
{
    QProcess* first = Start();
    ASSERT_TRUE(WaitFor([&] { return HoldsGuard(first); }, 60000));
    kill(pid_t(first->processId()), SIGKILL);
    ASSERT_TRUE(first->waitForFinished(10000));
    QProcess* next = Start();
    EXPECT_TRUE(WaitFor([&] { return HoldsGuard(next); }, 60000));
    EXPECT_EQ(next->state(), QProcess::Running);
}

TEST_F(SingleInstance, AStartAfterTheFirstEndedSucceeds)
{
    QProcess* first = Start();
    ASSERT_TRUE(WaitFor([&] { return HoldsGuard(first); }, 60000));
    first->terminate();  // an ordinary end: the window closes and the guard is given up
    ASSERT_TRUE(first->waitForFinished(30000));
    EXPECT_EQ(first->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first->exitCode(), 0);
    QProcess* next = Start();
    EXPECT_TRUE(WaitFor([&] { return HoldsGuard(next); }, 60000));
}

}  // namespace
