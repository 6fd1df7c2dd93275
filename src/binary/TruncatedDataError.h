#pragma once

#include "binary/BinaryDataError.h"

// The data ends before a field it announces, or an offset points outside it.
class TruncatedDataError : public BinaryDataError {
public:
    using BinaryDataError::BinaryDataError;
};
