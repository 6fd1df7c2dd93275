#pragma once

#include "support/Wait.h"

#include <QDeadlineTimer>
#include <QTest>
#include <QVariant>
#include <QWebEnginePage>
#include <memory>
#include <optional>

// Runs Script in Page and waits for its value; an invalid value when none came in time.
inline QVariant Evaluate(QWebEnginePage* page, const QString& script, int timeoutMs = 20000)
{
    // The engine may answer after a timed-out wait: the answer then lands here, not on the stack.
    auto result = std::make_shared<std::optional<QVariant>>();
    page->runJavaScript(script, [result](const QVariant& value) { *result = value; });
    WaitFor([&] { return result->has_value(); }, timeoutMs);
    return result->value_or(QVariant());
}

// Waits until Script evaluates to Expected in Page. A script sent while the page changes
// documents may never answer, so each try gets a short while only; tries are paced so that
// they do not crowd out the page's own work.
inline bool WaitForScript(QWebEnginePage* page, const QString& script, const QVariant& expected,
                          int timeoutMs = 20000)
{
    const QDeadlineTimer deadline(timeoutMs);
    do {
        if (Evaluate(page, script, 500) == expected)
            return true;
        QTest::qWait(50);
    } while (!deadline.hasExpired());
    return false;
}
