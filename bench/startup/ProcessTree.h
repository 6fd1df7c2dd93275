#pragma once

#include <QList>
#include <QtGlobal>

// A process and its descendants as /proc shows them now.
class ProcessTree {
public:
    explicit ProcessTree(qint64 rootPid);

    const QList<qint64>& Pids() const { return pids_; }
    // The proportional set size of every process of the tree, summed, in KiB: shared pages
    // count once across the tree, unlike resident sizes.
    qint64 PssKiB() const;

private:
    QList<qint64> pids_;
};
