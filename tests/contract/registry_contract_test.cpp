// What the installer relies on from the registry, checked the same way against the in-memory
// registry on the host and against the real one (the 64-bit build under Wine): views, the order
// of values and subkeys, sizes and ERROR_MORE_DATA, terminators, types, statuses, key creation,
// and the installer's own reads over them, with keys kept open and reopened.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "discovery/registry_access.h"
#include "platform/module.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "tests/contract/registry_sequence.h"

namespace {

constexpr uint32_t kErrorAccessDenied = 5;
constexpr uint32_t kErrorBadPathname = 161;
constexpr uint32_t kRegMultiSz = 7;

// Every run writes under a key of its own, so fixtures of earlier runs in a kept Wine prefix
// play no part.
const std::string& Root() {
  static const std::string root =
      "VkRegContract\\R" +
      std::to_string(std::chrono::system_clock::now().time_since_epoch().count());
  return root;
}
std::string User(const std::string& tail) { return "Software\\" + Root() + tail; }
std::string Machine(const std::string& tail) { return "SOFTWARE\\" + Root() + tail; }

using Bytes = std::string;
Bytes Sz(const std::string& text) { return text + Bytes(1, '\0'); }

void Put(os::RegKey hive, uint32_t view, const std::string& path, const std::string& name,
         uint32_t type, const Bytes& bytes) {
  os::RegKey key = nullptr;
  ASSERT_EQ(os::CreateRegistryKey(hive, path.c_str(), os::kKeyAllAccess | view, &key), 0u) << path;
  ASSERT_EQ(
      os::SetRegistryValue(key, name.c_str(), type, reinterpret_cast<const uint8_t*>(bytes.data()),
                           static_cast<uint32_t>(bytes.size())),
      0u);
  os::CloseRegistryKey(key);
}

// An open key, closed at the end of the scope.
struct Key {
  os::RegKey key = nullptr;
  uint32_t status;
  Key(os::RegKey hive, const std::string& path, uint32_t access)
      : status(os::OpenRegistryKey(hive, path.c_str(), access, &key)) {}
  ~Key() {
    if (status == 0) os::CloseRegistryKey(key);
  }
};

struct Query {
  uint32_t status;
  uint32_t type;
  uint32_t size;
  Bytes data;  // the whole buffer
};
Query QueryValue(os::RegKey key, const char* name, uint32_t capacity) {
  Query q{0, 0x55, capacity, Bytes(capacity, '#')};
  q.status =
      os::QueryRegistryValue(key, name, &q.type, reinterpret_cast<uint8_t*>(&q.data[0]), &q.size);
  return q;
}

struct Enumerated {
  uint32_t status;
  std::string name;
  uint32_t type;
  uint32_t size;
  Bytes data;
};
Enumerated EnumValue(os::RegKey key, uint32_t index, uint32_t nameCapacity = 256,
                     uint32_t dataCapacity = 256) {
  std::string name(nameCapacity, '#');
  Enumerated e{0, "", 0x55, dataCapacity, Bytes(dataCapacity, '#')};
  uint32_t nameLength = nameCapacity;
  e.status = os::EnumRegistryValue(key, index, &name[0], &nameLength, &e.type,
                                   reinterpret_cast<uint8_t*>(&e.data[0]), &e.size);
  if (e.status == 0) e.name = name.substr(0, nameLength);
  return e;
}

std::vector<std::string> ValueNames(os::RegKey hive, const std::string& path) {
  Key k(hive, path, os::kKeyRead);
  std::vector<std::string> names;
  for (uint32_t i = 0;; ++i) {
    Enumerated e = EnumValue(k.key, i);
    if (e.status != 0) break;
    names.push_back(e.name);
  }
  return names;
}

std::vector<std::string> SubkeyNames(os::RegKey hive, const std::string& path) {
  Key k(hive, path, os::kKeyRead);
  std::vector<std::string> names;
  char name[256];
  for (uint32_t i = 0;; ++i) {
    uint32_t length = sizeof name;
    if (os::EnumRegistrySubkey(k.key, i, name, &length) != 0) break;
    names.push_back(std::string(name, length));
  }
  return names;
}

std::string ReadInView(const std::string& path, uint32_t view, const char* name) {
  Key k(os::HiveLocalMachine(), path, os::kKeyRead | view);
  if (k.status != 0) return "status " + std::to_string(k.status);
  Query q = QueryValue(k.key, name, 256);
  return q.status == 0 ? std::string(q.data.c_str()) : "status " + std::to_string(q.status);
}

// Wine answers a few things differently from Windows (noted where they are checked).
bool UnderWine() {
  os::ModuleHandle ntdll = os::LoadedModule("ntdll");
  return ntdll != nullptr && os::EntryPoint(ntdll, "wine_get_version") != nullptr;
}

class RegistryContractTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Use64BitView = 0;
    ValueCursor = 0;
  }
  void TearDown() override {
    CloseRegistryCache();
    SetRegistryCaching(1);
    Use64BitView = 0;
    ValueCursor = 0;
  }
};

TEST_F(RegistryContractTest, SoftwareUnderLocalMachineHasTwoViewsAndTheUserOne) {
  Put(os::HiveLocalMachine(), os::kKeyWow64_64, Machine("\\Views"), "v", os::kRegSz, Sz("64"));
  Put(os::HiveLocalMachine(), os::kKeyWow64_32, Machine("\\Views"), "v", os::kRegSz, Sz("32"));
  Put(os::HiveLocalMachine(), os::kKeyWow64_64, Machine("\\Views\\Only64"), "v", os::kRegSz,
      Sz("x"));
  Put(os::HiveLocalMachine(), os::kKeyWow64_32, Machine("\\Views\\Only32"), "v", os::kRegSz,
      Sz("y"));
  Put(os::HiveCurrentUser(), os::kKeyWow64_64, User("\\Views"), "v", os::kRegSz, Sz("user"));

  const std::string notFound = "status " + std::to_string(os::kErrorFileNotFound);
  struct Case {
    std::string path;
    uint32_t view;
    std::string text;
  };
  const std::vector<Case> cases = {
      {Machine("\\Views"), os::kKeyWow64_64, "64"},
      {Machine("\\Views"), os::kKeyWow64_32, "32"},
      {Machine("\\Views"), 0, "32"},  // no view bit: what the 32-bit installer reads
      {Machine("\\Views\\Only64"), os::kKeyWow64_64, "x"},
      {Machine("\\Views\\Only64"), 0, notFound},
      {Machine("\\Views\\Only32"), os::kKeyWow64_32, "y"},
      {Machine("\\Views\\Only32"), os::kKeyWow64_64, notFound},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadInView(c.path, c.view, "v"), c.text) << c.path << " view " << c.view;
  }
  for (uint32_t view : {0u, os::kKeyWow64_32, os::kKeyWow64_64}) {
    Key k(os::HiveCurrentUser(), User("\\Views"), os::kKeyRead | view);
    ASSERT_EQ(k.status, 0u);
    EXPECT_STREQ(QueryValue(k.key, "v", 256).data.c_str(), "user");
  }

  // The installer's reads: the view switch picks the view, and the user's tree is shared.
  char out[400];
  ASSERT_EQ(ReadStringValue(os::HiveLocalMachine(), Machine("\\Views").c_str(), "v", out), 0u);
  EXPECT_STREQ(out, "32");
  Use64BitView = 1;
  ASSERT_EQ(ReadStringValue(os::HiveLocalMachine(), Machine("\\Views").c_str(), "v", out), 0u);
  EXPECT_STREQ(out, "64");
  ASSERT_EQ(ReadStringValue(os::HiveCurrentUser(), User("\\Views").c_str(), "v", out), 0u);
  EXPECT_STREQ(out, "user");
}

TEST_F(RegistryContractTest, WindowsIs64Bit) {
  // The 64-bit build answers as the 32-bit one does on 64-bit Windows; the sim's default
  // Windows is 64-bit.
  EXPECT_NE(os::ProcessIsWow64(), 0);
  EXPECT_NE(IsWow64(), 0);
}

TEST_F(RegistryContractTest, ValuesKeepTheirOrderAndSubkeysAreSorted) {
  const std::string path = User("\\Order");
  for (const char* name : {"zeta", "Alpha", "mid", ""}) {
    Put(os::HiveCurrentUser(), 0, path, name, os::kRegSz, Sz(name));
  }
  Put(os::HiveCurrentUser(), 0, path, "ALPHA", os::kRegSz, Sz("replaced"));  // keeps its place
  // Windows promises no order; in practice it lists values in the order they were created,
  // which the sim does. Wine keeps them sorted by name.
  const std::vector<std::string> order = UnderWine()
                                             ? std::vector<std::string>{"", "Alpha", "mid", "zeta"}
                                             : std::vector<std::string>{"zeta", "Alpha", "mid", ""};
  EXPECT_EQ(ValueNames(os::HiveCurrentUser(), path), order);
  // The installer's run sees the same order, and the replaced value's new data.
  std::vector<std::string> run;
  char name[400], data[400];
  while (EnumStringValue(os::HiveCurrentUser(), path.c_str(), name, data) == 0) {
    run.push_back(name);
    if (run.back() == "Alpha") {
      EXPECT_STREQ(data, "replaced");
    }
  }
  EXPECT_EQ(run, order);

  for (const char* name : {"b", "A", "C", "a_", "aZ", "A1"}) {
    Put(os::HiveCurrentUser(), 0, path + "\\" + name, "v", os::kRegSz, Sz("x"));
  }
  Put(os::HiveCurrentUser(), 0, path + "\\B", "v", os::kRegSz, Sz("same key as b"));
  // Subkeys come sorted without regard to case. Windows compares the names in upper case
  // ('Z' before '_'), Wine in lower case ('_' before 'z').
  const std::vector<std::string> sorted =
      UnderWine() ? std::vector<std::string>{"A", "A1", "a_", "aZ", "b", "C"}
                  : std::vector<std::string>{"A", "A1", "aZ", "a_", "b", "C"};
  EXPECT_EQ(SubkeyNames(os::HiveCurrentUser(), path), sorted);
}

TEST_F(RegistryContractTest, ValueCursorRunsAndResets) {
  // Names in creation order are also in sorted order, so Wine lists them alike.
  Put(os::HiveCurrentUser(), 0, User("\\Run1"), "one", os::kRegSz, Sz("C:\\1"));
  Put(os::HiveCurrentUser(), 0, User("\\Run1"), "two", os::kRegDword, Bytes("\x02\0\0\0", 4));
  Put(os::HiveCurrentUser(), 0, User("\\Run1"), "v_long", os::kRegSz, Sz(std::string(300, 'l')));
  Put(os::HiveCurrentUser(), 0, User("\\Run1"), "w_after", os::kRegSz, Sz("never seen"));
  Put(os::HiveCurrentUser(), 0, User("\\Run2"), "first", os::kRegSz, Sz("C:\\2"));
  char name[400], data[400];
  const std::string run1 = User("\\Run1"), run2 = User("\\Run2");

  EXPECT_EQ(EnumStringValue(os::HiveCurrentUser(), run1.c_str(), name, data), 0u);
  EXPECT_STREQ(name, "one");
  EXPECT_STREQ(data, "C:\\1");
  EXPECT_EQ(EnumStringValue(os::HiveCurrentUser(), run1.c_str(), name, data), 0u);
  EXPECT_STREQ(name, "two");
  EXPECT_STREQ(data, "");  // a number reads as empty text
  EXPECT_EQ(ValueCursor, 2);
  EXPECT_EQ(EnumStringValue(os::HiveCurrentUser(), run1.c_str(), name, data), os::kErrorMoreData);
  EXPECT_EQ(ValueCursor, 0);
  // The next key's run starts at its first value.
  EXPECT_EQ(EnumStringValue(os::HiveCurrentUser(), run2.c_str(), name, data), 0u);
  EXPECT_STREQ(name, "first");
  EXPECT_EQ(EnumStringValue(os::HiveCurrentUser(), run2.c_str(), name, data),
            os::kErrorNoMoreItems);
  EXPECT_EQ(ValueCursor, 0);
  ValueCursor = 3;
  EXPECT_EQ(EnumStringValue(os::HiveCurrentUser(), User("\\Missing").c_str(), name, data),
            os::kErrorFileNotFound);
  EXPECT_EQ(ValueCursor, 0);
}

TEST_F(RegistryContractTest, LongDataAndNamesGiveMoreData) {
  const std::string path = User("\\Long");
  const std::string name255(255, 'n'), name256(256, 'o');  // sorted as created
  Put(os::HiveCurrentUser(), 0, path, "a_fits", os::kRegSz, Sz(std::string(255, 'f')));
  Put(os::HiveCurrentUser(), 0, path, "b_sz", os::kRegSz, Sz(std::string(256, 's')));
  Put(os::HiveCurrentUser(), 0, path, "c_bin", os::kRegBinary, Bytes(300, 'b'));
  Put(os::HiveCurrentUser(), 0, path, name255, os::kRegSz, Sz("a"));
  Put(os::HiveCurrentUser(), 0, path, name256, os::kRegSz, Sz("b"));
  Key k(os::HiveCurrentUser(), path, os::kKeyRead);
  ASSERT_EQ(k.status, 0u);

  struct Case {
    uint32_t index;
    uint32_t status;
    uint32_t type;
    uint32_t size;  // on ERROR_MORE_DATA: the size needed
  };
  for (const Case& c :
       {Case{0, 0, os::kRegSz, 256}, Case{1, os::kErrorMoreData, os::kRegSz, 257},
        Case{2, os::kErrorMoreData, os::kRegBinary, 300}, Case{3, 0, os::kRegSz, 2},
        Case{4, os::kErrorMoreData, os::kRegSz, 2}, Case{5, os::kErrorNoMoreItems, 0x55, 256}}) {
    SCOPED_TRACE(c.index);
    Enumerated e = EnumValue(k.key, c.index);
    EXPECT_EQ(e.status, c.status);
    EXPECT_EQ(e.type, c.type);
    EXPECT_EQ(e.size, c.size);
  }
  EXPECT_EQ(EnumValue(k.key, 3).name, name255);
  for (const char* name : {"b_sz", "c_bin"}) {
    Query q = QueryValue(k.key, name, 256);
    EXPECT_EQ(q.status, os::kErrorMoreData) << name;
    EXPECT_EQ(q.data, Bytes(256, '#')) << name;  // the buffer is left alone
  }
  EXPECT_EQ(QueryValue(k.key, "b_sz", 256).size, 257u);
  EXPECT_EQ(QueryValue(k.key, "a_fits", 256).status, 0u);

  char out[400];
  EXPECT_EQ(ReadStringValue(os::HiveCurrentUser(), path.c_str(), "b_sz", out), os::kErrorMoreData);
  EXPECT_EQ(ReadStringValue(os::HiveCurrentUser(), path.c_str(), "a_fits", out), 0u);
  EXPECT_EQ(std::string(out), std::string(255, 'f'));
}

TEST_F(RegistryContractTest, SubkeyNamesStopAt255Characters) {
  const std::string path = User("\\Names");
  const std::string name255(255, 'k');
  // Created below an open parent: a whole path this long is refused by Wine's ANSI calls.
  os::RegKey parent = nullptr, key = nullptr;
  ASSERT_EQ(os::CreateRegistryKey(os::HiveCurrentUser(), path.c_str(), os::kKeyAllAccess, &parent),
            0u);
  ASSERT_EQ(os::CreateRegistryKey(parent, name255.c_str(), os::kKeyAllAccess, &key), 0u);
  os::CloseRegistryKey(key);
  // Windows allows 255 characters in a key name. Wine allows 256, so there a longer name than
  // the installer's buffer takes can exist.
  const uint32_t longer =
      os::CreateRegistryKey(parent, (name255 + "x").c_str(), os::kKeyAllAccess, &key);
  if (UnderWine()) {
    ASSERT_EQ(longer, 0u);
    os::CloseRegistryKey(key);
    EXPECT_NE(os::CreateRegistryKey(parent, (name255 + "xy").c_str(), os::kKeyAllAccess, &key), 0u);
  } else {
    EXPECT_NE(longer, 0u);
  }
  os::CloseRegistryKey(parent);

  Key k(os::HiveCurrentUser(), path, os::kKeyRead);
  char name[256];
  uint32_t length = 256;
  ASSERT_EQ(os::EnumRegistrySubkey(k.key, 0, name, &length), 0u);
  EXPECT_EQ(length, 255u);
  EXPECT_EQ(std::string(name), name255);
  length = 255;  // one short, as a longer name would be for a 256-character buffer
  EXPECT_EQ(os::EnumRegistrySubkey(k.key, 0, name, &length), os::kErrorMoreData);
  length = 256;
  EXPECT_EQ(os::EnumRegistrySubkey(k.key, 1, name, &length),
            UnderWine() ? os::kErrorMoreData : os::kErrorNoMoreItems);
  EXPECT_EQ(EnumSubkeyName(os::HiveCurrentUser(), path.c_str(), name, 0), 0u);
}

TEST_F(RegistryContractTest, KeyPathsLongerThan260Characters) {
  std::string path = User("\\Deep");
  while (path.size() < 300) path += "\\abcdefghij";
  os::RegKey key = nullptr;
  const uint32_t status =
      os::CreateRegistryKey(os::HiveCurrentUser(), path.c_str(), os::kKeyAllAccess, &key);
  if (status == 0) os::CloseRegistryKey(key);
  // Wine's ANSI calls turn the path into a fixed buffer of 260 characters and refuse longer
  // ones with ERROR_MORE_DATA. The sim takes them: Windows limits each key name to 255
  // characters, not the whole path.
  EXPECT_EQ(status, UnderWine() ? os::kErrorMoreData : 0u);
  char name[400];
  EXPECT_EQ(EnumSubkeyName(os::HiveCurrentUser(), path.c_str(), name, 0),
            UnderWine() ? os::kErrorMoreData : os::kErrorNoMoreItems);
}

TEST_F(RegistryContractTest, OtherTypesReadAsEmptyText) {
  const std::string path = User("\\Types");
  struct Case {
    const char* name;
    uint32_t type;
    Bytes bytes;
  };
  const std::vector<Case> cases = {
      {"a_expand", os::kRegExpandSz, Sz("%ProgramFiles%\\x")},
      {"b_multi", kRegMultiSz, Bytes("C:\\a\0C:\\b\0\0", 11)},
      {"c_dword", os::kRegDword, Bytes("\x01\0\0\0", 4)},
      {"d_binary", os::kRegBinary, Bytes("C:\\bin")},
      {"e_none", os::kRegNone, Bytes("C:\\none")},
  };
  for (const Case& c : cases) Put(os::HiveCurrentUser(), 0, path, c.name, c.type, c.bytes);
  for (const Case& c : cases) {
    char out[400] = "stale";
    EXPECT_EQ(ReadStringValue(os::HiveCurrentUser(), path.c_str(), c.name, out), 0u) << c.name;
    EXPECT_STREQ(out, "") << c.name;
  }
  char name[400], data[400];
  for (const Case& c : cases) {
    strcpy(data, "stale");
    ASSERT_EQ(EnumStringValue(os::HiveCurrentUser(), path.c_str(), name, data), 0u);
    EXPECT_STREQ(name, c.name);
    EXPECT_STREQ(data, "");
  }
}

TEST_F(RegistryContractTest, StringTerminators) {
  const std::string path = User("\\Ends");
  os::RegKey key = nullptr;
  ASSERT_EQ(os::CreateRegistryKey(os::HiveCurrentUser(), path.c_str(), os::kKeyAllAccess, &key),
            0u);
  const uint8_t text[] = "abcX";
  // Counted without a terminator, but one follows the count: the registry counts it.
  const uint8_t counted[] = "abc";
  ASSERT_EQ(os::SetRegistryValue(key, "bare", os::kRegSz, text, 3), 0u);
  ASSERT_EQ(os::SetRegistryValue(key, "counted", os::kRegSz, counted, 3), 0u);
  ASSERT_EQ(os::SetRegistryValue(key, "empty", os::kRegSz, counted, 0), 0u);
  ASSERT_EQ(
      os::SetRegistryValue(key, "full", os::kRegSz,
                           reinterpret_cast<const uint8_t*>(std::string(257, 'f').data()), 256),
      0u);
  os::CloseRegistryKey(key);

  Key k(os::HiveCurrentUser(), path, os::kKeyRead);
  Query bare = QueryValue(k.key, "bare", 256);
  EXPECT_EQ(bare.status, 0u);
  EXPECT_EQ(bare.size, 3u);
  EXPECT_EQ(bare.data.substr(0, 5), Bytes("abc\0#", 5));  // ended, since there was room
  Query tight = QueryValue(k.key, "bare", 3);
  EXPECT_EQ(tight.status, 0u);
  EXPECT_EQ(tight.data, "abc");  // no room: not ended
  EXPECT_EQ(QueryValue(k.key, "counted", 256).size, 4u);
  Query empty = QueryValue(k.key, "empty", 256);
  EXPECT_EQ(empty.status, 0u);
  EXPECT_EQ(empty.size, 0u);
  EXPECT_EQ(empty.data, Bytes(256, '#'));  // nothing written at all
  Query full = QueryValue(k.key, "full", 256);
  EXPECT_EQ(full.status, 0u);
  EXPECT_EQ(full.data, std::string(256, 'f'));

  Enumerated e = EnumValue(k.key, 0);
  EXPECT_EQ(e.data.substr(0, 5), Bytes("abc\0#", 5));

  // The installer's reads end every text inside the 256 bytes.
  char out[400];
  std::memset(out, '#', sizeof out);
  ASSERT_EQ(ReadStringValue(os::HiveCurrentUser(), path.c_str(), "empty", out), 0u);
  EXPECT_STREQ(out, "");
  ASSERT_EQ(ReadStringValue(os::HiveCurrentUser(), path.c_str(), "full", out), 0u);
  EXPECT_EQ(std::string(out), std::string(255, 'f'));
}

TEST_F(RegistryContractTest, CreationMakesMissingParents) {
  const std::string deep = User("\\Make\\one\\two\\three");
  os::RegKey key = nullptr;
  ASSERT_EQ(os::CreateRegistryKey(os::HiveCurrentUser(), deep.c_str(), os::kKeyAllAccess, &key),
            0u);
  os::CloseRegistryKey(key);
  for (const std::string& p :
       {User("\\Make"), User("\\Make\\one"), User("\\Make\\one\\two"), deep}) {
    EXPECT_EQ(Key(os::HiveCurrentUser(), p, os::kKeyRead).status, 0u) << p;
  }
  WriteUserValue((User("\\Write\\a\\b")).c_str(), "blob", 4,
                 reinterpret_cast<const uint8_t*>("\x01\x02\x03\x04"), 0);
  Key k(os::HiveCurrentUser(), User("\\Write\\a\\b"), os::kKeyRead);
  ASSERT_EQ(k.status, 0u);
  Query q = QueryValue(k.key, "blob", 256);
  EXPECT_EQ(q.type, os::kRegBinary);
  EXPECT_EQ(q.data.substr(0, q.size), Bytes("\x01\x02\x03\x04"));
}

TEST_F(RegistryContractTest, StatusesForMissingThingsAndPaths) {
  Put(os::HiveCurrentUser(), 0, User("\\Here"), "", os::kRegSz, Sz("default"));
  Put(os::HiveCurrentUser(), 0, User("\\Here\\Sub"), "v", os::kRegSz, Sz("sub"));
  EXPECT_EQ(Key(os::HiveCurrentUser(), User("\\Nowhere"), os::kKeyRead).status,
            os::kErrorFileNotFound);
  EXPECT_EQ(Key(os::HiveCurrentUser(), "\\" + User("\\Here"), os::kKeyRead).status,
            kErrorBadPathname);
  // Key names match regardless of case; runs of backslashes and a trailing one are accepted.
  EXPECT_EQ(Key(os::HiveCurrentUser(), User("\\HERE\\sub"), os::kKeyRead).status, 0u);
  EXPECT_EQ(Key(os::HiveCurrentUser(), User("\\Here\\\\Sub\\"), os::kKeyRead).status, 0u);

  Key k(os::HiveCurrentUser(), User("\\Here"), os::kKeyRead);
  ASSERT_EQ(k.status, 0u);
  EXPECT_EQ(QueryValue(k.key, "missing", 256).status, os::kErrorFileNotFound);
  EXPECT_STREQ(QueryValue(k.key, "", 256).data.c_str(), "default");
  EXPECT_EQ(EnumValue(k.key, 1).status, os::kErrorNoMoreItems);
  // A key opened for reading refuses writes.
  EXPECT_EQ(os::SetRegistryValue(k.key, "w", os::kRegSz, reinterpret_cast<const uint8_t*>("a"), 2),
            kErrorAccessDenied);
  Key sub(os::HiveCurrentUser(), User("\\Here\\Sub"), os::kKeyRead);
  EXPECT_EQ(QueryValue(sub.key, "", 256).status, os::kErrorFileNotFound);  // no default value

  char out[400] = "kept";
  EXPECT_EQ(ReadStringValue(os::HiveCurrentUser(), User("\\Nowhere").c_str(), "v", out),
            os::kErrorFileNotFound);
  EXPECT_STREQ(out, "kept");
  EXPECT_EQ(ReadStringValue(os::HiveCurrentUser(), User("\\Here").c_str(), "missing", out),
            os::kErrorFileNotFound);
  char name[400];
  EXPECT_EQ(EnumSubkeyName(os::HiveCurrentUser(), User("\\Nowhere").c_str(), name, 0),
            os::kErrorFileNotFound);
  EXPECT_EQ(EnumSubkeyName(os::HiveCurrentUser(), User("\\Here").c_str(), name, 1),
            os::kErrorNoMoreItems);
}

// Keys kept open answer as reopened keys do, on this registry too.
TEST_F(RegistryContractTest, KeptKeysGiveExactlyWhatReopeningGives) {
  regseq::WriteFixtures(Root() + "\\Kept");
  regseq::WriteFixtures(Root() + "\\Fresh");
  SetRegistryCaching(1);
  std::vector<regseq::Record> kept = regseq::Run(Root() + "\\Kept", 7, 300);
  SetRegistryCaching(0);
  std::vector<regseq::Record> fresh = regseq::Run(Root() + "\\Fresh", 7, 300);
  ASSERT_EQ(kept.size(), fresh.size());
  for (size_t i = 0; i < kept.size(); ++i) {
    ASSERT_TRUE(kept[i] == fresh[i]) << "record " << i << " step " << kept[i].step;
  }
}

}  // namespace
