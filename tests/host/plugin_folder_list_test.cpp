// The candidate folder list: settling, the diagnostic log, normal form, de-duplication.
#include "discovery/plugin_folder_list.h"

#include <gtest/gtest.h>

#include <string>

#include "discovery_fixture.h"

namespace {

class PluginFolderListTest : public DiscoveryTest {
 protected:
  // Hands a copy of path to the list in a 400-character buffer; returns what the buffer holds.
  static std::string Add(const std::string& path, const char* label = "label") {
    char buffer[400] = {};
    path.copy(buffer, sizeof buffer - 1);
    AddPluginFolder(buffer, label);
    return buffer;
  }
};

TEST_F(PluginFolderListTest, LogLinesAreAppendedByteForByte) {
  sim::AddFolder("C:\\Hosts\\PS\\Plug-ins");
  sim::AddFolder("C:\\Hosts\\Psp");
  CreateLog("earlier");

  Add("c:\\hosts\\ps\\plug-ins\\",
      "HKEY_CURRENT_USER   software\\adobe\\photoshop\\10.0  pluginpath  ");
  Use64BitView = 1;
  Add("C:\\Hosts\\Psp\\Plugins", "appath");  // only the parent exists: it is taken
  Add("C:\\Gone\\Plugins", "shell");         // nothing settles: no line
  Add("C:\\HOSTS\\PS\\PLUG-INS", "again");   // a duplicate is still logged

  EXPECT_EQ(Log(),
            "earlier\r\n\r\nWow64\r\n"
            "x32 HKEY_CURRENT_USER   software\\adobe\\photoshop\\10.0  pluginpath    "
            "c:\\hosts\\ps\\plug-ins\r\n"
            "x64 appath  C:\\Hosts\\Psp\\\r\n"
            "x64 again  C:\\HOSTS\\PS\\PLUG-INS\r\n");
  EXPECT_EQ(Stored(), (std::vector<std::string>{"C:\\Hosts\\Ps\\Plug-Ins\\", "C:\\Hosts\\Psp\\"}));
}

TEST_F(PluginFolderListTest, LogHeaderNamesTheWindows) {
  const struct {
    sim::Windows windows;
    const char* header;
  } cases[] = {{sim::Windows::k64Bit, "\r\n\r\nWow64\r\n"},
               {sim::Windows::k32Bit, "\r\n\r\nx(86)\r\n"},
               {sim::Windows::kNoWow64Entry, "\r\n\r\nx(86)\r\n"}};
  for (const auto& c : cases) {
    SetUp();
    sim::SetWindows(c.windows);
    sim::AddFolder("C:\\Host\\Plugins");
    CreateLog();
    Add("C:\\Host\\Plugins", "shell");
    EXPECT_EQ(Log(), std::string(c.header) + "x32 shell  C:\\Host\\Plugins\r\n");
  }
}

TEST_F(PluginFolderListTest, WithoutTheLogNothingIsWrittenAndTheListFills) {
  sim::AddFolder("C:\\Host\\Plugins");
  Add("C:\\Host\\Plugins", "shell");
  EXPECT_FALSE(sim::FileExists("c:\\inst581.txt"));
  EXPECT_EQ(Stored(), std::vector<std::string>{"C:\\Host\\Plugins\\"});

  // A log that cannot be opened for appending is passed over just as silently.
  EmptyPluginFolderList();
  CreateLog("kept");
  sim::FailOpensUnder("C:\\");
  Add("C:\\Host\\Plugins", "shell");
  EXPECT_EQ(Log(), "kept");
  EXPECT_EQ(Stored(), std::vector<std::string>{"C:\\Host\\Plugins\\"});
}

TEST_F(PluginFolderListTest, UnsettledCandidateLeavesNoTrace) {
  sim::AddFolder("C:\\Hosts");
  CreateLog();
  EXPECT_EQ(Add("C:\\Hosts\\Gone\\plugin"), "C:\\Hosts\\Gone\\");  // left shortened
  EXPECT_EQ(Log(), "");
  EXPECT_TRUE(Stored().empty());
}

TEST_F(PluginFolderListTest, NormalFormAndDeDuplication) {
  sim::AddFolder("C:\\Program Files\\Host\\Plug-ins");
  sim::AddFolder("C:\\Program Files (x86)\\Host\\Plug-ins");
  Use64BitView = 1;
  EXPECT_EQ(Add("c:\\program files\\host\\plug-ins"), "C:\\Program Files\\Host\\Plug-Ins\\");
  Use64BitView = 0;
  EXPECT_EQ(Add("C:\\Program Files\\Host\\Plug-Ins\\"), "C:\\Program Files\\Host\\Plug-Ins\\");
  EXPECT_EQ(Add("c:\\program files (x86)\\host\\plug-ins\\"),
            "C:\\Program Files (X86)\\Host\\Plug-Ins\\");

  EXPECT_EQ(Stored(), (std::vector<std::string>{"C:\\Program Files\\Host\\Plug-Ins\\",
                                                "C:\\Program Files (X86)\\Host\\Plug-Ins\\"}));
  // The first report keeps its place and its registry view.
  EXPECT_EQ(PluginFolderList[0].is64View, 1);
  EXPECT_EQ(PluginFolderList[1].is64View, 0);
  EXPECT_EQ(PluginFolderList[0].addVendorFolder, 1);
  EXPECT_EQ(PluginFolderList[2].addVendorFolder, 1);  // free entries too
}

TEST_F(PluginFolderListTest, MakersOwnFolderStandsForTheHostFolder) {
  sim::AddFolder("C:\\Host\\Plug-ins\\Brenmoor\\Filters");
  sim::AddFolder("C:\\Host\\xbrenx\\Brenmoor");
  EXPECT_EQ(Add("C:\\Host\\Plug-ins\\Brenmoor\\Filters\\"), "C:\\Host\\Plug-Ins\\");
  // The first occurrence lies inside a component: no cut, though a later component begins
  // with the word.
  EXPECT_EQ(Add("C:\\Host\\xbrenx\\Brenmoor"), "C:\\Host\\Xbrenx\\Brenmoor\\");
  EXPECT_EQ(Stored(),
            (std::vector<std::string>{"C:\\Host\\Plug-Ins\\", "C:\\Host\\Xbrenx\\Brenmoor\\"}));
}

TEST_F(PluginFolderListTest, TwentyFirstFolderIsLoggedButNotStored) {
  CreateLog();
  for (int i = 1; i <= 21; ++i) {
    const std::string folder = "C:\\Host" + std::to_string(i) + "\\Plugins";
    sim::AddFolder(folder);
    Add(folder);
  }
  const std::vector<std::string> stored = Stored();
  ASSERT_EQ(stored.size(), 20u);
  EXPECT_EQ(stored.front(), "C:\\Host1\\Plugins\\");
  EXPECT_EQ(stored.back(), "C:\\Host20\\Plugins\\");
  EXPECT_NE(Log().find("x32 label  C:\\Host21\\Plugins\r\n"), std::string::npos);
}

}  // namespace
