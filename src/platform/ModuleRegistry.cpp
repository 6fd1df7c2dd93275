#include "platform/ModuleRegistry.h"

#include "error/KestruneError.h"
#include "platform/ResourceModule.h"

#include <map>
#include <memory>

namespace {

struct Modules {
    std::map<ModuleHandle, std::unique_ptr<ResourceModule>> byHandle;
    ModuleHandle lastHandle = 0;
};

Modules& modules()
{
    static Modules instance;
    return instance;
}

} // namespace

ModuleHandle ModuleRegistry::load(const QString& path)
{
    std::unique_ptr<ResourceModule> module;
    try {
        module = ResourceModule::open(path);
    } catch (const KestruneError&) {
        return 0;  // the loader's contract: a file that does not load is simply no module
    }
    Modules& all = modules();
    const ModuleHandle handle = ++all.lastHandle;
    all.byHandle.emplace(handle, std::move(module));
    return handle;
}

void ModuleRegistry::free(ModuleHandle handle)
{
    modules().byHandle.erase(handle);
}

const ResourceModule* ModuleRegistry::find(ModuleHandle handle)
{
    const Modules& all = modules();
    const auto found = all.byHandle.find(handle);
    return found == all.byHandle.end() ? nullptr : found->second.get();
}
