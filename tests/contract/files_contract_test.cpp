// What the installer relies on from the folder calls and the C run-time's streams, checked the
// same way against the in-memory file system on the host and against the real one (the 64-bit
// build under Wine): path forms, the folder-exists test, last-level creation, the stream modes
// and their line ends.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>

#include "platform/files.h"
#include "tests/contract/file_bytes.h"

namespace {

// Every run works in a folder of its own, so files of earlier runs in a kept Wine prefix play
// no part.
const std::string& Root() {
  static const std::string root =
      "C:\\VkFiles" +
      std::to_string(std::chrono::system_clock::now().time_since_epoch().count() % 1000000007);
  return root;
}

class FilesContractTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(os::CreateFolder(Root().c_str()));
    ASSERT_TRUE(os::CreateFolder((Root() + "\\Hosts").c_str()));
    ASSERT_TRUE(os::CreateFolder((Root() + "\\Hosts\\App").c_str()));
  }
  // Restores a current directory that no later test depends on.
  void TearDown() override { os::SetCurrentFolder("C:\\"); }

  static std::string In(const std::string& tail) { return Root() + tail; }
  static bool Write(os::FileHandle f, const char* text) {
    return os::WriteFile(f, text, std::strlen(text)) == std::strlen(text);
  }
};

TEST_F(FilesContractTest, FolderExistsTestFollowsWin32PathRules) {
  const struct {
    std::string path;
    bool exists;
  } cases[] = {
      {In("\\Hosts\\App"), true},
      {In("\\HOSTS\\app\\"), true},
      {In("\\Hosts\\App. "), true},  // trailing dots and blanks of the last name are dropped
      {In("\\Hosts\\App\\.\\..\\App"), true},
      {In("/Hosts//App/"), true},
      {In("\\Hosts\\App\\\""), false},  // a quote is no name character
      {In("\\Hosts\\App\\\" \"C:"), false},
      {In("\\Hosts\\Ap"), false},
      {In("\\Hosts\\Apps"), false},
      {"", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(os::SetCurrentFolder(c.path.c_str()), c.exists);
  }
  // Relative to the current directory.
  ASSERT_TRUE(os::SetCurrentFolder(In("\\Hosts").c_str()));
  EXPECT_TRUE(os::SetCurrentFolder("App"));
  EXPECT_TRUE(os::SetCurrentFolder(".."));
  EXPECT_FALSE(os::SetCurrentFolder("Gone"));
}

TEST_F(FilesContractTest, CreateFolderMakesTheLastLevelOnly) {
  EXPECT_FALSE(os::CreateFolder(In("\\New\\Deeper").c_str()));
  EXPECT_TRUE(os::CreateFolder(In("\\New").c_str()));
  EXPECT_FALSE(os::CreateFolder(In("\\new").c_str()));  // exists, in any case
  EXPECT_TRUE(os::CreateFolder(In("\\new\\Deeper\\").c_str()));
  EXPECT_TRUE(os::SetCurrentFolder(In("\\NEW\\deeper").c_str()));
  EXPECT_FALSE(os::CreateFolder("C:\\"));

  os::FileHandle f = os::OpenFile(In("\\New\\f.txt").c_str(), "wb");
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(os::CloseFile(f));
  EXPECT_FALSE(os::CreateFolder(In("\\New\\F.TXT").c_str()));  // a file is in the way
  EXPECT_FALSE(os::SetCurrentFolder(In("\\New\\f.txt").c_str()));
}

TEST_F(FilesContractTest, StreamModes) {
  const std::string log = In("\\Hosts\\log.txt");
  // "rt" needs the file; "a+t" creates it and appends, writing "\n" as CR LF.
  EXPECT_EQ(os::OpenFile(log.c_str(), "rt"), nullptr);
  os::FileHandle f = os::OpenFile(log.c_str(), "a+t");
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(Write(f, "one\n"));
  EXPECT_TRUE(os::CloseFile(f));
  f = os::OpenFile(In("\\hosts\\LOG.TXT").c_str(), "a+t");
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(Write(f, "\n\ntwo"));
  EXPECT_TRUE(os::CloseFile(f));
  EXPECT_EQ(FileBytesForContract(log), "one\r\n\r\n\r\ntwo");

  f = os::OpenFile(log.c_str(), "rt");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(os::WriteFile(f, "x", 1), 0u);  // opened for reading only
  EXPECT_FALSE(os::CloseFile(f));
  EXPECT_EQ(FileBytesForContract(log), "one\r\n\r\n\r\ntwo");

  // "wb+" truncates and writes the bytes unchanged.
  f = os::OpenFile(log.c_str(), "wb+");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(os::WriteFile(f, "a\nb\0c", 5), 5u);
  EXPECT_TRUE(os::CloseFile(f));
  EXPECT_EQ(FileBytesForContract(log), std::string("a\nb\0c", 5));

  EXPECT_EQ(os::OpenFile(In("\\Missing\\x.bin").c_str(), "wb+"), nullptr);
  EXPECT_EQ(os::OpenFile(In("\\Hosts").c_str(), "wb+"), nullptr);  // a folder
  EXPECT_EQ(os::OpenFile(In("\\Hosts\\a\"b.bin").c_str(), "wb+"), nullptr);
}

}  // namespace
