#pragma once

#include "error/KestruneError.h"

// Raised when a module has no resource of the requested name and type (or the module handle
// names no loaded module, or the entry's data lies outside the file).
class ResourceNotFoundError : public KestruneError {
public:
    explicit ResourceNotFoundError(const QString& name)
        : KestruneError(QStringLiteral("Resource %1 not found").arg(name)) {}
};
