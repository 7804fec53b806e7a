#include "bench/vendor_tree.h"

#include <cstdio>
#include <cstring>

namespace {

// 100 version keys under photoshop, 99 settings keys under each, 5 values in every one of them.
constexpr int kVersions = 100;
constexpr int kSettingsPerVersion = 99;
constexpr int kValuesPerKey = 5;

const char kTreeRoot[] = "SOFTWARE\\adobe\\photoshop";
// Written last, outside the tree: a tree with this value is complete.
const char kMarkerKey[] = "SOFTWARE\\VkBenchTree";

void PutValues(os::RegKey key, int first) {
  for (int i = 0; i < kValuesPerKey; ++i) {
    char name[32], data[64];
    std::snprintf(name, sizeof name, "Setting%d", i);
    // A drive path, so each value passes the drive test and is matched against the words.
    std::snprintf(data, sizeof data, "C:\\Data\\item%d", first + i);
    os::SetRegistryValue(key, name, os::kRegSz, reinterpret_cast<const uint8_t*>(data),
                         static_cast<uint32_t>(std::strlen(data) + 1));
  }
}

}  // namespace

TreeCounts VendorTreeSize() {
  long keys = 2 + kVersions + long{kVersions} * kSettingsPerVersion;
  long values = (long{kVersions} + long{kVersions} * kSettingsPerVersion) * kValuesPerKey;
  return TreeCounts{keys, values};
}

TreeCounts WriteVendorTree(uint32_t view) {
  os::RegKey marker = nullptr;
  if (os::OpenRegistryKey(os::HiveLocalMachine(), kMarkerKey, os::kKeyRead | view, &marker) ==
      os::kErrorSuccess) {
    os::CloseRegistryKey(marker);
    return VendorTreeSize();
  }
  os::RegKey root = nullptr;
  if (os::CreateRegistryKey(os::HiveLocalMachine(), kTreeRoot, os::kKeyAllAccess | view, &root) !=
      os::kErrorSuccess) {
    return TreeCounts{0, 0};
  }
  int serial = 0;
  for (int v = 0; v < kVersions; ++v) {
    char name[32];
    std::snprintf(name, sizeof name, "%d.%d", 10 + v / 10, v % 10);
    os::RegKey version = nullptr;
    if (os::CreateRegistryKey(root, name, os::kKeyAllAccess | view, &version) != 0) continue;
    PutValues(version, serial);
    serial += kValuesPerKey;
    for (int s = 0; s < kSettingsPerVersion; ++s) {
      std::snprintf(name, sizeof name, "Settings%02d", s);
      os::RegKey settings = nullptr;
      if (os::CreateRegistryKey(version, name, os::kKeyAllAccess | view, &settings) != 0) continue;
      PutValues(settings, serial);
      serial += kValuesPerKey;
      os::CloseRegistryKey(settings);
    }
    os::CloseRegistryKey(version);
  }
  os::CloseRegistryKey(root);
  if (os::CreateRegistryKey(os::HiveLocalMachine(), kMarkerKey, os::kKeyAllAccess | view,
                            &marker) == os::kErrorSuccess) {
    os::CloseRegistryKey(marker);
  }
  return VendorTreeSize();
}
