#include "discovery/kept_keys.h"

#include "common/bounded_text.h"

namespace {

// Deep enough for the walker's 19 levels below its start key and the key path above it.
constexpr int kKeptLevels = 24;
// The key paths the installer builds fit in its 400-character buffers; a longer path is read
// through a key of its own.
constexpr size_t kKeptPathSize = 400;
// A key below a kept key is opened from it by the rest of its path only while the whole path is
// shorter than this. Longer paths are opened by their full text, as they would be without
// kept keys: Wine refuses ANSI key paths over 260 characters, and a subkey opened from its
// parent would reach keys that a full path cannot.
constexpr size_t kRelativeOpenPathLimit = 256;

struct KeptChain {
  int count;
  os::RegKey hive;
  uint32_t mask;
  char path[kKeptPathSize];    // the path of the deepest kept key
  size_t length[kKeptLevels];  // the length of each level's path within it
  os::RegKey key[kKeptLevels];
};
KeptChain Chain = {};
int Keeping = 1;

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(const char* a, size_t length, const char* name) {
  for (size_t i = 0; i < length; ++i) {
    if (name[i] == '\0' || Lower(a[i]) != Lower(name[i])) return false;
  }
  return name[length] == '\0';
}

// Opening a subkey from its parent's handle reaches the same key as opening its full path,
// except where the registry's views part ways below the parent: under SOFTWARE, Windows keeps
// some keys of these trees shared between the 32-bit and the 64-bit view, and HKEY_CLASSES_ROOT
// merges two trees. Keys there are always opened by their full path.
const char* const kMixedTrees[] = {"classes",  "clients",     "microsoft",
                                   "policies", "wow6432node", "registeredapplications"};

bool OpensFromParent(os::RegKey hive, const char* path, size_t length) {
  if (hive != os::HiveCurrentUser() && hive != os::HiveLocalMachine()) return false;
  if (length >= kRelativeOpenPathLimit) return false;
  const char* second = path;
  while (*second != '\0' && *second != '\\') ++second;
  if (*second == '\0') return true;
  ++second;
  size_t n = 0;
  while (second[n] != '\0' && second[n] != '\\') ++n;
  for (const char* mixed : kMixedTrees) {
    if (SameName(second, n, mixed)) return false;
  }
  return true;
}

void CloseFrom(int level) {
  while (Chain.count > level) os::CloseRegistryKey(Chain.key[--Chain.count]);
}

// The deepest kept level whose path is path itself or a key above it; -1 when none is.
int DeepestKeptAbove(os::RegKey hive, const char* path, uint32_t mask) {
  if (Chain.count == 0 || Chain.hive != hive || Chain.mask != mask) return -1;
  // Key names do not depend on case, and the walker lowercases its path in place between
  // reads of the same key: paths are compared without regard to ASCII case.
  size_t same = 0;
  while (path[same] != '\0' && Lower(path[same]) == Lower(Chain.path[same])) ++same;
  for (int level = Chain.count - 1; level >= 0; --level) {
    size_t n = Chain.length[level];
    if (n <= same && (path[n] == '\0' || path[n] == '\\')) return level;
  }
  return -1;
}

void Keep(int level, os::RegKey key, const char* path, size_t length) {
  CopyText(Chain.path, path);
  Chain.length[level] = length;
  Chain.key[level] = key;
  Chain.count = level + 1;
}

}  // namespace

uint32_t OpenKeptKey(os::RegKey hive, const char* path, uint32_t mask, os::RegKey* key,
                     bool* kept) {
  *kept = false;
  size_t length = path == nullptr ? kKeptPathSize : BoundedLength(path, kKeptPathSize);
  if (!Keeping || length >= kKeptPathSize) return os::OpenRegistryKey(hive, path, mask, key);

  int level = DeepestKeptAbove(hive, path, mask);
  if (level >= 0 && path[Chain.length[level]] == '\0') {
    CloseFrom(level + 1);  // the walk came back up: the keys below are done with
    *key = Chain.key[level];
    *kept = true;
    return os::kErrorSuccess;
  }
  if (level >= 0) {
    const char* rest = path + Chain.length[level] + 1;
    if (rest[0] != '\0' && rest[0] != '\\' && level + 1 < kKeptLevels &&
        OpensFromParent(hive, path, length)) {
      uint32_t status = os::OpenRegistryKey(Chain.key[level], rest, mask, key);
      if (status == os::kErrorSuccess) {
        CloseFrom(level + 1);
        Keep(level + 1, *key, path, length);
        *kept = true;
        return status;
      }
      // A parent the registry no longer knows (the host tests' registry reset) is forgotten
      // and the path opened in full; any other failure is the key's own.
      if (status != os::kErrorInvalidHandle) return status;
      ForgetKeptKeys();
    }
  }
  uint32_t status = os::OpenRegistryKey(hive, path, mask, key);
  if (status != os::kErrorSuccess) return status;
  CloseFrom(0);
  Chain.hive = hive;
  Chain.mask = mask;
  Keep(0, *key, path, length);
  *kept = true;
  return status;
}

void CloseKeptKeys() { CloseFrom(0); }

void ForgetKeptKeys() { Chain.count = 0; }

void SetKeepingKeys(int enabled) {
  CloseKeptKeys();
  Keeping = enabled;
}
