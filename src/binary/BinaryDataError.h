#pragma once

#include "error/KestruneError.h"

// Raised by the shared binary readers for data they cannot read. Each library that reads
// through them reports it under its own error type and text at its boundary.
class BinaryDataError : public KestruneError {
public:
    using KestruneError::KestruneError;
};
