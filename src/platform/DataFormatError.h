#pragma once

#include "binary/BinaryDataError.h"
#include "error/KestruneError.h"

// Raised for malformed binary data: a damaged pack file, a picture a decoder cannot read, data
// that ends before a field it announces.
class DataFormatError : public KestruneError {
public:
    using KestruneError::KestruneError;

    // Runs `read` and reports what the shared binary readers raise (short data, a bitmap they
    // do not read) as DataFormatError with the same text.
    template <typename Read>
    static auto translating(Read&& read) -> decltype(read())
    {
        try {
            return read();
        } catch (const BinaryDataError& e) {
            throw DataFormatError(e.message());
        }
    }
};
