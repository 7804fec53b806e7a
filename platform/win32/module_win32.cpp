#include <windows.h>

#include "platform/module.h"

namespace os {

ModuleHandle LoadedModule(const char* name) {
  return reinterpret_cast<ModuleHandle>(GetModuleHandleA(name));
}

void* EntryPoint(ModuleHandle module, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(module), name));
}

}  // namespace os
