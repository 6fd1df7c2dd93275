#pragma once

#include <QtGlobal>

// One start of one program: milliseconds from spawn to its first window being mapped and
// to its page's load beacon, and the whole tree's PSS a few seconds after the load.
struct StartupSample {
    double WindowMs = 0;
    double LoadMs = 0;
    double PssMiB = 0;
};
