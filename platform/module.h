// Module handles and run-time lookups of optional entry points.
#pragma once
#include "platform/types.h"

namespace os {

// Handle of an already loaded module by name (e.g. "kernel32"); null when not loaded.
ModuleHandle LoadedModule(const char* name);

// Address of an exported entry point; null when the module does not export it.
void* EntryPoint(ModuleHandle module, const char* name);

}  // namespace os
