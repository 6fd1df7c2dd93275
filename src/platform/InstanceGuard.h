#pragma once

#include <QString>
#include <memory>

// The single-instance guard: an exclusive lock on a file in the user's private runtime
// directory. The kernel drops the lock when the process ends, however it ends, so a guard
// left by a killed instance never blocks the next start.
class InstanceGuard {
public:
    enum class Outcome { Acquired, HeldElsewhere, Unavailable };

    // Takes the lock named Name. HeldElsewhere: another process of this user holds it.
    // Unavailable: the lock file could not be made; the caller runs unguarded.
    static Outcome Acquire(const QString& name, std::unique_ptr<InstanceGuard>& guard);
    ~InstanceGuard();

    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    // Gives the lock up (the first step of shutdown); later calls do nothing.
    void Release();

private:
    explicit InstanceGuard(int fd) : fd_(fd) {}
    int fd_;
};

// The process's guard; empty when it runs unguarded.
extern std::unique_ptr<InstanceGuard> InstanceMutex;
