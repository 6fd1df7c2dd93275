#include "ProcessTree.h"

#include <QDir>
#include <QFile>
#include <QMultiHash>

namespace {
// The parent of a process from /proc/PID/stat: the field after the command, which is in
// parentheses and may itself hold spaces and parentheses.
qint64 ParentOf(const QString& pid)
{
    QFile stat(QStringLiteral("/proc/") + pid + QStringLiteral("/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    if (close < 0)
        return -1;
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
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

qint64 ProcessTree::PssKiB() const
{
    qint64 total = 0;
    for (const qint64 pid : pids_)
        total += PssOf(pid);
    return total;
}
