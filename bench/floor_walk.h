// The floor discovery is measured against: a plain depth-first walk of a tree that holds one
// open handle per key (each key opened once, from its parent's handle) and reads every value
// and subkey name with the same 256-character buffers.
#pragma once
#include <cstdint>

#include "bench/vendor_tree.h"
#include "platform/registry.h"

// Walks hive\path; returns the keys entered and the values read.
TreeCounts FloorWalk(os::RegKey hive, const char* path, uint32_t access);
