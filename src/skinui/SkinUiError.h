#pragma once

#include "error/KestruneError.h"

// Failures of the skin drawing toolbox: bitmaps that cannot be made, corrupt region data,
// pictures of mismatched sizes.
class SkinUiError : public KestruneError {
public:
    using KestruneError::KestruneError;
};
