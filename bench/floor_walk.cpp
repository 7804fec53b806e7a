#include "bench/floor_walk.h"

namespace {

void WalkKey(os::RegKey parent, const char* name, uint32_t access, TreeCounts* counts) {
  os::RegKey key = nullptr;
  if (os::OpenRegistryKey(parent, name, access, &key) != os::kErrorSuccess) return;
  ++counts->keys;
  char valueName[256], data[256], subkey[256];
  for (uint32_t i = 0;; ++i) {
    uint32_t nameLength = sizeof valueName, dataLength = sizeof data, type = os::kRegSz;
    if (os::EnumRegistryValue(key, i, valueName, &nameLength, &type,
                              reinterpret_cast<uint8_t*>(data), &dataLength) != 0) {
      break;
    }
    ++counts->values;
  }
  for (uint32_t i = 0;; ++i) {
    uint32_t length = sizeof subkey;
    if (os::EnumRegistrySubkey(key, i, subkey, &length) != 0) break;
    WalkKey(key, subkey, access, counts);
  }
  os::CloseRegistryKey(key);
}

}  // namespace

TreeCounts FloorWalk(os::RegKey hive, const char* path, uint32_t access) {
  TreeCounts counts{0, 0};
  WalkKey(hive, path, access, &counts);
  return counts;
}
