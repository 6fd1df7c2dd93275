#pragma once

#include "error/KestruneError.h"

// Failures of the skin data: unreadable packages, corrupt pictures, values that are no numbers.
// The factories keep the exact texts in one place.
class SkinError : public KestruneError {
public:
    using KestruneError::KestruneError;

    static SkinError StreamRead();
    static SkinError Compression();
    static SkinError CompressionFailed();
    static SkinError InvalidBitmap();
    static SkinError CannotOpen(const QString& path, const QString& reason);
    static SkinError InvalidInteger(const QString& text);
};
