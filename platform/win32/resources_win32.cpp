#include <windows.h>

#include "platform/resources.h"

namespace os {

const void* FindResourceBytes(ModuleHandle module, const char* type, const char* name,
                              uint32_t* size) {
  HMODULE m = reinterpret_cast<HMODULE>(module);
  *size = 0;
  HRSRC found = FindResourceA(m, name, type);
  if (found == nullptr) return nullptr;
  HGLOBAL loaded = LoadResource(m, found);
  if (loaded == nullptr) return nullptr;
  *size = SizeofResource(m, found);
  return LockResource(loaded);
}

namespace {
struct EnumContext {
  ResourceNameVisitor visit;
  intptr_t param;
};

BOOL CALLBACK VisitName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR context) {
  auto* c = reinterpret_cast<EnumContext*>(context);
  return c->visit(reinterpret_cast<ModuleHandle>(module), type, name, c->param) != 0;
}
}  // namespace

bool EnumResourceNames(ModuleHandle module, const char* type, ResourceNameVisitor visit,
                       intptr_t param) {
  EnumContext context{visit, param};
  return EnumResourceNamesA(reinterpret_cast<HMODULE>(module), type, VisitName,
                            reinterpret_cast<LONG_PTR>(&context)) != 0;
}

}  // namespace os
