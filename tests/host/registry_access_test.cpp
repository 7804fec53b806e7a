// The installer's registry reads and writes over the in-memory registry: masks, sizes, the
// string filter, the value cursor, and keys kept open giving exactly what reopening gives.
#include "discovery/registry_access.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "platform/sim/sim.h"
#include "platform/sim/sim_registry.h"
#include "tests/contract/registry_sequence.h"

namespace {

using sim::View;

std::vector<uint8_t> Bytes(const std::string& s) {
  return std::vector<uint8_t>(s.begin(), s.end());
}
std::vector<uint8_t> Sz(const std::string& s) { return Bytes(s + std::string(1, '\0')); }

class RegistryAccessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CloseRegistryCache();
    SetRegistryCaching(1);
    sim::Reset();
    Use64BitView = 0;
    ValueCursor = 0;
  }
  void TearDown() override {
    CloseRegistryCache();
    SetRegistryCaching(1);
    Use64BitView = 0;
    ValueCursor = 0;
  }
  // A 400-character buffer filled with a marker, as discovery's buffers are.
  static std::string Stale() { return std::string(399, '#'); }
};

TEST_F(RegistryAccessTest, IsWow64FollowsTheWindows) {
  struct Case {
    sim::Windows windows;
    int wow64;
  };
  for (const Case& c : {Case{sim::Windows::kNoWow64Entry, 0}, Case{sim::Windows::k32Bit, 0},
                        Case{sim::Windows::k64Bit, 1}}) {
    sim::SetWindows(c.windows);
    EXPECT_EQ(IsWow64() != 0, c.wow64 != 0) << static_cast<int>(c.windows);
  }
}

TEST_F(RegistryAccessTest, ReadStringValueByType) {
  struct Case {
    const char* what;
    uint32_t type;
    std::vector<uint8_t> data;
    uint32_t status;
    std::string text;
  };
  const std::string exact(255, 'x');
  const std::vector<Case> cases = {
      {"string", os::kRegSz, Sz("C:\\Hosts\\PS"), 0, "C:\\Hosts\\PS"},
      {"expandable string", os::kRegExpandSz, Sz("%ProgramFiles%"), 0, ""},
      {"number", os::kRegDword, {1, 0, 0, 0}, 0, ""},
      {"raw bytes", os::kRegBinary, Bytes("C:\\x"), 0, ""},
      {"255 characters and terminator", os::kRegSz, Sz(exact), 0, exact},
      {"256 characters and terminator", os::kRegSz, Sz(exact + "y"), os::kErrorMoreData, "#"},
      {"long raw bytes", os::kRegBinary, std::vector<uint8_t>(300, 'b'), os::kErrorMoreData, ""},
      // Stored without a terminator: ended at its length, or cut to fit the 256 bytes.
      {"unterminated", os::kRegSz, Bytes("C:\\abc"), 0, "C:\\abc"},
      {"256 bytes unterminated", os::kRegSz, Bytes(exact + "z"), 0, exact},
      {"no bytes at all", os::kRegSz, {}, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    sim::PutValue(os::HiveCurrentUser(), View::k32, "Software\\T", "v", c.type, c.data);
    std::string out = Stale();
    EXPECT_EQ(ReadStringValue(os::HiveCurrentUser(), "Software\\T", "v", &out[0]), c.status);
    EXPECT_EQ(out.c_str()[0] == '#' ? std::string("#") : std::string(out.c_str()), c.text);
  }
}

TEST_F(RegistryAccessTest, ReadStringValueMissingKeyValueAndDefault) {
  sim::PutString(os::HiveClassesRoot(), View::k32, "PI3.Image\\shell\\open\\command", "",
                 "\"C:\\Apps\\Img\\editor.exe\" \"%1\"");
  std::string out = Stale();
  EXPECT_EQ(ReadStringValue(os::HiveClassesRoot(), "PI3.Image\\shell\\open\\command", "", &out[0]),
            0u);
  EXPECT_STREQ(out.c_str(), "\"C:\\Apps\\Img\\editor.exe\" \"%1\"");

  out = Stale();
  EXPECT_EQ(ReadStringValue(os::HiveClassesRoot(), "Missing\\Key", "", &out[0]),
            os::kErrorFileNotFound);
  EXPECT_EQ(out, Stale());  // left as it was
  EXPECT_EQ(
      ReadStringValue(os::HiveClassesRoot(), "PI3.Image\\shell\\open\\command", "nope", &out[0]),
      os::kErrorFileNotFound);
}

TEST_F(RegistryAccessTest, ViewSwitchChoosesTheMaskAndTheView) {
  sim::PutString(os::HiveLocalMachine(), View::k32, "SOFTWARE\\adobe", "v", "32");
  sim::PutString(os::HiveLocalMachine(), View::k64, "SOFTWARE\\adobe", "v", "64");
  sim::PutString(os::HiveCurrentUser(), View::k32, "Software\\adobe", "v", "user");
  char out[400];
  struct Case {
    int use64;
    os::RegKey hive;
    uint32_t mask;
    const char* text;
  };
  for (const Case& c : {Case{0, os::HiveLocalMachine(), 0x20019, "32"},
                        Case{1, os::HiveLocalMachine(), 0x20119, "64"},
                        Case{0, os::HiveCurrentUser(), 0x20019, "user"},
                        Case{1, os::HiveCurrentUser(), 0x20119, "user"}}) {
    Use64BitView = c.use64;
    const char* path = c.hive == os::HiveLocalMachine() ? "SOFTWARE\\adobe" : "Software\\adobe";
    ASSERT_EQ(ReadStringValue(c.hive, path, "v", out), 0u);
    EXPECT_STREQ(out, c.text);
    EXPECT_EQ(sim::LastOpenAccess(), c.mask);
  }
}

struct EnumStep {
  uint32_t status;
  std::string name;
  std::string data;
};

void ExpectRun(const char* path, const std::vector<EnumStep>& steps) {
  for (size_t i = 0; i < steps.size(); ++i) {
    SCOPED_TRACE(i);
    char name[400] = "";
    char data[400] = "";
    EXPECT_EQ(EnumStringValue(os::HiveCurrentUser(), path, name, data), steps[i].status);
    if (steps[i].status == 0) {
      EXPECT_EQ(name, steps[i].name);
      EXPECT_EQ(data, steps[i].data);
    }
  }
}

TEST_F(RegistryAccessTest, EnumStringValueRunsEndAtTheFirstFailure) {
  struct Value {
    std::string name;
    uint32_t type;
    std::vector<uint8_t> data;
  };
  struct Case {
    const char* what;
    std::vector<Value> values;
    std::vector<EnumStep> steps;
  };
  const std::string longName(256, 'n');
  const std::vector<Case> cases = {
      {"long data hides the rest",
       {{"A", os::kRegSz, Sz("C:\\a")},
        {"B", os::kRegBinary, std::vector<uint8_t>(300, 1)},
        {"C", os::kRegSz, Sz("C:\\c")}},
       {{0, "A", "C:\\a"}, {os::kErrorMoreData, "", ""}, {0, "A", "C:\\a"}}},
      {"a number reads as empty text",
       {{"A", os::kRegSz, Sz("C:\\a")}, {"B", os::kRegDword, {5, 0, 0, 0}}},
       {{0, "A", "C:\\a"}, {0, "B", ""}, {os::kErrorNoMoreItems, "", ""}, {0, "A", "C:\\a"}}},
      {"a name of 256 characters",
       {{"A", os::kRegSz, Sz("x")}, {longName, os::kRegSz, Sz("y")}, {"C", os::kRegSz, Sz("z")}},
       {{0, "A", "x"}, {os::kErrorMoreData, "", ""}}},
      {"a name of 255 characters",
       {{std::string(255, 'm'), os::kRegSz, Sz("y")}},
       {{0, std::string(255, 'm'), "y"}, {os::kErrorNoMoreItems, "", ""}}},
      {"no values", {}, {{os::kErrorNoMoreItems, "", ""}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    sim::Reset();
    sim::PutKey(os::HiveCurrentUser(), View::k32, "Software\\T");
    for (const Value& v : c.values) {
      sim::PutValue(os::HiveCurrentUser(), View::k32, "Software\\T", v.name, v.type, v.data);
    }
    ExpectRun("Software\\T", c.steps);
    // The last step failed or restarted: either way the next run starts from the beginning.
    if (c.steps.back().status != 0) {
      EXPECT_EQ(ValueCursor, 0);
    }
    ValueCursor = 0;
  }
}

TEST_F(RegistryAccessTest, EnumStringValueOnAMissingKeyResetsTheCursor) {
  ValueCursor = 5;
  char name[400], data[400];
  EXPECT_EQ(EnumStringValue(os::HiveCurrentUser(), "Software\\Missing", name, data),
            os::kErrorFileNotFound);
  EXPECT_EQ(ValueCursor, 0);
}

TEST_F(RegistryAccessTest, EnumSubkeyNameInRegistryOrder) {
  for (const char* k : {"Software\\V\\zeta", "Software\\V\\Alpha", "Software\\V\\beta"}) {
    sim::PutKey(os::HiveCurrentUser(), View::k32, k);
  }
  sim::PutKey(os::HiveCurrentUser(), View::k32, "Software\\W\\" + std::string(256, 'k'));
  char name[400];
  std::vector<std::string> seen;
  uint32_t status = 0;
  for (uint32_t i = 0;
       (status = EnumSubkeyName(os::HiveCurrentUser(), "Software\\V", name, i)) == 0; ++i) {
    seen.push_back(name);
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"Alpha", "beta", "zeta"}));
  EXPECT_EQ(status, os::kErrorNoMoreItems);
  EXPECT_EQ(EnumSubkeyName(os::HiveCurrentUser(), "Software\\W", name, 0), os::kErrorMoreData);
  EXPECT_EQ(EnumSubkeyName(os::HiveCurrentUser(), "Software\\Missing", name, 0),
            os::kErrorFileNotFound);
}

TEST_F(RegistryAccessTest, WriteUserValueCreatesParentsAndWritesTheBytesAsGiven) {
  const uint8_t blob[64] = {1, 2, 3};
  Use64BitView = 1;  // plays no part in writes
  WriteUserValue("Software\\Brenmoor\\Presets\\Set1", "Block", sizeof blob, blob, 0);
  WriteUserValue("Software\\Brenmoor\\Presets\\Set1", "Name", 3,
                 reinterpret_cast<const uint8_t*>("abcX"), 1);
  uint32_t type = 0;
  std::vector<uint8_t> data;
  ASSERT_TRUE(sim::GetValue(os::HiveCurrentUser(), View::k32, "Software\\Brenmoor\\Presets\\Set1",
                            "Block", &type, &data));
  EXPECT_EQ(type, os::kRegBinary);
  EXPECT_EQ(data, std::vector<uint8_t>(blob, blob + sizeof blob));
  ASSERT_TRUE(sim::GetValue(os::HiveCurrentUser(), View::k32, "Software\\Brenmoor\\Presets\\Set1",
                            "Name", &type, &data));
  EXPECT_EQ(type, os::kRegSz);
  EXPECT_EQ(data, Bytes("abc"));
  EXPECT_EQ(sim::OpenRegistryHandles(), 0);
}

// Keys kept open along a walk: reading a key again opens nothing, going down opens the subkey
// from its parent, coming back up finds the parent open and closes what lies below; another
// hive, view or tree starts afresh from a full path; nothing is left open afterwards.
TEST_F(RegistryAccessTest, KeepsTheKeysOfTheWalkOpen) {
  for (View view : {View::k32, View::k64}) {
    sim::PutString(os::HiveLocalMachine(), view, "SOFTWARE\\adobe\\Photoshop\\10.0\\Plugins", "a",
                   "C:\\a");
    sim::PutKey(os::HiveLocalMachine(), view, "SOFTWARE\\adobe\\Photoshop\\11.0");
  }
  sim::PutKey(os::HiveLocalMachine(), View::k32, "SOFTWARE\\Classes\\PI3.Image\\shell");
  sim::PutKey(os::HiveCurrentUser(), View::k32, "Software\\adobe\\Photoshop");
  const std::string deep = "SOFTWARE\\adobe\\Photoshop\\" + std::string(240, 'd');
  sim::PutKey(os::HiveLocalMachine(), View::k32, deep);
  struct Step {
    const char* what;
    os::RegKey hive;
    std::string path;
    int use64;
    long opens;       // opens made by this read
    bool fromParent;  // the open started from a kept key
    int handles;      // kept afterwards
  };
  const os::RegKey lm = os::HiveLocalMachine();
  const std::vector<Step> steps = {
      {"start", lm, "software\\adobe\\Photoshop", 0, 1, false, 1},
      {"the same key, lowercased", lm, "software\\adobe\\photoshop", 0, 0, false, 1},
      {"down", lm, "software\\adobe\\photoshop\\10.0", 0, 1, true, 2},
      {"down again", lm, "software\\adobe\\photoshop\\10.0\\Plugins", 0, 1, true, 3},
      {"back up", lm, "software\\adobe\\photoshop\\10.0", 0, 0, false, 2},
      {"up to the start", lm, "software\\adobe\\photoshop", 0, 0, false, 1},
      {"a sibling", lm, "software\\adobe\\photoshop\\11.0", 0, 1, true, 2},
      {"a missing subkey", lm, "software\\adobe\\photoshop\\12.0", 0, 1, true, 2},
      {"the other view", lm, "software\\adobe\\photoshop\\10.0", 1, 1, false, 1},
      {"the other hive", os::HiveCurrentUser(), "Software\\adobe\\Photoshop", 0, 1, false, 1},
      {"another tree", lm, "SOFTWARE\\adobe", 0, 1, false, 1},
      {"a long path: full", lm, deep, 0, 1, false, 1},
      {"a tree shared by the views: full", lm, "SOFTWARE\\Classes", 0, 1, false, 1},
      {"below it: full", lm, "SOFTWARE\\Classes\\PI3.Image", 0, 1, false, 1},
      {"merged classes: full", os::HiveClassesRoot(), "PI3.Image", 0, 1, false, 1},
      {"below them: full", os::HiveClassesRoot(), "PI3.Image\\shell", 0, 1, false, 1},
  };
  char name[400];
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    long before = sim::Calls().open;
    Use64BitView = step.use64;
    EnumSubkeyName(step.hive, step.path.c_str(), name, 0);
    EXPECT_EQ(sim::Calls().open - before, step.opens);
    if (step.opens > 0) {
      EXPECT_EQ(sim::LastOpenParent() != step.hive, step.fromParent);
    }
    EXPECT_EQ(sim::OpenRegistryHandles(), step.handles);
  }
  CloseRegistryCache();
  EXPECT_EQ(sim::OpenRegistryHandles(), 0);

  char data[400];
  ReadStringValue(lm, "SOFTWARE\\adobe", "a", data);
  WriteUserValue("Software\\x", "v", 1, reinterpret_cast<const uint8_t*>(""), 1);
  EXPECT_EQ(sim::OpenRegistryHandles(), 0);
}

TEST_F(RegistryAccessTest, KeptKeysFromBeforeARegistryResetAreReopened) {
  for (const char* later : {"Software\\T", "Software\\T\\Sub"}) {  // the key, a key below it
    SCOPED_TRACE(later);
    sim::Reset();
    sim::PutString(os::HiveCurrentUser(), View::k32, "Software\\T", "v", "old");
    char out[400];
    ASSERT_EQ(ReadStringValue(os::HiveCurrentUser(), "Software\\T", "v", out), 0u);
    sim::Reset();
    sim::PutString(os::HiveCurrentUser(), View::k32, later, "v", "new");
    ASSERT_EQ(ReadStringValue(os::HiveCurrentUser(), later, "v", out), 0u);
    EXPECT_STREQ(out, "new");
  }
}

// The same long sequence of reads, writes and view changes, once with keys kept open and once
// reopening every key, each on its own copy of the tree: every result is the same, and keeping
// keys open saves opens.
TEST_F(RegistryAccessTest, KeptKeysGiveExactlyWhatReopeningGives) {
  for (uint32_t seed : {1u, 2u, 3u, 4u}) {
    SCOPED_TRACE(seed);
    sim::Reset();
    regseq::WriteFixtures("Kept");
    regseq::WriteFixtures("Fresh");
    sim::Calls() = {};
    SetRegistryCaching(1);
    std::vector<regseq::Record> kept = regseq::Run("Kept", seed, 400);
    long keptOpens = sim::Calls().open;
    EXPECT_EQ(sim::OpenRegistryHandles(), 0);
    SetRegistryCaching(0);
    sim::Calls() = {};
    std::vector<regseq::Record> fresh = regseq::Run("Fresh", seed, 400);
    ASSERT_EQ(kept.size(), fresh.size());
    for (size_t i = 0; i < kept.size(); ++i) {
      ASSERT_TRUE(kept[i] == fresh[i]) << "record " << i << " step " << kept[i].step;
    }
    EXPECT_LT(keptOpens, sim::Calls().open);
  }
}

}  // namespace
