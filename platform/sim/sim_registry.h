// Test controls of the in-memory registry and of the Windows the sim pretends to be.
//
// Model: three hives (classes root, current user, local machine). Under local machine, the
// SOFTWARE tree exists twice, once per view, as on 64-bit Windows; everything else is shared by
// both views. Key names match regardless of case; values keep their insertion order, which is
// their enumeration order.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace sim {

enum class View { k32, k64 };

// Creates the key with its missing parents in the given view. Unlike the registry calls, the
// controls take key names of any length: a name that is longer than 255 characters once
// converted to ANSI (possible with double-byte code pages) can only be set up this way.
void PutKey(os::RegKey hive, View view, const std::string& path);
// Creates the key if needed and sets a value (replacing one of the same name in its place).
void PutValue(os::RegKey hive, View view, const std::string& path, const std::string& name,
              uint32_t type, const std::vector<uint8_t>& data);
// A REG_SZ value holding text and its terminator.
void PutString(os::RegKey hive, View view, const std::string& path, const std::string& name,
               const std::string& text);
// Reads a value back; false when the key or the value is missing.
bool GetValue(os::RegKey hive, View view, const std::string& path, const std::string& name,
              uint32_t* type, std::vector<uint8_t>* data);

// What IsWow64Process would say: absent (old Windows), 32-bit Windows, or a 32-bit process on
// 64-bit Windows. On a 32-bit Windows both views are one tree. Default: 64-bit Windows.
enum class Windows { kNoWow64Entry, k32Bit, k64Bit };
void SetWindows(Windows kind);
Windows CurrentWindows();

// Counts of registry calls, for tests and benchmarks that measure how the registry is used.
struct RegistryCalls {
  long open, query, enumValue, enumKey, close, create, set;
};
RegistryCalls& Calls();
// Handles opened or created and not yet closed.
int OpenRegistryHandles();
// The access mask of the latest open.
uint32_t LastOpenAccess();
// The key the latest open started from: a hive, or a key opened earlier.
os::RegKey LastOpenParent();

}  // namespace sim
