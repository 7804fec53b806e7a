// The in-memory registry: three hives, the two views of HKLM\SOFTWARE, case-insensitive key
// names, values in insertion order and the ANSI call semantics the installer relies on
// (sizes, terminators, ERROR_MORE_DATA, the order in which the checks are made).
#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <memory>

#include "platform/registry.h"
#include "platform/sim/sim_registry.h"
#include "platform/sim/sim_state.h"
#include "platform/text.h"

namespace sim {
namespace {

constexpr uint32_t kErrorAccessDenied = 5;
constexpr uint32_t kErrorInvalidHandle = 6;
constexpr uint32_t kErrorInvalidParameter = 87;
constexpr uint32_t kErrorBadPathname = 161;
constexpr uint32_t kErrorNoAccess = 998;

constexpr uint32_t kKeyQueryValue = 0x0001;
constexpr uint32_t kKeySetValue = 0x0002;
constexpr uint32_t kKeyEnumerateSubKeys = 0x0008;
constexpr uint32_t kRegMultiSz = 7;

// A key name component may hold at most this many characters.
constexpr size_t kMaxKeyNameLength = 255;

struct Value {
  std::string name;
  uint32_t type;
  std::vector<uint8_t> data;
};

struct Key {
  std::string name;
  std::vector<Value> values;                  // insertion order = enumeration order
  std::vector<std::unique_ptr<Key>> subkeys;  // kept sorted, as the registry enumerates them
};

struct OpenKey {
  Key* key;
  uint32_t access;
};

struct Registry {
  Registry() { localMachine.subkeys.push_back(std::make_unique<Key>(Key{"SOFTWARE", {}, {}})); }
  Key classesRoot;
  Key currentUser;
  Key localMachine;  // holds SOFTWARE of the 64-bit view (the only one on 32-bit Windows)
  Key software32{"SOFTWARE", {}, {}};
  Windows windows = Windows::k64Bit;
  std::map<uintptr_t, OpenKey> handles;
  RegistryCalls calls{};
  uint32_t lastOpenAccess = 0;
  os::RegKey lastOpenParent = nullptr;
};

// Handle values are never reused, not even across a reset, so a handle kept from before a
// reset is refused instead of reaching some other key.
uintptr_t NextHandle() {
  static uintptr_t next = 0x1000;
  next += 4;
  return next;
}

Registry& R() {
  static Registry registry;
  return registry;
}

void ForgetRegistry() { R() = Registry(); }
ResetHook resetRegistry(ForgetRegistry);

// Names match as the registry matches them, in upper case; letters beyond ASCII follow the
// ANSI code page (the sim's is Windows-1252), so "\xE9" and "\xC9" name one key.
struct FoldTable {
  unsigned char upper[256];
  FoldTable() {
    for (int i = 0; i < 256; ++i) {
      upper[i] = static_cast<unsigned char>(os::UpperChar(static_cast<char>(i)));
    }
  }
};
unsigned char Fold(char c) {
  static const FoldTable table;
  return table.upper[static_cast<unsigned char>(c)];
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Fold(a[i]) != Fold(b[i])) return false;
  }
  return true;
}

// The order of subkeys: names compared character by character in upper case.
bool NameBefore(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return Fold(x) < Fold(y); });
}

bool IsString(uint32_t type) {
  return type == os::kRegSz || type == os::kRegExpandSz || type == kRegMultiSz;
}

// Which SOFTWARE tree a view reaches: on 32-bit Windows both views are the one tree.
Key* Software(View view) {
  Registry& r = R();
  if (view == View::k32 && r.windows == Windows::k64Bit) return &r.software32;
  for (auto& k : r.localMachine.subkeys) {
    if (SameName(k->name, "SOFTWARE")) return k.get();
  }
  return nullptr;  // not reached: the local machine always holds SOFTWARE
}

// A mask without a view bit reads as the 32-bit installer does on 64-bit Windows.
View ViewOf(uint32_t access) { return (access & os::kKeyWow64_64) ? View::k64 : View::k32; }

Key* HiveKey(os::RegKey hive) {
  Registry& r = R();
  if (hive == os::HiveClassesRoot()) return &r.classesRoot;
  if (hive == os::HiveCurrentUser()) return &r.currentUser;
  if (hive == os::HiveLocalMachine()) return &r.localMachine;
  return nullptr;
}

// The key behind a handle: a hive or a key opened earlier. Null for anything else.
Key* KeyOf(os::RegKey handle, uint32_t* access) {
  if (Key* hive = HiveKey(handle)) {
    if (access) *access = os::kKeyAllAccess;
    return hive;
  }
  auto it = R().handles.find(reinterpret_cast<uintptr_t>(handle));
  if (it == R().handles.end()) return nullptr;
  if (access) *access = it->second.access;
  return it->second.key;
}

// Splits a key path as the registry does: it may not begin with a backslash; runs of
// backslashes separate like one, and a trailing one is ignored.
bool SplitPath(const char* path, std::vector<std::string>* parts) {
  parts->clear();
  if (path == nullptr) return true;
  if (path[0] == '\\') return false;
  std::string part;
  for (const char* p = path;; ++p) {
    if (*p == '\\' || *p == '\0') {
      if (!part.empty()) parts->push_back(part);
      part.clear();
      if (*p == '\0') break;
    } else {
      part += *p;
    }
  }
  return true;
}

Key* Child(Key* parent, const std::string& name, View view, bool create) {
  if (parent == &R().localMachine && SameName(name, "SOFTWARE")) return Software(view);
  auto& subs = parent->subkeys;
  auto it = std::lower_bound(subs.begin(), subs.end(), name,
                             [](const auto& k, const auto& n) { return NameBefore(k->name, n); });
  if (it != subs.end() && SameName((*it)->name, name)) return it->get();
  if (!create) return nullptr;
  return subs.insert(it, std::make_unique<Key>(Key{name, {}, {}}))->get();
}

Key* Walk(Key* from, const std::vector<std::string>& parts, View view, bool create) {
  Key* key = from;
  for (const auto& part : parts) {
    key = Child(key, part, view, create);
    if (key == nullptr) return nullptr;
  }
  return key;
}

Key* Find(os::RegKey hive, View view, const std::string& path, bool create) {
  std::vector<std::string> parts;
  Key* root = HiveKey(hive);
  if (root == nullptr || !SplitPath(path.c_str(), &parts)) return nullptr;
  return Walk(root, parts, view, create);
}

Value* FindValue(Key* key, const char* name) {
  std::string wanted = name ? name : "";
  for (auto& v : key->values) {
    if (SameName(v.name, wanted)) return &v;
  }
  return nullptr;
}

void Store(Key* key, const std::string& name, uint32_t type, std::vector<uint8_t> data) {
  if (Value* v = FindValue(key, name.c_str())) {
    v->type = type;
    v->data = std::move(data);
    return;
  }
  key->values.push_back(Value{name, type, std::move(data)});
}

os::RegKey NewHandle(Key* key, uint32_t access) {
  uintptr_t id = NextHandle();
  R().handles[id] = OpenKey{key, access};
  return reinterpret_cast<os::RegKey>(id);
}

}  // namespace

void PutKey(os::RegKey hive, View view, const std::string& path) { Find(hive, view, path, true); }

void PutValue(os::RegKey hive, View view, const std::string& path, const std::string& name,
              uint32_t type, const std::vector<uint8_t>& data) {
  if (Key* key = Find(hive, view, path, true)) Store(key, name, type, data);
}

void PutString(os::RegKey hive, View view, const std::string& path, const std::string& name,
               const std::string& text) {
  std::vector<uint8_t> bytes(text.begin(), text.end());
  bytes.push_back(0);
  PutValue(hive, view, path, name, os::kRegSz, bytes);
}

bool GetValue(os::RegKey hive, View view, const std::string& path, const std::string& name,
              uint32_t* type, std::vector<uint8_t>* data) {
  Key* key = Find(hive, view, path, false);
  if (key == nullptr) return false;
  Value* v = FindValue(key, name.c_str());
  if (v == nullptr) return false;
  if (type) *type = v->type;
  if (data) *data = v->data;
  return true;
}

void SetWindows(Windows kind) { R().windows = kind; }
Windows CurrentWindows() { return R().windows; }

RegistryCalls& Calls() { return R().calls; }
int OpenRegistryHandles() { return static_cast<int>(R().handles.size()); }
uint32_t LastOpenAccess() { return R().lastOpenAccess; }
os::RegKey LastOpenParent() { return R().lastOpenParent; }

}  // namespace sim

namespace os {

using sim::R;

uint32_t OpenRegistryKey(RegKey hive, const char* path, uint32_t access, RegKey* out) {
  ++R().calls.open;
  R().lastOpenAccess = access;
  R().lastOpenParent = hive;
  if (out == nullptr) return sim::kErrorInvalidParameter;
  sim::Key* from = sim::KeyOf(hive, nullptr);
  if (from == nullptr) return sim::kErrorInvalidHandle;
  static std::vector<std::string> parts;  // kept: opens are the sim's most frequent call
  if (!sim::SplitPath(path, &parts)) return sim::kErrorBadPathname;
  sim::Key* key = sim::Walk(from, parts, sim::ViewOf(access), false);
  if (key == nullptr) return kErrorFileNotFound;
  *out = sim::NewHandle(key, access);
  return kErrorSuccess;
}

uint32_t CreateRegistryKey(RegKey hive, const char* path, uint32_t access, RegKey* out) {
  ++R().calls.create;
  if (out == nullptr) return sim::kErrorInvalidParameter;
  sim::Key* from = sim::KeyOf(hive, nullptr);
  if (from == nullptr) return sim::kErrorInvalidHandle;
  std::vector<std::string> parts;
  if (!sim::SplitPath(path, &parts)) return sim::kErrorBadPathname;
  for (const auto& part : parts) {
    if (part.size() > sim::kMaxKeyNameLength) return sim::kErrorInvalidParameter;
  }
  sim::Key* key = sim::Walk(from, parts, sim::ViewOf(access), true);
  *out = sim::NewHandle(key, access);
  return kErrorSuccess;
}

uint32_t CloseRegistryKey(RegKey key) {
  ++R().calls.close;
  if (sim::HiveKey(key) != nullptr) return kErrorSuccess;
  if (R().handles.erase(reinterpret_cast<uintptr_t>(key)) == 0) return sim::kErrorInvalidHandle;
  return kErrorSuccess;
}

uint32_t QueryRegistryValue(RegKey key, const char* name, uint32_t* type, uint8_t* data,
                            uint32_t* size) {
  ++R().calls.query;
  if (data != nullptr && size == nullptr) return sim::kErrorInvalidParameter;
  uint32_t access = 0;
  sim::Key* k = sim::KeyOf(key, &access);
  if (k == nullptr) return sim::kErrorInvalidHandle;
  if (!(access & sim::kKeyQueryValue)) return sim::kErrorAccessDenied;
  uint32_t capacity = size ? *size : 0;
  if (data == nullptr && size != nullptr) *size = 0;
  // The type is written before the value is looked for: a missing value leaves REG_NONE.
  if (type) *type = kRegNone;
  const sim::Value* v = sim::FindValue(k, name);
  if (v == nullptr) return kErrorFileNotFound;
  uint32_t status = kErrorSuccess;
  uint32_t length = static_cast<uint32_t>(v->data.size());
  if (data != nullptr && (length > 0 || !sim::IsString(v->type))) {
    if (length > capacity) {
      status = kErrorMoreData;  // the buffer is left as it was
    } else {
      if (length > 0) std::memcpy(data, v->data.data(), length);
      // A string stored without its terminator gets one when there is room for it.
      if (sim::IsString(v->type) && length < capacity && data[length - 1] != 0) data[length] = 0;
    }
  }
  if (type) *type = v->type;
  if (size) *size = length;
  return status;
}

uint32_t EnumRegistryValue(RegKey key, uint32_t index, char* name, uint32_t* nameLength,
                           uint32_t* type, uint8_t* data, uint32_t* dataLength) {
  ++R().calls.enumValue;
  if ((data != nullptr && dataLength == nullptr) || name == nullptr || nameLength == nullptr) {
    return sim::kErrorInvalidParameter;
  }
  uint32_t access = 0;
  sim::Key* k = sim::KeyOf(key, &access);
  if (k == nullptr) return sim::kErrorInvalidHandle;
  if (!(access & sim::kKeyQueryValue)) return sim::kErrorAccessDenied;
  if (index >= k->values.size()) return kErrorNoMoreItems;
  const sim::Value& v = k->values[index];
  uint32_t status = kErrorSuccess;
  uint32_t length = static_cast<uint32_t>(v.data.size());
  // The data is checked first; only when it fits is the name looked at.
  if (data != nullptr && (length > 0 || !sim::IsString(v.type))) {
    if (length > *dataLength) {
      status = kErrorMoreData;
    } else {
      if (length > 0) std::memcpy(data, v.data.data(), length);
      if (sim::IsString(v.type) && length < *dataLength && data[length - 1] != 0) {
        data[length] = 0;
      }
    }
  }
  if (status == kErrorSuccess) {
    uint32_t nameSize = static_cast<uint32_t>(v.name.size());
    if (nameSize >= *nameLength) {
      // Too long for the buffer: it receives as much of the name as fits, terminated.
      status = kErrorMoreData;
      if (*nameLength > 0) {
        std::memcpy(name, v.name.data(), *nameLength - 1);
        name[*nameLength - 1] = '\0';
      }
    } else {
      std::memcpy(name, v.name.data(), nameSize);
      name[nameSize] = '\0';
      *nameLength = nameSize;
    }
  }
  if (type) *type = v.type;
  if (dataLength) *dataLength = length;
  return status;
}

uint32_t EnumRegistrySubkey(RegKey key, uint32_t index, char* name, uint32_t* nameLength) {
  ++R().calls.enumKey;
  if (name == nullptr || nameLength == nullptr) return sim::kErrorInvalidParameter;
  uint32_t access = 0;
  sim::Key* k = sim::KeyOf(key, &access);
  if (k == nullptr) return sim::kErrorInvalidHandle;
  if (!(access & sim::kKeyEnumerateSubKeys)) return sim::kErrorAccessDenied;
  if (index >= k->subkeys.size()) return kErrorNoMoreItems;
  const std::string& subName = k->subkeys[index]->name;
  uint32_t nameSize = static_cast<uint32_t>(subName.size());
  if (nameSize >= *nameLength) return kErrorMoreData;  // buffer and length left as they were
  std::memcpy(name, subName.data(), nameSize);
  name[nameSize] = '\0';
  *nameLength = nameSize;
  return kErrorSuccess;
}

uint32_t SetRegistryValue(RegKey key, const char* name, uint32_t type, const uint8_t* data,
                          uint32_t size) {
  ++R().calls.set;
  uint32_t access = 0;
  sim::Key* k = sim::KeyOf(key, &access);
  if (data == nullptr && size > 0) return sim::kErrorNoAccess;
  if (k == nullptr) return sim::kErrorInvalidHandle;
  if (!(access & sim::kKeySetValue)) return sim::kErrorAccessDenied;
  // A string whose count leaves out its terminator gets it counted after all: the registry
  // looks at the byte after the count, as Windows does.
  if (size > 0 && sim::IsString(type) && data[size - 1] != 0 && data[size] == 0) ++size;
  sim::Store(k, name ? name : "", type,
             std::vector<uint8_t>(data, data == nullptr ? data : data + size));
  return kErrorSuccess;
}

}  // namespace os
