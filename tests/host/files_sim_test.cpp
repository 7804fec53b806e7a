// The sim's file system beyond the contract suite it shares with Windows: what its controls
// report, the path limits of the ANSI calls on Windows (Wine is more lenient, so they are not
// part of the contract), injected failures and reset.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/files.h"
#include "platform/sim/sim.h"
#include "platform/sim/sim_files.h"

namespace {

class FilesSimTest : public ::testing::Test {
 protected:
  void SetUp() override { sim::Reset(); }

  static bool Write(os::FileHandle f, const char* text) {
    return os::WriteFile(f, text, std::strlen(text)) == std::strlen(text);
  }
};

TEST_F(FilesSimTest, CurrentFolderFollowsWin32PathRules) {
  sim::AddFolder("C:\\Hosts\\App");
  EXPECT_EQ(sim::CurrentFolder(), "C:\\");

  struct Case {
    const char* path;
    bool ok;
    const char* current;  // afterwards
  };
  const Case cases[] = {
      {"c:\\HOSTS\\app\\", true, "C:\\HOSTS\\app"},  // any case; the caller's spelling is kept
      {"..", true, "C:\\HOSTS"},
      {"App", true, "C:\\HOSTS\\App"},
      {"\\Hosts", true, "C:\\Hosts"},
      {"C:\\Hosts\\App. ", true, "C:\\Hosts\\App"},     // trailing dots and blanks of the last name
      {"C:\\Hosts\\App\\\"", false, "C:\\Hosts\\App"},  // a quote is no name character
      {"C:\\Hosts\\Ap", false, "C:\\Hosts\\App"},
      {"D:\\", false, "C:\\Hosts\\App"},  // no such drive
      {"", false, "C:\\Hosts\\App"},
      {"C:/Hosts//App/", true, "C:\\Hosts\\App"},
      {"C:\\", true, "C:\\"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(os::SetCurrentFolder(c.path), c.ok);
    EXPECT_EQ(sim::CurrentFolder(), c.current);
  }
  ASSERT_EQ(sim::SetCurrentFolderLog().size(), std::size(cases));
  EXPECT_EQ(sim::SetCurrentFolderLog()[5], "C:\\Hosts\\App\\\"");
}

// Windows' ANSI calls: CreateDirectoryA keeps room for an 8.3 name (248 characters with the
// terminator), SetCurrentDirectoryA for the backslash it adds (258 characters), the rest take
// MAX_PATH (259 characters).
TEST_F(FilesSimTest, PathsOverTheAnsiLimitsFail) {
  const std::string base = "C:\\" + std::string(200, 'a');  // 203 characters
  sim::AddFolder(base);
  auto path = [&](size_t length) { return base + "\\" + std::string(length - 204, 'b'); };
  EXPECT_TRUE(os::CreateFolder(path(247).c_str()));
  EXPECT_FALSE(os::CreateFolder(path(248).c_str()));
  sim::AddFolder(path(258));
  sim::AddFolder(path(259));
  EXPECT_TRUE(os::SetCurrentFolder(path(258).c_str()));
  EXPECT_FALSE(os::SetCurrentFolder(path(259).c_str()));
  os::FileHandle f = os::OpenFile((base + "\\" + std::string(55, 'c')).c_str(), "wb");  // 259
  EXPECT_NE(f, nullptr);
  os::CloseFile(f);
  EXPECT_EQ(os::OpenFile((base + "\\" + std::string(56, 'c')).c_str(), "wb"), nullptr);
}

TEST_F(FilesSimTest, InjectedFailures) {
  sim::AddFolder("C:\\Locked\\Inner");
  sim::PutFile("C:\\Locked\\Inner\\old.txt", "old");
  sim::FailOpensUnder("c:\\locked");
  EXPECT_EQ(os::OpenFile("C:\\Locked\\Inner\\new.bin", "wb+"), nullptr);
  EXPECT_EQ(os::OpenFile("C:\\Locked\\Inner\\old.txt", "a+t"), nullptr);
  EXPECT_FALSE(os::CreateFolder("C:\\Locked\\Other"));
  os::FileHandle reading = os::OpenFile("C:\\Locked\\Inner\\old.txt", "rt");
  EXPECT_NE(reading, nullptr);
  os::CloseFile(reading);
  EXPECT_TRUE(os::CreateFolder("C:\\LockedNot"));  // a sibling whose name begins the same

  // A full disk: the write is cut short, counted in file bytes (a text-mode line end takes two
  // and is not split).
  sim::LimitWrittenBytes(5);
  os::FileHandle f = os::OpenFile("C:\\LockedNot\\a.txt", "wt");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(os::WriteFile(f, "ab\n\ncd", 6), 3u);
  EXPECT_FALSE(os::CloseFile(f));
  EXPECT_EQ(sim::FileBytes("C:\\LockedNot\\a.txt"), "ab\r\n");
  sim::LimitWrittenBytes(-1);
  f = os::OpenFile("C:\\LockedNot\\a.txt", "wb");
  EXPECT_TRUE(Write(f, "whole"));
  EXPECT_TRUE(os::CloseFile(f));
}

TEST_F(FilesSimTest, ResetForgetsFilesAndFolders) {
  sim::AddFolder("C:\\Gone");
  sim::PutFile("C:\\Gone\\f", "x");
  ASSERT_TRUE(os::SetCurrentFolder("C:\\Gone"));
  os::OpenFile("C:\\Gone\\open.txt", "wt");  // left open: Reset frees it
  sim::Reset();
  EXPECT_FALSE(sim::FolderExists("C:\\Gone"));
  EXPECT_FALSE(sim::FileExists("C:\\Gone\\f"));
  EXPECT_EQ(sim::CurrentFolder(), "C:\\");
  EXPECT_TRUE(sim::SetCurrentFolderLog().empty());
}

}  // namespace
