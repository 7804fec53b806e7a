#include <map>
#include <string>

#include "platform/module.h"
#include "platform/sim/sim_state.h"

namespace os {

// The sim knows one system module, kernel32, with no optional entry points unless a test adds
// them through the registry-and-WOW64 controls.
ModuleHandle LoadedModule(const char* name) {
  std::string n = sim::ResourceKey(name);
  if (n == "KERNEL32" || n == "KERNEL32.DLL") return reinterpret_cast<ModuleHandle>(0x7000);
  return nullptr;
}

void* EntryPoint(ModuleHandle, const char*) { return nullptr; }

}  // namespace os
