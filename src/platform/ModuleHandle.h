#pragma once

#include <QtGlobal>

// Names a loaded resource module, as a library handle does; 0 is
// "no module". Handles are never reused, so a stale one finds nothing.
using ModuleHandle = quintptr;
