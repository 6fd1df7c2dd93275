#pragma once

#include "error/KestruneError.h"

// Raised for malformed binary data: a damaged pack file, a picture a decoder cannot read, data
// that ends before a field it announces.
class DataFormatError : public KestruneError {
public:
    using KestruneError::KestruneError;
};
