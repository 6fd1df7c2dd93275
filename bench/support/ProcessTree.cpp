#include "ProcessTree.h"

#include <QDir>
#include <QFile>
#include <QMultiHash>
#include <unistd.h>

namespace {
// The fields of /proc/PID/stat after the command, which is in parentheses and may itself hold
// spaces and parentheses: the state first, then the parent, ...; empty when the process is gone.
QList<QByteArray> StatFields(const QString& pid)
{
    QFile stat(QStringLiteral("/proc/") + pid + QStringLiteral("/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    if (close < 0)
        return {};
    return line.mid(close + 2).split(' ');
}

qint64 ParentOf(const QString& pid)
{
    const QList<QByteArray> fields = StatFields(pid);
    return fields.size() > 1 ? fields[1].toLongLong() : -1;
}

qint64 PssOf(qint64 pid)
{
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!rollup.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : rollup.readAll().split('\n'))
        if (line.startsWith("Pss:"))
            return line.mid(4).trimmed().split(' ').value(0).toLongLong();
    return 0;
}
}  // namespace

ProcessTree::ProcessTree(qint64 rootPid)
{
    // A process that has ended, or never started, has no id: its "tree" would be the whole
    // system, which the benchmarks then end.
    if (rootPid <= 0)
        return;
    QMultiHash<qint64, qint64> children;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (numeric)
            children.insert(ParentOf(entry), pid);
    }
    pids_.append(rootPid);
    for (qsizetype i = 0; i < pids_.size(); ++i)
        pids_.append(children.values(pids_[i]));
}

qint64 ProcessTree::CpuTicks() const
{
    // User and system time are the stat file's 14th and 15th fields, 12th and 13th after the command.
    qint64 total = 0;
    for (const qint64 pid : pids_) {
        const QList<QByteArray> fields = StatFields(QString::number(pid));
        if (fields.size() > 12)
            total += fields[11].toLongLong() + fields[12].toLongLong();
    }
    return total;
}

qint64 ProcessTree::TicksPerSecond()
{
    return sysconf(_SC_CLK_TCK);
}

qint64 ProcessTree::PssKiB() const
{
    qint64 total = 0;
    for (const qint64 pid : pids_)
        total += PssOf(pid);
    return total;
}
