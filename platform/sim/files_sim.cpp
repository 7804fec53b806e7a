// The sim's file system: drive-letter paths resolved the way Win32 resolves them (current
// directory, "." and "..", runs of separators, trailing dots and blanks), names matched
// regardless of case, files held byte for byte.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/sim/sim_files.h"
#include "platform/sim/sim_state.h"
#include "platform/text.h"

// An open stream of the sim.
struct os::OsFile {
  std::string key;  // the file's key in the tree
  bool text;        // "\n" goes to the file as CR LF
  bool canWrite;
  bool append;        // every write goes to the end
  size_t position;    // where the next write goes unless appending
  bool lost = false;  // a write was refused or cut short
};

namespace {

// Limits of the ANSI file calls: a path text of MAX_PATH (260) characters with its terminator;
// SetCurrentDirectoryA adds a backslash, CreateDirectoryA keeps room for an 8.3 name.
constexpr size_t kMaxPath = 260;
constexpr size_t kMaxCurrentFolder = kMaxPath - 2;
constexpr size_t kMaxCreateFolder = kMaxPath - 13;

struct Node {
  bool folder;
  std::string bytes;
};

struct FilesState {
  std::map<std::string, Node> nodes;  // key: the full path upper-cased, e.g. "C:\HOSTS\APP"
  std::vector<std::string> current;   // the current directory's parts as spelled, e.g. {"C:"}
  std::vector<std::string> setLog;
  std::vector<std::string> failingFolders;  // keys
  long long writeBudget = -1;               // negative: no limit
  std::vector<std::unique_ptr<os::OsFile>> open;
};

FilesState Fresh() {
  FilesState f;
  f.nodes["C:"] = Node{true, {}};
  f.current = {"C:"};
  return f;
}

FilesState& F() {
  static FilesState state = Fresh();
  return state;
}

void ResetFiles() { F() = Fresh(); }
const sim::ResetHook resetFiles(&ResetFiles);

std::string Upper(const std::string& text) {
  std::string out(text);
  for (char& c : out) c = os::UpperChar(c);
  return out;
}

std::string Join(const std::vector<std::string>& parts) {
  std::string out = parts[0];
  if (parts.size() == 1) return out + "\\";
  for (size_t i = 1; i < parts.size(); ++i) out += "\\" + parts[i];
  return out;
}

std::string KeyOf(const std::vector<std::string>& parts) {
  std::string out = Upper(parts[0]);
  for (size_t i = 1; i < parts.size(); ++i) out += "\\" + Upper(parts[i]);
  return out;
}

bool ValidNameChar(unsigned char c) { return c >= 0x20 && std::strchr("<>:\"|?*", c) == nullptr; }

// Resolves a path against the current directory into its parts: the drive ("C:") and the names
// below it. False for texts the file calls reject: empty, too long, network paths, invalid
// characters.
bool Resolve(const char* path, std::vector<std::string>* parts) {
  std::string p(path);
  if (p.empty() || p.size() >= kMaxPath) return false;
  for (char& c : p) {
    if (c == '/') c = '\\';
  }
  if (p.size() >= 2 && p[0] == '\\' && p[1] == '\\') return false;  // no network in the sim
  const std::vector<std::string>& current = F().current;
  std::string rest;
  if (p.size() >= 2 && p[1] == ':') {
    unsigned char d = static_cast<unsigned char>(p[0]);
    if (!((d >= 'A' && d <= 'Z') || (d >= 'a' && d <= 'z'))) return false;
    std::string drive = std::string(1, os::UpperChar(p[0])) + ":";
    rest = p.substr(2);
    // "C:name" is relative to the current directory when that is on drive C.
    if (!rest.empty() && rest[0] == '\\') {
      *parts = {drive};
    } else if (Upper(current[0]) == drive) {
      *parts = current;
    } else {
      *parts = {drive};
    }
  } else if (p[0] == '\\') {
    *parts = {current[0]};
    rest = p;
  } else {
    *parts = current;
    rest = p;
  }
  const bool endsWithSeparator = !rest.empty() && rest.back() == '\\';
  size_t start = 0;
  while (start <= rest.size()) {
    size_t end = rest.find('\\', start);
    if (end == std::string::npos) end = rest.size();
    std::string name = rest.substr(start, end - start);
    const bool last = end == rest.size();
    start = end + 1;
    if (name.empty() || name == ".") continue;
    if (name == "..") {
      if (parts->size() > 1) parts->pop_back();
      continue;
    }
    // Win32 drops one trailing dot of a name, and every trailing dot and blank of the last name
    // when the path does not end with a separator.
    if (last && !endsWithSeparator) {
      while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
    } else if (name.size() >= 2 && name.back() == '.' && name[name.size() - 2] != '.') {
      name.pop_back();
    }
    if (name.empty()) continue;
    for (char c : name) {
      if (!ValidNameChar(static_cast<unsigned char>(c))) return false;
    }
    parts->push_back(name);
  }
  return true;
}

const Node* Find(const std::string& key) {
  auto it = F().nodes.find(key);
  return it == F().nodes.end() ? nullptr : &it->second;
}

bool IsFolderKey(const std::string& key) {
  const Node* n = Find(key);
  return n != nullptr && n->folder;
}

std::string ParentKey(const std::vector<std::string>& parts) {
  return KeyOf(std::vector<std::string>(parts.begin(), parts.end() - 1));
}

bool UnderFailingFolder(const std::string& key) {
  for (const std::string& folder : F().failingFolders) {
    if (key == folder || key.compare(0, folder.size() + 1, folder + "\\") == 0) return true;
  }
  return false;
}

std::vector<std::string> ResolveOrDie(const std::string& path) {
  std::vector<std::string> parts;
  if (!Resolve(path.c_str(), &parts)) {
    std::fprintf(stderr, "sim files: not a usable path: %s\n", path.c_str());
    std::abort();
  }
  return parts;
}

}  // namespace

namespace os {

bool SetCurrentFolder(const char* path) {
  FilesState& f = F();
  f.setLog.emplace_back(path);
  std::vector<std::string> parts;
  if (!Resolve(path, &parts) || !IsFolderKey(KeyOf(parts))) return false;
  if (Join(parts).size() > kMaxCurrentFolder) return false;
  f.current = parts;
  return true;
}

bool CreateFolder(const char* path) {
  std::vector<std::string> parts;
  if (!Resolve(path, &parts) || parts.size() < 2) return false;
  if (Join(parts).size() > kMaxCreateFolder) return false;
  const std::string key = KeyOf(parts);
  if (Find(key) != nullptr || !IsFolderKey(ParentKey(parts)) || UnderFailingFolder(key)) {
    return false;
  }
  F().nodes[key] = Node{true, {}};
  return true;
}

FileHandle OpenFile(const char* path, const char* mode) {
  const char kind = mode[0];
  if (kind != 'r' && kind != 'w' && kind != 'a') return nullptr;
  bool update = false, text = true;
  for (const char* m = mode + 1; *m != '\0'; ++m) {
    if (*m == '+') {
      update = true;
    } else if (*m == 't') {
      text = true;
    } else if (*m == 'b') {
      text = false;
    } else {
      return nullptr;
    }
  }
  std::vector<std::string> parts;
  if (!Resolve(path, &parts) || parts.size() < 2) return nullptr;
  const std::string key = KeyOf(parts);
  const bool writing = kind != 'r' || update;
  if (writing && UnderFailingFolder(key)) return nullptr;
  FilesState& f = F();
  auto it = f.nodes.find(key);
  if (it != f.nodes.end() && it->second.folder) return nullptr;
  if (it == f.nodes.end()) {
    if (kind == 'r' || !IsFolderKey(ParentKey(parts))) return nullptr;
    it = f.nodes.emplace(key, Node{false, {}}).first;
  }
  if (kind == 'w') it->second.bytes.clear();
  f.open.push_back(std::make_unique<OsFile>(OsFile{key, text, writing, kind == 'a', 0}));
  return f.open.back().get();
}

size_t WriteFile(FileHandle file, const void* data, size_t size) {
  auto it = F().nodes.find(file->key);
  if (!file->canWrite || it == F().nodes.end()) {
    file->lost = size > 0;
    return 0;
  }
  std::string& bytes = it->second.bytes;
  long long& budget = F().writeBudget;
  const char* source = static_cast<const char*>(data);
  size_t done = 0;
  for (; done < size; ++done) {
    const bool crlf = file->text && source[done] == '\n';
    const long long need = crlf ? 2 : 1;
    if (budget >= 0 && budget < need) {
      file->lost = true;
      break;
    }
    if (budget >= 0) budget -= need;
    size_t at = file->append ? bytes.size() : file->position;
    const std::string piece = crlf ? std::string("\r\n") : std::string(1, source[done]);
    bytes.replace(at, std::min(piece.size(), bytes.size() - std::min(at, bytes.size())), piece);
    file->position = at + piece.size();
  }
  return done;
}

bool CloseFile(FileHandle file) {
  if (file == nullptr) return false;
  const bool ok = !file->lost;
  auto& open = F().open;
  for (auto it = open.begin(); it != open.end(); ++it) {
    if (it->get() == file) {
      open.erase(it);
      break;
    }
  }
  return ok;
}

}  // namespace os

namespace sim {

void AddFolder(const std::string& path) {
  std::vector<std::string> parts = ResolveOrDie(path);
  for (size_t n = 1; n <= parts.size(); ++n) {
    const std::string key = KeyOf(std::vector<std::string>(parts.begin(), parts.begin() + n));
    auto it = F().nodes.find(key);
    if (it == F().nodes.end()) {
      F().nodes[key] = Node{true, {}};
    } else if (!it->second.folder) {
      std::fprintf(stderr, "sim files: %s is a file, not a folder\n", key.c_str());
      std::abort();
    }
  }
}

bool FolderExists(const std::string& path) {
  std::vector<std::string> parts;
  return Resolve(path.c_str(), &parts) && IsFolderKey(KeyOf(parts));
}

void PutFile(const std::string& path, const std::string& bytes) {
  std::vector<std::string> parts = ResolveOrDie(path);
  const std::string key = KeyOf(parts);
  const Node* existing = Find(key);
  if (parts.size() < 2 || !IsFolderKey(ParentKey(parts)) ||
      (existing != nullptr && existing->folder)) {
    std::fprintf(stderr, "sim files: cannot put a file at %s\n", path.c_str());
    std::abort();
  }
  F().nodes[key] = Node{false, bytes};
}

bool FileExists(const std::string& path) {
  std::vector<std::string> parts;
  if (!Resolve(path.c_str(), &parts)) return false;
  const Node* n = Find(KeyOf(parts));
  return n != nullptr && !n->folder;
}

std::string FileBytes(const std::string& path) {
  std::vector<std::string> parts;
  if (!Resolve(path.c_str(), &parts)) return {};
  const Node* n = Find(KeyOf(parts));
  return n != nullptr && !n->folder ? n->bytes : std::string();
}

std::string CurrentFolder() { return Join(F().current); }

const std::vector<std::string>& SetCurrentFolderLog() { return F().setLog; }

void FailOpensUnder(const std::string& folder) {
  F().failingFolders.push_back(KeyOf(ResolveOrDie(folder)));
}

void LimitWrittenBytes(long long bytes) { F().writeBudget = bytes; }

}  // namespace sim
