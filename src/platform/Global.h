#pragma once

#include "platform/ModuleHandle.h"

// The process-wide values that the platform layer keeps. Each is set once during start-up.

// The resource pack's module handle; 0 while no pack is loaded or when loading it failed.
extern ModuleHandle ResourcePackHandle;
