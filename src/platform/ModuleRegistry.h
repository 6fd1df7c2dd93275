#pragma once

#include "platform/ModuleHandle.h"

#include <QString>

class ResourceModule;

// The process's loaded resource modules, by handle. Like the platform's library loader it
// hands out 0 for any file it cannot load; the modules stay mapped until freed. Used from the
// user-interface thread only.
class ModuleRegistry {
public:
    static ModuleHandle load(const QString& path);
    static void free(ModuleHandle handle);
    // nullptr for 0 or for a handle that names no loaded module.
    static const ResourceModule* find(ModuleHandle handle);
};
