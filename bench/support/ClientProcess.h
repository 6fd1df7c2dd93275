#pragma once

#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <functional>

class QProcess;

// Helpers for benchmarks that run a whole program as a player would.

// The environment of a run whose engine profile, caches and runtime files all live under Home.
QProcessEnvironment FreshHome(const QString& home);
// Spins the event loop until Done holds or LimitMs passes; returns whether it held.
bool WaitUntil(const std::function<bool()>& done, int limitMs);
// Ends Process and then, by their own ids, whichever of its Descendants linger.
void EndTree(QProcess& process, const QList<qint64>& descendants);
