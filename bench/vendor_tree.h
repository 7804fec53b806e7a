// A large vendor tree for timing discovery: 10,002 keys and 50,000 string values under
// HKLM\SOFTWARE\adobe\photoshop, none of which names a plug-in folder, so discovery examines
// every value in full and keeps none.
#pragma once
#include <cstdint>

#include "platform/registry.h"

struct TreeCounts {
  long keys;
  long values;
};

// What the generated tree holds.
TreeCounts VendorTreeSize();

// Writes the tree through the registry calls in the given view bits (0, or kKeyWow64_32 /
// kKeyWow64_64). Writing into a kept registry (a Wine prefix) is skipped when a complete tree
// is already there.
TreeCounts WriteVendorTree(uint32_t view);
