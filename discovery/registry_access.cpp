#include "discovery/registry_access.h"

#include "common/bounded_text.h"
#include "platform/system.h"

int Use64BitView = 0;
int ValueCursor = 0;

namespace {

// The key paths discovery builds fit in its 400-character buffers; a longer path is simply
// not kept open.
constexpr size_t kCachedPathSize = 400;

// The key opened last, kept open for the next read of the same key. A vendor walk asks for one
// key's values and subkeys in a row, and reopening the key around every call costs far more
// than the calls themselves (under Wine about ten times the whole walk). Nothing writes to the
// registry while discovery reads, so the open key answers exactly as a freshly opened one.
struct CachedKey {
  bool open;
  os::RegKey hive;
  uint32_t mask;
  os::RegKey key;
  char path[kCachedPathSize];
};
CachedKey Cached = {};
int CachingEnabled = 1;

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Key names do not depend on case, and the walker lowercases its path in place between calls
// on the same key: the paths are compared without regard to ASCII case. Any other difference
// in spelling only costs a reopen.
bool SameKeyPath(const char* a, const char* b) {
  for (size_t i = 0;; ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
    if (a[i] == '\0') return true;
  }
}

// Opens hive\keyPath for reading with the mask of the current view, or hands out the key kept
// open for it; *kept tells which.
uint32_t OpenForRead(os::RegKey hive, const char* keyPath, os::RegKey* key, bool* kept) {
  uint32_t mask = Use64BitView ? kRead64Mask : kReadMask;
  *kept = Cached.open && Cached.hive == hive && Cached.mask == mask && keyPath != nullptr &&
          SameKeyPath(Cached.path, keyPath);
  if (*kept) {
    *key = Cached.key;
    return os::kErrorSuccess;
  }
  CloseRegistryCache();
  uint32_t status = os::OpenRegistryKey(hive, keyPath, mask, key);
  if (status == os::kErrorSuccess && CachingEnabled && keyPath != nullptr &&
      CopyText(Cached.path, keyPath)) {
    Cached.open = true;
    Cached.hive = hive;
    Cached.mask = mask;
    Cached.key = *key;
  }
  return status;
}

// Runs one registry call on hive\keyPath, opening and closing the key around it unless it is
// kept open. Returns the open's status when that fails (*opened = false), else the call's.
// A kept key the registry no longer knows (never on Windows, where only we close it; the host
// tests' registry reset does it) is forgotten and the key opened afresh.
template <typename Call>
uint32_t OnKey(os::RegKey hive, const char* keyPath, bool* opened, Call call) {
  for (int attempt = 0;; ++attempt) {
    os::RegKey key = nullptr;
    bool kept = false;
    uint32_t status = OpenForRead(hive, keyPath, &key, &kept);
    *opened = status == os::kErrorSuccess;
    if (!*opened) return status;
    status = call(key);
    if (status == os::kErrorInvalidHandle && kept && attempt == 0) {
      Cached.open = false;
      continue;
    }
    if (!(Cached.open && Cached.key == key)) os::CloseRegistryKey(key);
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

void CloseRegistryCache() {
  if (Cached.open) os::CloseRegistryKey(Cached.key);
  Cached.open = false;
}

void SetRegistryCaching(int enabled) {
  CloseRegistryCache();
  CachingEnabled = enabled;
}

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
