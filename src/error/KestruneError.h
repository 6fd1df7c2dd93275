#pragma once

#include <QString>
#include <stdexcept>

// Root of the client's exceptions. The message is the exact text the user-facing error
// channel (standard error, through the application's one error handler) prints.
class KestruneError : public std::runtime_error {
public:
    explicit KestruneError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}

    const QString& message() const noexcept { return message_; }

private:
    QString message_;
};
