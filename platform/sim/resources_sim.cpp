#include "platform/resources.h"
#include "platform/sim/sim_state.h"

namespace os {

const void* FindResourceBytes(ModuleHandle module, const char* type, const char* name,
                              uint32_t* size) {
  *size = 0;
  if (module != sim::ProgramModule()) return nullptr;
  const std::string t = sim::ResourceKey(type), n = sim::ResourceKey(name);
  for (const sim::Resource& r : sim::S().catalogue) {
    if (r.type == t && r.name == n) {
      *size = static_cast<uint32_t>(r.bytes.size());
      return r.bytes.data();
    }
  }
  return nullptr;
}

bool EnumResourceNames(ModuleHandle module, const char* type, ResourceNameVisitor visit,
                       intptr_t param) {
  if (module != sim::ProgramModule()) return false;
  const std::string t = sim::ResourceKey(type);
  // The platform hands a name buffer the callback may change; copy the names first so that a
  // callback that edits the catalogue does not disturb the walk.
  std::vector<std::string> names;
  for (const sim::Resource& r : sim::S().catalogue) {
    if (r.type == t) names.push_back(r.name);
  }
  if (names.empty()) return false;
  for (const std::string& n : names) {
    if (n[0] == '#') {
      if (!visit(module, type, const_cast<char*>(IntResource(std::stoi(n.substr(1)))), param))
        break;
    } else {
      std::vector<char> buffer(n.begin(), n.end());
      buffer.push_back('\0');
      if (!visit(module, type, buffer.data(), param)) break;
    }
  }
  return true;
}

}  // namespace os
