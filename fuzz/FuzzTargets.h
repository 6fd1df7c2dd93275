#pragma once

#include "DescriptionFuzzTarget.h"
#include "PackFuzzTarget.h"
#include "PackageFuzzTarget.h"
#include "PictureFuzzTarget.h"

// Every fuzz target by the name of its libFuzzer program (fuzz_NAME) and of its folder of
// regression inputs (tests/data/fuzz/NAME).
struct FuzzTarget {
    const char* name;
    void (*run)(QByteArrayView input);
};

inline constexpr FuzzTarget FuzzTargets[] = {
    {"pack", PackFuzzTarget::run},
    {"picture", PictureFuzzTarget::run},
    {"description", DescriptionFuzzTarget::run},
    {"package", PackageFuzzTarget::run},
};
