#pragma once

#include <QList>
#include <QtGlobal>

// A process and its descendants as /proc shows them now; empty for a root id of 0 or less.
class ProcessTree {
public:
    explicit ProcessTree(qint64 rootPid);

    const QList<qint64>& Pids() const { return pids_; }
    // The proportional set size of every process of the tree, summed, in KiB: shared pages
    // count once across the tree, unlike resident sizes.
    qint64 PssKiB() const;
    // The processor time every process of the tree has used so far, user and system, summed,
    // in clock ticks (TicksPerSecond a second). A process that has ended counts nothing.
    qint64 CpuTicks() const;
    static qint64 TicksPerSecond();

private:
    QList<qint64> pids_;
};
