#pragma once

#include "binary/BinaryDataError.h"

// A BMP whose header describes something the codec does not read: another signature, header
// size, depth or compression, or a picture larger than the size caps.
class BitmapFormatError : public BinaryDataError {
public:
    using BinaryDataError::BinaryDataError;
};
