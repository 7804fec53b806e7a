// A fixed tree of registry fixtures and a long pseudo-random sequence of the installer's
// registry reads over it, recording every result: statuses, the whole out buffers, the value
// cursor. Running the sequence once with keys kept open and once with every key reopened, each
// run on its own copy of the tree, must give the same records.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "discovery/registry_access.h"
#include "platform/registry.h"

namespace regseq {

struct Record {
  int step;
  int op;
  uint32_t status;
  int cursor;
  std::string name;  // the whole 400-byte buffers, not just their texts
  std::string data;
  bool operator==(const Record& o) const {
    return step == o.step && op == o.op && status == o.status && cursor == o.cursor &&
           name == o.name && data == o.data;
  }
};

inline void Put(os::RegKey hive, uint32_t view, const std::string& path, const std::string& name,
                uint32_t type, const std::string& bytes) {
  os::RegKey key = nullptr;
  if (os::CreateRegistryKey(hive, path.c_str(), os::kKeyAllAccess | view, &key) != 0) return;
  os::SetRegistryValue(key, name.c_str(), type, reinterpret_cast<const uint8_t*>(bytes.data()),
                       static_cast<uint32_t>(bytes.size()));
  os::CloseRegistryKey(key);
}

inline std::string Sz(const std::string& text) { return text + std::string(1, '\0'); }

// Two levels of long names below \A\Sub1: their full paths are longer than Wine's ANSI calls
// take, so they are created from their parents.
inline std::string LongName(char c) { return std::string(120, c); }

inline void PutDeep(const std::string& parentPath) {
  os::RegKey parent = nullptr, first = nullptr, second = nullptr;
  if (os::CreateRegistryKey(os::HiveCurrentUser(), parentPath.c_str(), os::kKeyAllAccess,
                            &parent) != 0) {
    return;
  }
  if (os::CreateRegistryKey(parent, LongName('L').c_str(), os::kKeyAllAccess, &first) == 0) {
    if (os::CreateRegistryKey(first, LongName('M').c_str(), os::kKeyAllAccess, &second) == 0) {
      os::SetRegistryValue(second, "Deep", os::kRegSz, reinterpret_cast<const uint8_t*>("C:\\d"),
                           5);
      os::CloseRegistryKey(second);
    }
    os::CloseRegistryKey(first);
  }
  os::CloseRegistryKey(parent);
}

// The tree under HKCU\Software\<root> and, different per view, HKLM\SOFTWARE\<root>.
inline void WriteFixtures(const std::string& root) {
  const std::string cu = "Software\\" + root;
  os::RegKey user = os::HiveCurrentUser();
  Put(user, 0, cu + "\\A", "One", os::kRegSz, Sz("C:\\One"));
  Put(user, 0, cu + "\\A", "Two", os::kRegDword, std::string("\x07\0\0\0", 4));
  Put(user, 0, cu + "\\A", "Three", os::kRegSz, Sz(std::string(300, 't')));
  Put(user, 0, cu + "\\A", "Four", os::kRegSz, Sz("D:\\Four"));
  Put(user, 0, cu + "\\A", "", os::kRegSz, Sz("default"));
  Put(user, 0, cu + "\\A\\Sub1", std::string(260, 'n'), os::kRegSz, Sz("long name"));
  Put(user, 0, cu + "\\A\\Sub1", "Exact", os::kRegSz, Sz(std::string(255, 'e')));
  Put(user, 0, cu + "\\A\\Sub1", "Empty", os::kRegSz, "");
  Put(user, 0, cu + "\\A\\Sub1", "Expand", os::kRegExpandSz, Sz("%TEMP%"));
  Put(user, 0, cu + "\\A\\sub2", "Bin", os::kRegBinary, std::string(300, 'b'));
  Put(user, 0, cu + "\\A\\sub2", "Plug", os::kRegSz, Sz("E:\\Plug-ins"));
  Put(user, 0, cu + "\\B", "Only", os::kRegSz, Sz("x"));
  PutDeep(cu + "\\A\\Sub1");
  const std::string lm = "SOFTWARE\\" + root;
  os::RegKey machine = os::HiveLocalMachine();
  Put(machine, os::kKeyWow64_32, lm + "\\A", "View", os::kRegSz, Sz("32"));
  Put(machine, os::kKeyWow64_32, lm + "\\A\\Only32", "Here", os::kRegSz, Sz("C:\\32"));
  Put(machine, os::kKeyWow64_64, lm + "\\A", "View", os::kRegSz, Sz("64"));
  Put(machine, os::kKeyWow64_64, lm + "\\A", "Extra", os::kRegSz, Sz("C:\\64"));
  Put(machine, os::kKeyWow64_64, lm + "\\A\\Only64", "Here", os::kRegSz, Sz("C:\\64"));
}

// A small deterministic generator: the same sequence in every build.
struct Lcg {
  uint32_t state;
  uint32_t Next(uint32_t bound) {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) % bound;
  }
};

inline std::string Flip(std::string text, bool upper) {
  for (char& c : text) {
    if (upper && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (!upper && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

inline std::vector<Record> Run(const std::string& root, uint32_t seed, int steps) {
  const std::string deep1 = "\\A\\Sub1\\" + LongName('L');
  const std::string deep2 = deep1 + "\\" + LongName('M');
  const char* tails[] = {"",          "\\A",         "\\A\\Sub1",   "\\A\\sub2",
                         "\\B",       "\\Missing",   "\\A\\Only32", "\\A\\Only64",
                         "\\A\\Sub1", deep1.c_str(), deep2.c_str(), "\\A\\Sub1\\Nope"};
  const char* names[] = {"One", "Two",  "Three", "Four",  "",     "Exact", "Empty", "Expand",
                         "Bin", "Plug", "View",  "Extra", "Here", "Nope",  "Only"};
  Lcg rng{seed};
  std::vector<Record> records;
  Use64BitView = 0;
  ValueCursor = 0;
  int written = 0;
  for (int step = 0; step < steps; ++step) {
    bool machine = rng.Next(2) == 1;
    std::string path = std::string(machine ? "SOFTWARE\\" : "Software\\") + root +
                       tails[rng.Next(sizeof(tails) / sizeof(tails[0]))];
    uint32_t caseChoice = rng.Next(4);
    if (caseChoice == 1) path = Flip(path, true);
    if (caseChoice == 2) path = Flip(path, false);
    os::RegKey hive = machine ? os::HiveLocalMachine() : os::HiveCurrentUser();
    Record r{step, static_cast<int>(rng.Next(10)), 0,
             0,    std::string(400, '\0'),         std::string(400, '\0')};
    // Stale bytes in the buffers show whatever a call leaves untouched.
    std::memset(&r.name[0], 'a' + step % 26, 400);
    std::memset(&r.data[0], 'A' + step % 26, 400);
    if (r.op <= 1) {
      r.status = ReadStringValue(hive, path.c_str(),
                                 names[rng.Next(sizeof(names) / sizeof(names[0]))], &r.data[0]);
    } else if (r.op <= 5) {
      // A run of value reads on one key, sometimes left before its end.
      int calls = 1 + static_cast<int>(rng.Next(8));
      for (int i = 0; i < calls; ++i) {
        r.status = EnumStringValue(hive, path.c_str(), &r.name[0], &r.data[0]);
        r.cursor = ValueCursor;
        records.push_back(r);
        if (r.status != 0) break;
      }
      continue;
    } else if (r.op <= 7) {
      r.status = EnumSubkeyName(hive, path.c_str(), &r.name[0], rng.Next(4));
    } else if (r.op == 8) {
      Use64BitView = Use64BitView ? 0 : 1;
    } else if (written < 6) {
      // Writes land in keys the reads use, so reads after them must see them.
      ++written;
      std::string value = "W" + std::to_string(step);
      WriteUserValue(("Software\\" + root + tails[1 + rng.Next(4)]).c_str(), value.c_str(), 5,
                     reinterpret_cast<const uint8_t*>("E:\\w\0"), 1);
    }
    r.cursor = ValueCursor;
    records.push_back(r);
  }
  CloseRegistryCache();
  Use64BitView = 0;
  ValueCursor = 0;
  return records;
}

}  // namespace regseq
