// The discovery sequence: order of the searches, the 64-bit pass, and the two program lookups.
#include "discovery/discovery_sequence.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/bounded_text.h"
#include "discovery_fixture.h"
#include "shell/installer_state.h"

namespace {

const os::RegKey kUser = os::HiveCurrentUser();
const os::RegKey kMachine = os::HiveLocalMachine();
const os::RegKey kClasses = os::HiveClassesRoot();
const char kAppPaths[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";

class DiscoverySequenceTest : public DiscoveryTest {
 protected:
  static void PutFolder(os::RegKey hive, sim::View view, const std::string& key,
                        const std::string& name, const std::string& folder) {
    sim::AddFolder(folder);
    sim::PutString(hive, view, key, name, folder);
  }

  // One folder for every search.
  static void PutEverySearch() {
    PutFolder(kUser, sim::View::k32, "Software\\Brenmoor\\Plugins", "Dir", "C:\\F\\OwnUser");
    PutFolder(kMachine, sim::View::k32, "SOFTWARE\\Brenmoor", "PluginDir", "C:\\F\\OwnMachine");
    // The current user's tree is one in both views: the 64-bit pass sees it too.
    PutFolder(kUser, sim::View::k32, "Software\\Adobe\\Photoshop\\Plugins", "x",
              "C:\\F\\AdobeUser");
    PutFolder(kMachine, sim::View::k64, "SOFTWARE\\Adobe\\Photoshop\\13.0 x64", "PluginPath",
              "C:\\F\\Adobe64");
    PutFolder(kMachine, sim::View::k32, "SOFTWARE\\Adobe\\Photoshop\\13.0", "PluginPath",
              "C:\\F\\Adobe32");
    PutFolder(kMachine, sim::View::k32, "SOFTWARE\\Corel\\PaintShop\\Plugins", "d", "C:\\F\\Corel");
    PutFolder(kUser, sim::View::k32, "Software\\Jasc\\Paint Shop Pro", "Directory1", "C:\\F\\Jasc");
    PutFolder(kMachine, sim::View::k32, "SOFTWARE\\Xara\\XaraX\\Plugins", "d", "C:\\F\\Xara");
    sim::AddFolder("C:\\Apps\\Fw\\Plug-ins");
    sim::PutString(kMachine, sim::View::k32, std::string(kAppPaths) + "\\fireworks.exe", "",
                   "C:\\Apps\\Fw\\fw.exe");
    sim::AddFolder("C:\\Apps\\Img\\Plugin");
    sim::PutString(kClasses, sim::View::k32, "PI3.Image\\shell\\open\\command", "",
                   "\"C:\\Apps\\Img\\editor.exe\" \"%1\"");
  }

  static std::vector<int> Views() {
    std::vector<int> views;
    for (const PluginFolder& e : PluginFolderList) {
      if (e.path[0] == '\0') break;
      views.push_back(e.is64View);
    }
    return views;
  }
};

TEST_F(DiscoverySequenceTest, SearchesInOrderWithThe64BitPassOn64BitWindows) {
  PutEverySearch();
  CreateLog();
  DiscoverPluginFolders();

  EXPECT_EQ(Stored(), (std::vector<std::string>{
                          "C:\\F\\Ownuser\\", "C:\\F\\Ownmachine\\", "C:\\F\\Adobeuser\\",
                          "C:\\F\\Adobe64\\", "C:\\F\\Adobe32\\", "C:\\F\\Corel\\", "C:\\F\\Jasc\\",
                          "C:\\F\\Xara\\", "C:\\Apps\\Fw\\Plug-Ins\\", "C:\\Apps\\Img\\Plugin\\"}));
  EXPECT_EQ(Views(), (std::vector<int>{0, 0, 1, 1, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Log(),
            "\r\n\r\nWow64\r\n"
            "x32 HKEY_CURRENT_USER   software\\brenmoor\\plugins  Dir    C:\\F\\OwnUser\r\n"
            "x32 HKEY_LOCAL_MACHINE  software\\brenmoor  plugindir    C:\\F\\OwnMachine\r\n"
            "x64 HKEY_CURRENT_USER   software\\adobe\\photoshop\\plugins  x    C:\\F\\AdobeUser\r\n"
            "x64 HKEY_LOCAL_MACHINE  software\\adobe\\photoshop\\13.0 x64  pluginpath    "
            "C:\\F\\Adobe64\r\n"
            "x32 HKEY_CURRENT_USER   software\\adobe\\photoshop\\plugins  x    C:\\F\\AdobeUser\r\n"
            "x32 HKEY_LOCAL_MACHINE  software\\adobe\\photoshop\\13.0  pluginpath    "
            "C:\\F\\Adobe32\r\n"
            "x32 HKEY_LOCAL_MACHINE  software\\corel\\paintshop\\plugins  d    C:\\F\\Corel\r\n"
            "x32 HKEY_CURRENT_USER   software\\jasc\\paint shop pro  directory1    C:\\F\\Jasc\r\n"
            "x32 HKEY_LOCAL_MACHINE  software\\xara\\xarax\\plugins  d    C:\\F\\Xara\r\n"
            "x32 appath  C:\\Apps\\Fw\\plug-ins\r\n"
            "x32 shell  C:\\Apps\\Img\\plugin\r\n");
  EXPECT_EQ(Use64BitView, 0);
  EXPECT_EQ(sim::OpenRegistryHandles(), 0);
  EXPECT_STREQ(BrowseBuffer, "C:\\Apps\\Img\\Plugin\\");  // the last lookup, in normal form
}

TEST_F(DiscoverySequenceTest, No64BitPassOn32BitWindows) {
  for (sim::Windows windows : {sim::Windows::k32Bit, sim::Windows::kNoWow64Entry}) {
    SetUp();
    sim::SetWindows(windows);
    PutEverySearch();  // on 32-bit Windows both views are the one tree
    CreateLog();
    DiscoverPluginFolders();

    EXPECT_EQ(Stored(),
              (std::vector<std::string>{
                  "C:\\F\\Ownuser\\", "C:\\F\\Ownmachine\\", "C:\\F\\Adobeuser\\",
                  "C:\\F\\Adobe32\\", "C:\\F\\Adobe64\\", "C:\\F\\Corel\\", "C:\\F\\Jasc\\",
                  "C:\\F\\Xara\\", "C:\\Apps\\Fw\\Plug-Ins\\", "C:\\Apps\\Img\\Plugin\\"}));
    EXPECT_EQ(Views(), std::vector<int>(10, 0));
    EXPECT_EQ(Log().rfind("\r\n\r\nx(86)\r\n", 0), 0u);
    EXPECT_EQ(Log().find("\r\nx64 "), std::string::npos);
    EXPECT_EQ(Use64BitView, 0);
  }
}

TEST_F(DiscoverySequenceTest, FolderInBothViewsKeepsThe64BitPassPlace) {
  PutFolder(kMachine, sim::View::k32, "SOFTWARE\\Brenmoor", "Plugin", "C:\\F\\Own");
  PutFolder(kMachine, sim::View::k32, "SOFTWARE\\Adobe\\Photoshop\\9", "PluginPath", "C:\\F\\A");
  PutFolder(kMachine, sim::View::k32, "SOFTWARE\\Adobe\\Photoshop\\10", "PluginPath",
            "C:\\F\\Both");
  PutFolder(kMachine, sim::View::k64, "SOFTWARE\\Adobe\\Photoshop\\12", "PluginPath",
            "c:\\f\\both\\");
  CreateLog();
  DiscoverPluginFolders();

  EXPECT_EQ(Stored(), (std::vector<std::string>{"C:\\F\\Own\\", "C:\\F\\Both\\", "C:\\F\\A\\"}));
  EXPECT_EQ(Views(), (std::vector<int>{0, 1, 0}));
  // The 32-bit pass reports it again: a log line, no entry.
  EXPECT_NE(Log().find("x32 HKEY_LOCAL_MACHINE  software\\adobe\\photoshop\\10  pluginpath    "
                       "C:\\F\\Both\r\n"),
            std::string::npos);
}

TEST_F(DiscoverySequenceTest, LookupProgramFolder) {
  struct Case {
    uint32_t type;
    const char* command;  // null: no such key
    const char* folder;   // null: nothing usable
  };
  const Case cases[] = {
      {os::kRegSz, "C:\\Apps\\Fw\\fw.exe", "C:\\Apps\\Fw\\"},
      {os::kRegSz, "\"C:\\Apps\\Img\\editor.exe\" \"%1\"", "C:\\Apps\\Img\\"},
      // A quoted path argument after the program: the result still holds quotes.
      {os::kRegSz, "\"C:\\Apps\\Img\\editor.exe\" \"C:\\Docs\\a.txt\"",
       "C:\\Apps\\Img\\editor.exe\" \"C:\\Docs\\"},
      {os::kRegSz, "%ProgramFiles%\\Fw\\fw.exe", nullptr},
      {os::kRegSz, "\\\\server\\share\\fw.exe", nullptr},
      {os::kRegSz, "fw.exe", nullptr},
      {os::kRegSz, "", nullptr},
      {os::kRegExpandSz, "C:\\Apps\\Fw\\fw.exe", nullptr},
      {os::kRegSz, nullptr, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command ? c.command : "(no key)");
    SetUp();
    const std::string key = std::string(kAppPaths) + "\\fireworks.exe";
    if (c.command != nullptr) {
      const std::string text(c.command);
      sim::PutValue(kMachine, sim::View::k32, key, "", c.type,
                    std::vector<uint8_t>(text.c_str(), text.c_str() + text.size() + 1));
    }
    char out[400] = "unchanged";
    char* result = LookupProgramFolder(kMachine, kAppPaths, "fireworks.exe", out);
    if (c.folder == nullptr) {
      EXPECT_EQ(result, nullptr);
      EXPECT_STREQ(out, "unchanged");
    } else {
      EXPECT_EQ(result, out);
      EXPECT_STREQ(out, c.folder);
    }
  }
}

TEST_F(DiscoverySequenceTest, LookupsSettleOrAddNothing) {
  // The program's folder lacks plug-ins (and any shortening of it): the folder itself is taken.
  sim::AddFolder("C:\\Apps\\Fw");
  sim::PutString(kMachine, sim::View::k32, std::string(kAppPaths) + "\\fireworks.exe", "",
                 "C:\\Apps\\Fw\\fw.exe");
  // Quotes left in the text: the settle step fails.
  sim::AddFolder("C:\\Apps\\Img\\plugin");
  sim::AddFolder("C:\\Docs\\plugin");
  sim::PutString(kClasses, sim::View::k32, "PI3.Image\\shell\\open\\command", "",
                 "\"C:\\Apps\\Img\\editor.exe\" \"C:\\Docs\\a.txt\"");
  DiscoverPluginFolders();
  EXPECT_EQ(Stored(), std::vector<std::string>{"C:\\Apps\\Fw\\"});

  // Neither lookup finds its key: the buffer is left alone.
  SetUp();
  CopyText(BrowseBuffer, "before");
  DiscoverPluginFolders();
  EXPECT_TRUE(Stored().empty());
  EXPECT_STREQ(BrowseBuffer, "before");
}

}  // namespace
