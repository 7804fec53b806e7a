// The sim's file system behaves as the Win32 folder calls and the C run-time's streams do.
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

TEST_F(FilesSimTest, PathsOverTheAnsiLimitsFail) {
  std::string deep = "C:\\" + std::string(200, 'a') + "\\" + std::string(50, 'b');  // 254 chars
  sim::AddFolder(deep);
  EXPECT_TRUE(os::SetCurrentFolder(deep.c_str()));
  EXPECT_FALSE(os::CreateFolder((deep + "\\c").c_str()));   // no room for an 8.3 name
  std::string longer = deep + "\\" + std::string(10, 'c');  // 265 chars
  EXPECT_FALSE(os::SetCurrentFolder(longer.c_str()));
  EXPECT_EQ(os::OpenFile(longer.c_str(), "wb"), nullptr);
}

TEST_F(FilesSimTest, CreateFolderMakesTheLastLevelOnly) {
  EXPECT_FALSE(os::CreateFolder("C:\\A\\B"));
  EXPECT_TRUE(os::CreateFolder("C:\\A"));
  EXPECT_FALSE(os::CreateFolder("c:\\a"));  // exists
  EXPECT_TRUE(os::CreateFolder("C:\\a\\B\\"));
  EXPECT_TRUE(sim::FolderExists("C:\\A\\b"));
  EXPECT_FALSE(os::CreateFolder("C:\\"));
  sim::PutFile("C:\\A\\f.txt", "x");
  EXPECT_FALSE(os::CreateFolder("C:\\A\\F.TXT"));
  EXPECT_FALSE(os::SetCurrentFolder("C:\\A\\f.txt"));
}

TEST_F(FilesSimTest, StreamModes) {
  sim::AddFolder("C:\\Out");
  // "rt" needs the file; "a+t" creates it and appends with CR LF line ends.
  EXPECT_EQ(os::OpenFile("C:\\Out\\log.txt", "rt"), nullptr);
  os::FileHandle f = os::OpenFile("C:\\Out\\log.txt", "a+t");
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(Write(f, "one\n"));
  EXPECT_TRUE(os::CloseFile(f));
  f = os::OpenFile("c:\\out\\LOG.TXT", "a+t");
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(Write(f, "\n\ntwo"));
  EXPECT_TRUE(os::CloseFile(f));
  EXPECT_EQ(sim::FileBytes("C:\\Out\\log.txt"), "one\r\n\r\n\r\ntwo");
  f = os::OpenFile("C:\\Out\\log.txt", "rt");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(os::WriteFile(f, "x", 1), 0u);  // read only
  EXPECT_FALSE(os::CloseFile(f));

  // "wb+" creates or truncates and writes bytes unchanged.
  f = os::OpenFile("C:\\Out\\log.txt", "wb+");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(os::WriteFile(f, "a\nb\0c", 5), 5u);
  EXPECT_TRUE(os::CloseFile(f));
  EXPECT_EQ(sim::FileBytes("C:\\Out\\log.txt"), std::string("a\nb\0c", 5));

  EXPECT_EQ(os::OpenFile("C:\\Missing\\x.bin", "wb+"), nullptr);
  EXPECT_EQ(os::OpenFile("C:\\Out", "wb+"), nullptr);  // a folder
  EXPECT_EQ(os::OpenFile("C:\\Out\\y.bin", "q"), nullptr);
  EXPECT_FALSE(sim::FileExists("C:\\Out\\y.bin"));
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
