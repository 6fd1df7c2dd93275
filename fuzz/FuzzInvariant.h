#pragma once

#include <stdexcept>

// A property a reader keeps whatever its input. A broken one raises an exception that no
// reader raises itself, so libFuzzer stops on it and the regression test names it.
class FuzzInvariant {
public:
    static void require(bool holds, const char* what)
    {
        if (!holds)
            throw std::logic_error(what);
    }
};
