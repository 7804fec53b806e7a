#include "discovery/registry_access.h"

#include "common/bounded_text.h"
#include "discovery/kept_keys.h"
#include "platform/system.h"

int Use64BitView = 0;
int ValueCursor = 0;

namespace {

// Runs one registry call on hive\keyPath, opening and closing the key around it unless it is
// kept open. Returns the open's status when that fails (*opened = false), else the call's.
// A kept key the registry no longer knows (never on Windows, where only we close it; the host
// tests' registry reset does it) is forgotten and the key opened afresh.
template <typename Call>
uint32_t OnKey(os::RegKey hive, const char* keyPath, bool* opened, Call call) {
  uint32_t mask = Use64BitView ? kRead64Mask : kReadMask;
  for (int attempt = 0;; ++attempt) {
    os::RegKey key = nullptr;
    bool kept = false;
    uint32_t status = OpenKeptKey(hive, keyPath, mask, &key, &kept);
    *opened = status == os::kErrorSuccess;
    if (!*opened) return status;
    status = call(key);
    if (status == os::kErrorInvalidHandle && kept && attempt == 0) {
      ForgetKeptKeys();
      continue;
    }
    if (!kept) os::CloseRegistryKey(key);
    return status;
  }
}

// The registry ends a string at the length it returns only when the buffer has room and the
// stored string lacks its terminator; a string stored without one, or with no bytes at all,
// would leave the buffer unterminated or still holding the previous value's text. The text is
// therefore always ended at the returned length, and a full buffer without a terminator loses
// its last byte.
void EndText(char* text, uint32_t length) {
  if (length < kRegistryTextSize) {
    text[length] = '\0';
  } else if (BoundedLength(text, kRegistryTextSize) == kRegistryTextSize) {
    text[kRegistryTextSize - 1] = '\0';
  }
}

}  // namespace

void CloseRegistryCache() { CloseKeptKeys(); }

void SetRegistryCaching(int enabled) { SetKeepingKeys(enabled); }

int IsWow64() { return os::ProcessIsWow64(); }

uint32_t ReadStringValue(os::RegKey hive, const char* keyPath, const char* valueName, char* out) {
  uint32_t type = os::kRegSz;
  uint32_t size = kRegistryTextSize;
  bool opened = false;
  uint32_t status = OnKey(hive, keyPath, &opened, [&](os::RegKey key) {
    type = os::kRegSz;
    size = kRegistryTextSize;
    return os::QueryRegistryValue(key, valueName, &type, reinterpret_cast<uint8_t*>(out), &size);
  });
  if (!opened) return status;
  if (type != os::kRegSz) {
    out[0] = '\0';
  } else if (status == os::kErrorSuccess) {
    EndText(out, size);
  }
  return status;
}

uint32_t EnumStringValue(os::RegKey hive, const char* keyPath, char* outName, char* outData) {
  uint32_t type = os::kRegSz;
  uint32_t dataLength = kRegistryTextSize;
  bool opened = false;
  uint32_t status = OnKey(hive, keyPath, &opened, [&](os::RegKey key) {
    uint32_t nameLength = kRegistryTextSize;
    dataLength = kRegistryTextSize;
    type = os::kRegSz;
    return os::EnumRegistryValue(key, static_cast<uint32_t>(ValueCursor), outName, &nameLength,
                                 &type, reinterpret_cast<uint8_t*>(outData), &dataLength);
  });
  if (!opened) {
    ValueCursor = 0;
    return status;
  }
  if (type != os::kRegSz) {
    outData[0] = '\0';
  } else if (status == os::kErrorSuccess) {
    EndText(outData, dataLength);
  }
  ++ValueCursor;
  if (status != os::kErrorSuccess) ValueCursor = 0;
  return status;
}

uint32_t EnumSubkeyName(os::RegKey hive, const char* keyPath, char* outName, uint32_t index) {
  bool opened = false;
  return OnKey(hive, keyPath, &opened, [&](os::RegKey key) {
    uint32_t nameLength = kRegistryTextSize;
    return os::EnumRegistrySubkey(key, index, outName, &nameLength);
  });
}

void WriteUserValue(const char* keyPath, const char* valueName, uint32_t size, const uint8_t* data,
                    int asString) {
  // Keys are kept open only while nothing writes: a write starts from fresh handles.
  CloseRegistryCache();
  os::RegKey key = nullptr;
  if (os::CreateRegistryKey(os::HiveCurrentUser(), keyPath, os::kKeyAllAccess, &key) !=
      os::kErrorSuccess) {
    return;
  }
  os::SetRegistryValue(key, valueName, asString ? os::kRegSz : os::kRegBinary, data, size);
  os::CloseRegistryKey(key);
}
