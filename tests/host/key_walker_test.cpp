// The vendor key walker: which values count, their labels, the walk's order, and a walk that
// stays inside its buffers and ends whatever the tree.
#include "discovery/key_walker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "discovery_fixture.h"

namespace {

const os::RegKey kUser = os::HiveCurrentUser();
const os::RegKey kMachine = os::HiveLocalMachine();

class KeyWalkerTest : public DiscoveryTest {
 protected:
  void SetUp() override {
    DiscoveryTest::SetUp();
    CreateLog();
  }

  // A string value under a hive (the 32-bit view, which the walker reads) whose folder exists.
  static void PutFolder(os::RegKey hive, const std::string& key, const std::string& name,
                        const std::string& folder) {
    sim::AddFolder(folder);
    sim::PutString(hive, sim::View::k32, key, name, folder);
  }

  // The log's candidate lines, without the block's line breaks and header.
  static std::vector<std::string> Lines() {
    std::vector<std::string> lines;
    const std::string log = Log();
    size_t start = 0;
    for (size_t end; (end = log.find("\r\n", start)) != std::string::npos; start = end + 2) {
      std::string line = log.substr(start, end - start);
      if (!line.empty() && line != "Wow64") lines.push_back(line);
    }
    return lines;
  }

  static std::string UserLine(const std::string& keyAndName, const std::string& folder) {
    return "x32 HKEY_CURRENT_USER   " + keyAndName + "    " + folder;
  }
  static std::string MachineLine(const std::string& keyAndName, const std::string& folder) {
    return "x32 HKEY_LOCAL_MACHINE  " + keyAndName + "    " + folder;
  }
};

TEST_F(KeyWalkerTest, CurrentUserFirstThenPreOrderWithSubkeysByIndex) {
  const std::string root = "Software\\Brenmoor";
  PutFolder(kMachine, root, "Plugins", "C:\\F\\Machine");
  PutFolder(kUser, root, "PluginA", "C:\\F\\Root");
  PutFolder(kUser, root + "\\b", "plugin", "C:\\F\\B");
  PutFolder(kUser, root + "\\a", "plugin", "C:\\F\\A");
  PutFolder(kUser, root + "\\a\\Deep", "plugin", "C:\\F\\Deep");
  PutFolder(kUser, root, "PluginZ", "C:\\F\\Root2");  // still a value of the start key

  WalkVendorKey("software", "brenmoor", "");

  // Subkeys come in the registry's index order (sorted names), each key's values before its
  // subkeys; a key path keeps the case of its newest part until a value of it is examined.
  EXPECT_EQ(Lines(), (std::vector<std::string>{
                         UserLine("software\\brenmoor  plugina", "C:\\F\\Root"),
                         UserLine("software\\brenmoor  pluginz", "C:\\F\\Root2"),
                         UserLine("software\\brenmoor\\a  plugin", "C:\\F\\A"),
                         UserLine("software\\brenmoor\\a\\deep  plugin", "C:\\F\\Deep"),
                         UserLine("software\\brenmoor\\b  plugin", "C:\\F\\B"),
                         MachineLine("software\\brenmoor  plugins", "C:\\F\\Machine"),
                     }));
  EXPECT_EQ(ValueCursor, 0);
}

TEST_F(KeyWalkerTest, StartKeyOnlyUnderLocalMachine) {
  PutFolder(kMachine, "SOFTWARE\\Jasc\\Paint Shop Pro\\8\\Plugins", "Dir", "C:\\Psp\\Plugins");
  WalkVendorKey("software", "jasc", "paint");
  EXPECT_EQ(Lines(), std::vector<std::string>{MachineLine(
                         "software\\jasc\\paint shop pro\\8\\plugins  Dir", "C:\\Psp\\Plugins")});
  EXPECT_EQ(Stored(), std::vector<std::string>{"C:\\Psp\\Plugins\\"});
}

TEST_F(KeyWalkerTest, WhichValuesCount) {
  struct Case {
    const char* appWord;
    const char* key;  // under the current user
    const char* name;
    uint32_t type;
    const char* data;
    const char* line;  // the label's key path and value name, or null: the value is skipped
  };
  const Case cases[] = {
      {"photoshop", "Software\\Adobe\\Photoshop\\10.0", "PluginPath", os::kRegSz,
       "C:\\Hosts\\PS\\Plug-ins", "software\\adobe\\photoshop\\10.0  pluginpath"},
      // The key path speaks of plug-ins: any name counts and keeps its case.
      {"photoshop", "Software\\Adobe\\Photoshop\\10.0\\Plugins", "AnyName", os::kRegSz,
       "C:\\Hosts\\PS\\Plug-ins", "software\\adobe\\photoshop\\10.0\\plugins  AnyName"},
      {"photoshop", "Software\\Adobe\\Common", "PluginPath", os::kRegSz, "C:\\Hosts\\PS\\Plug-ins",
       nullptr},
      {"", "Software\\Adobe\\Common", "PluginPath", os::kRegSz, "C:\\Hosts\\PS\\Plug-ins",
       "software\\adobe\\common  pluginpath"},
      {"photoshop", "Software\\Adobe\\Photoshop\\11", "Directory2", os::kRegSz, "C:\\Hosts\\D",
       "software\\adobe\\photoshop\\11  directory2"},
      {"photoshop", "Software\\Adobe\\Photoshop\\11", "OldDIRECTORY3x", os::kRegSz, "C:\\Hosts\\D",
       "software\\adobe\\photoshop\\11  olddirectory3x"},
      {"photoshop", "Software\\Adobe\\Photoshop\\11", "Directory4", os::kRegSz, "C:\\Hosts\\D",
       nullptr},
      {"photoshop", "Software\\Adobe\\Photoshop\\11", "Path", os::kRegSz, "C:\\Hosts\\D", nullptr},
      // A leading quote goes; the settle step then drops the closing one.
      {"photoshop", "Software\\Adobe\\Photoshop\\12", "PlugDir", os::kRegSz, "\"C:\\Hosts\\Q\"",
       "software\\adobe\\photoshop\\12  plugdir"},
      {"photoshop", "Software\\Adobe\\Photoshop\\12", "PlugDir", os::kRegSz,
       "%ProgramFiles%\\Hosts\\Q", nullptr},
      {"photoshop", "Software\\Adobe\\Photoshop\\12", "PlugDir", os::kRegSz, "12;34.\\-", nullptr},
      {"photoshop", "Software\\Adobe\\Photoshop\\12", "PlugDir", os::kRegSz, "", nullptr},
      {"photoshop", "Software\\Adobe\\Photoshop\\12", "PlugDir", os::kRegExpandSz, "C:\\Hosts\\Q",
       nullptr},
      {"photoshop", "Software\\Adobe\\Photoshop\\12", "PlugDir", os::kRegDword, "C:\\Hosts\\Q",
       nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.key) + " " + c.name + " " + c.data);
    SetUp();
    for (const char* folder : {"C:\\Hosts\\PS\\Plug-ins", "C:\\Hosts\\D", "C:\\Hosts\\Q"}) {
      sim::AddFolder(folder);
    }
    std::string data(c.data);
    sim::PutValue(kUser, sim::View::k32, c.key, c.name, c.type,
                  std::vector<uint8_t>(data.c_str(), data.c_str() + data.size() + 1));
    WalkVendorKey("software", "adobe", c.appWord);
    if (c.line == nullptr) {
      EXPECT_TRUE(Lines().empty());
    } else {
      ASSERT_EQ(Lines().size(), 1u);
      EXPECT_EQ(Lines()[0].rfind(UserLine(c.line, ""), 0), 0u) << Lines()[0];
    }
  }
}

TEST_F(KeyWalkerTest, OverlongEntriesEndTheirRunButNotTheWalk) {
  const std::string root = "Software\\Brenmoor";
  PutFolder(kUser, root, "plugin1", "C:\\F\\One");
  sim::PutValue(kUser, sim::View::k32, root, "plugin2", os::kRegBinary,
                std::vector<uint8_t>(300, 'x'));  // data over 256 bytes
  PutFolder(kUser, root, "plugin3", "C:\\F\\Never");
  PutFolder(kUser, root + "\\a", "plugin", "C:\\F\\A");
  PutFolder(kUser, root + "\\a", std::string(256, 'p'), "C:\\F\\Never");  // name over 255
  PutFolder(kUser, root + "\\a", "plugin2", "C:\\F\\Never");
  // A subkey name over 255 characters ends the subkeys of its parent, as if there were no more.
  PutFolder(kUser, root + "\\b\\" + std::string(256, 'n'), "plugin", "C:\\F\\Never");
  PutFolder(kUser, root + "\\b\\zz", "plugin", "C:\\F\\Never");
  PutFolder(kUser, root + "\\c", "plugin", "C:\\F\\C");

  WalkVendorKey("software", "brenmoor", "");

  EXPECT_EQ(Lines(), (std::vector<std::string>{
                         UserLine("software\\brenmoor  plugin1", "C:\\F\\One"),
                         UserLine("software\\brenmoor\\a  plugin", "C:\\F\\A"),
                         UserLine("software\\brenmoor\\c  plugin", "C:\\F\\C"),
                     }));
  EXPECT_EQ(ValueCursor, 0);
}

// Key paths and labels that would outgrow their 400-character buffers: the key is not entered
// and the walk goes on with its next sibling; the value with the long label is passed over.
TEST_F(KeyWalkerTest, TextsThatWouldOutgrowTheirBuffersArePassedOver) {
  const std::string top = "software\\brenmoor\\" + std::string(255, 'k');  // 273 characters
  auto childOf = [&](size_t length, char c) { return top + "\\" + std::string(length, c); };
  // The label is 18 + 2 + key path + 2 + name + 2 characters: 399 fit, 400 do not.
  PutFolder(kUser, childOf(95, 'c'), "plugin", "C:\\F\\Label");
  PutFolder(kUser, childOf(96, 'd'), "plugin", "C:\\F\\LabelLong");
  // A key path of 531 characters.
  PutFolder(kUser, childOf(1, 'e') + "\\" + std::string(255, 'f'), "plugin", "C:\\F\\Deep");
  PutFolder(kUser, childOf(1, 'e') + "\\g", "plugin", "C:\\F\\Sibling");
  PutFolder(kMachine, "Software\\Brenmoor", "plugin", "C:\\F\\Machine");

  WalkVendorKey("software", "brenmoor", "");

  EXPECT_EQ(Lines(), (std::vector<std::string>{
                         UserLine(childOf(95, 'c') + "  plugin", "C:\\F\\Label"),
                         UserLine(childOf(1, 'e') + "\\g  plugin", "C:\\F\\Sibling"),
                         MachineLine("software\\brenmoor  plugin", "C:\\F\\Machine"),
                     }));
  EXPECT_EQ(Lines()[0].size(), 4 + 399 + 2 + std::string("C:\\F\\Label").size());
}

TEST_F(KeyWalkerTest, KeysDownTo19LevelsBelowTheStartAreEntered) {
  std::string path = "Software\\Brenmoor";
  std::vector<std::string> levels;
  for (int depth = 1; depth <= 21; ++depth) {
    path += "\\k" + std::to_string(depth);
    levels.push_back(path);
  }
  PutFolder(kUser, levels[17], "plugin", "C:\\F\\Level18");
  PutFolder(kUser, levels[18], "plugin", "C:\\F\\Level19");
  PutFolder(kUser, levels[19], "plugin", "C:\\F\\Level20");  // passed over with its subkeys
  PutFolder(kUser, levels[20], "plugin", "C:\\F\\Level21");
  PutFolder(kUser, levels[17] + "\\zz", "plugin", "C:\\F\\Sibling19");  // after k19
  PutFolder(kUser, "Software\\Brenmoor\\z", "plugin", "C:\\F\\Top");
  PutFolder(kMachine, "Software\\Brenmoor", "plugin", "C:\\F\\Machine");

  WalkVendorKey("software", "brenmoor", "");

  EXPECT_EQ(Stored(),
            (std::vector<std::string>{"C:\\F\\Level18\\", "C:\\F\\Level19\\", "C:\\F\\Sibling19\\",
                                      "C:\\F\\Top\\", "C:\\F\\Machine\\"}));
}

// Far deeper than the stack and with names of the registry's full length: the walk stays inside
// its buffers (under ASan) and ends, and everything within reach is found.
TEST_F(KeyWalkerTest, HugeTreeEnds) {
  const std::string name(255, 'n');
  std::string deep = "Software\\Brenmoor";
  for (int depth = 0; depth < 60; ++depth) {
    deep += "\\" + std::string(1, static_cast<char>('a' + depth % 26));
    for (int sibling = 0; sibling < 3; ++sibling) {
      sim::PutString(kUser, sim::View::k32, deep + "\\" + name.substr(sibling), name,
                     "C:\\" + name);
      sim::PutString(kUser, sim::View::k32, deep + "\\" + name.substr(sibling), "plugin",
                     "\"" + name + name);
    }
  }
  std::string wide = "Software\\Brenmoor\\" + name;
  for (int depth = 0; depth < 30; ++depth) {
    wide += "\\" + name.substr(depth);
    sim::PutString(kUser, sim::View::k32, wide, "plugin", "C:\\F\\Never");
  }
  PutFolder(kMachine, "Software\\Brenmoor", "plugin", "C:\\F\\Machine");

  WalkVendorKey("software", "brenmoor", "");

  EXPECT_EQ(Stored(), std::vector<std::string>{"C:\\F\\Machine\\"});
  EXPECT_EQ(ValueCursor, 0);
}

}  // namespace
