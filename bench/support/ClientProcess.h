#pragma once

#include <QList>
#include <QString>
#include <functional>

class QProcess;
class XvfbSession;

// Helpers for benchmarks that run a whole program as a player would.

// Sets Process up to run on Display as a first run would: its engine profile, caches and
// runtime files all under Home; its standard error into ErrorFile.
void PrepareFreshRun(QProcess& process, const XvfbSession& display, const QString& home, const QString& errorFile);
// Spins the event loop until Done holds or LimitMs passes; returns whether it held.
bool WaitUntil(const std::function<bool()>& done, int limitMs);
// Ends Process and then, by their own ids, whichever of its Descendants linger.
void EndTree(QProcess& process, const QList<qint64>& descendants);
