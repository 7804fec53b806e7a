// The Windows registry as the installer uses it: thin wrappers over the registry calls.
//
// Views: an access mask without a view bit reads the registry the way the 32-bit installer sees
// it on 64-bit Windows. The 64-bit program therefore adds the 32-bit view bit itself when the
// caller gives none, so both programs read the same keys; kKeyWow64_64 selects the 64-bit view
// in either program.
#pragma once
#include <cstdint>
#include "platform/types.h"

namespace os {

using RegKey = struct OsRegKey*;

// The predefined root keys, with the platform's own handle values.
inline RegKey HiveClassesRoot() { return reinterpret_cast<RegKey>(uintptr_t(0x80000000u)); }
inline RegKey HiveCurrentUser() { return reinterpret_cast<RegKey>(uintptr_t(0x80000001u)); }
inline RegKey HiveLocalMachine() { return reinterpret_cast<RegKey>(uintptr_t(0x80000002u)); }

// Access masks.
constexpr uint32_t kKeyRead = 0x20019;
constexpr uint32_t kKeyWow64_64 = 0x0100;
constexpr uint32_t kKeyWow64_32 = 0x0200;
constexpr uint32_t kKeyAllAccess = 0xF003F;

// Value types.
constexpr uint32_t kRegNone = 0;
constexpr uint32_t kRegSz = 1;
constexpr uint32_t kRegExpandSz = 2;
constexpr uint32_t kRegBinary = 3;
constexpr uint32_t kRegDword = 4;

// Statuses beyond success and not-found (types.h).
constexpr uint32_t kErrorInvalidHandle = 6;
constexpr uint32_t kErrorMoreData = 234;
constexpr uint32_t kErrorNoMoreItems = 259;

// RegOpenKeyExA(hive, path, 0, access, out).
uint32_t OpenRegistryKey(RegKey hive, const char* path, uint32_t access, RegKey* out);
// RegQueryValueExA(key, name, null, type, data, size): type and size are in-out.
uint32_t QueryRegistryValue(RegKey key, const char* name, uint32_t* type, uint8_t* data,
                            uint32_t* size);
// RegEnumValueA(key, index, name, nameLength, null, type, data, dataLength).
uint32_t EnumRegistryValue(RegKey key, uint32_t index, char* name, uint32_t* nameLength,
                           uint32_t* type, uint8_t* data, uint32_t* dataLength);
// RegEnumKeyExA(key, index, name, nameLength, null, null, null, lastWriteTime ignored).
uint32_t EnumRegistrySubkey(RegKey key, uint32_t index, char* name, uint32_t* nameLength);
uint32_t CloseRegistryKey(RegKey key);
// RegCreateKeyExA(hive, path, 0, "", non-volatile, access, null, out, disposition ignored).
uint32_t CreateRegistryKey(RegKey hive, const char* path, uint32_t access, RegKey* out);
// RegSetValueExA(key, name, 0, type, data, size).
uint32_t SetRegistryValue(RegKey key, const char* name, uint32_t type, const uint8_t* data,
                          uint32_t size);

}  // namespace os
