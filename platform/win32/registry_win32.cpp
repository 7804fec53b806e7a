#include <windows.h>

#include "platform/registry.h"

namespace os {

namespace {

HKEY H(RegKey key) { return reinterpret_cast<HKEY>(key); }

// The installer is a 32-bit program: without a view bit, Windows gives it the 32-bit view of
// HKLM\SOFTWARE. The 64-bit build would get the 64-bit view instead, so it asks for the 32-bit
// view itself and reads exactly what the 32-bit build reads on 64-bit Windows. An explicit
// view bit from the caller is kept.
REGSAM ViewedAccess(uint32_t access) {
#ifdef _WIN64
  if ((access & (KEY_WOW64_32KEY | KEY_WOW64_64KEY)) == 0) access |= KEY_WOW64_32KEY;
#endif
  return static_cast<REGSAM>(access);
}

}  // namespace

uint32_t OpenRegistryKey(RegKey hive, const char* path, uint32_t access, RegKey* out) {
  HKEY key = nullptr;
  LONG status = RegOpenKeyExA(H(hive), path, 0, ViewedAccess(access), &key);
  if (status == ERROR_SUCCESS) *out = reinterpret_cast<RegKey>(key);
  return static_cast<uint32_t>(status);
}

uint32_t QueryRegistryValue(RegKey key, const char* name, uint32_t* type, uint8_t* data,
                            uint32_t* size) {
  DWORD t = type ? *type : 0;
  DWORD n = size ? *size : 0;
  LONG status =
      RegQueryValueExA(H(key), name, nullptr, type ? &t : nullptr, data, size ? &n : nullptr);
  if (type) *type = t;
  if (size) *size = n;
  return static_cast<uint32_t>(status);
}

uint32_t EnumRegistryValue(RegKey key, uint32_t index, char* name, uint32_t* nameLength,
                           uint32_t* type, uint8_t* data, uint32_t* dataLength) {
  DWORD nl = nameLength ? *nameLength : 0;
  DWORD t = type ? *type : 0;
  DWORD dl = dataLength ? *dataLength : 0;
  LONG status = RegEnumValueA(H(key), index, name, nameLength ? &nl : nullptr, nullptr,
                              type ? &t : nullptr, data, dataLength ? &dl : nullptr);
  if (nameLength) *nameLength = nl;
  if (type) *type = t;
  if (dataLength) *dataLength = dl;
  return static_cast<uint32_t>(status);
}

uint32_t EnumRegistrySubkey(RegKey key, uint32_t index, char* name, uint32_t* nameLength) {
  DWORD nl = nameLength ? *nameLength : 0;
  FILETIME lastWrite;
  LONG status = RegEnumKeyExA(H(key), index, name, nameLength ? &nl : nullptr, nullptr, nullptr,
                              nullptr, &lastWrite);
  if (nameLength) *nameLength = nl;
  return static_cast<uint32_t>(status);
}

uint32_t CloseRegistryKey(RegKey key) { return static_cast<uint32_t>(RegCloseKey(H(key))); }

uint32_t CreateRegistryKey(RegKey hive, const char* path, uint32_t access, RegKey* out) {
  HKEY key = nullptr;
  DWORD disposition = 0;
  char noClass[] = "";
  LONG status = RegCreateKeyExA(H(hive), path, 0, noClass, REG_OPTION_NON_VOLATILE,
                                ViewedAccess(access), nullptr, &key, &disposition);
  if (status == ERROR_SUCCESS) *out = reinterpret_cast<RegKey>(key);
  return static_cast<uint32_t>(status);
}

uint32_t SetRegistryValue(RegKey key, const char* name, uint32_t type, const uint8_t* data,
                          uint32_t size) {
  return static_cast<uint32_t>(RegSetValueExA(H(key), name, 0, type, data, size));
}

}  // namespace os
