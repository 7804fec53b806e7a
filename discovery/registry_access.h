// The installer's only path to the registry: string reads, value and subkey enumeration, and
// writes under the current user, with the process-wide view switch and value cursor.
#pragma once
#include <cstdint>

#include "platform/registry.h"

// Nonzero: reads go to the 64-bit registry view. Set only during discovery's 64-bit pass.
extern int Use64BitView;
// Index of the value that the next EnumStringValue hands to the registry.
extern int ValueCursor;

// Access masks of the reads: plain, or with the 64-bit view.
constexpr uint32_t kReadMask = 0x20019;
constexpr uint32_t kRead64Mask = 0x20119;
// Name and data sizes handed to the registry, terminator included.
constexpr uint32_t kRegistryTextSize = 256;

// Nonzero when the 32-bit process runs on 64-bit Windows.
int IsWow64();

// Reads a string value (empty name: the default value) into out (>= 256 bytes). Values of other
// types read as empty text with success. A missing key leaves out as it was.
uint32_t ReadStringValue(os::RegKey hive, const char* keyPath, const char* valueName, char* out);

// Returns the key's value at ValueCursor and moves the cursor on; any failure resets it to 0.
uint32_t EnumStringValue(os::RegKey hive, const char* keyPath, char* outName, char* outData);

// Name of the key's subkey at index.
uint32_t EnumSubkeyName(os::RegKey hive, const char* keyPath, char* outName, uint32_t index);

// The reads keep the keys they open open for the next reads (see kept_keys.h): the key read
// last and the keys above it up to where the reads began. Closing them: discovery calls this
// when it ends, and every write calls it first, so no registry handle outlives discovery.
void CloseRegistryCache();
// Tests and benchmarks: 0 makes every read open and close its key (closing a key kept open).
void SetRegistryCaching(int enabled);

// Creates the key under HKEY_CURRENT_USER (with missing parents) and writes one value:
// REG_SZ when asString is nonzero, else REG_BINARY. Silent on failure.
void WriteUserValue(const char* keyPath, const char* valueName, uint32_t size, const uint8_t* data,
                    int asString);
