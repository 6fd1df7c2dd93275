#pragma once

#include "error/KestruneError.h"

// A command line the tool refuses before doing any work: a file that is not there, a word or key
// it does not know, a value out of range. Reported in one line with exit code 2; other failures
// end with exit code 1.
class SkinToolUsageError : public KestruneError {
public:
    using KestruneError::KestruneError;
};
