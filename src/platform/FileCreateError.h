#pragma once

#include "error/KestruneError.h"

// Raised when a file cannot be created; names the file and the system's reason.
class FileCreateError : public KestruneError {
public:
    FileCreateError(const QString& path, const QString& reason)
        : KestruneError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, reason)) {}
};
