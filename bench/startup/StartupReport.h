#pragma once

#include "StartupSample.h"

#include <QList>
#include <QString>

// The benchmark's table: min, median and max of each figure for the bare view and the
// client, and the client's medians against the bare view's.
class StartupReport {
public:
    void Add(bool client, const StartupSample& sample);
    QString Table() const;

private:
    QList<StartupSample> bare_;
    QList<StartupSample> client_;
};
