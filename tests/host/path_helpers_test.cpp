// The folder path helpers, with the examples of their contracts as tables.
#include "discovery/path_helpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/sim.h"
#include "platform/sim/sim_files.h"

namespace {

struct TextCase {
  std::string in;
  std::string out;
};

// Runs op on a 400-character buffer holding the case's input.
template <typename Op>
void Check(const std::vector<TextCase>& cases, Op op) {
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.in);
    ASSERT_LT(c.in.size(), 400u);
    char buffer[400];
    std::copy(c.in.begin(), c.in.end(), buffer);
    buffer[c.in.size()] = '\0';
    EXPECT_EQ(op(buffer), buffer);  // each returns its buffer
    EXPECT_EQ(std::string(buffer), c.out);
  }
}

TEST(PathHelpersTest, TitleCasePath) {
  Check(
      {
          {"c:\\program files (x86)\\adobe\\photoshop cs5\\plug-ins\\",
           "C:\\Program Files (X86)\\Adobe\\Photoshop Cs5\\Plug-Ins\\"},
          {"D:\\PSP8\\PLUGINS\\", "D:\\Psp8\\Plugins\\"},
          {"", ""},
          {"x", "X"},
          {"1abc", "1Abc"},
          // Non-letters in 'A'..'z' stay, but the letter after each is upper-cased.
          {"a\\[b_c^d`e", "A\\[B_C^D`E"},
          // An accented letter is a letter; after a blank it keeps its case.
          {"a \xE9t\xE9", "A \xE9t\xE9"},
          {"\xE9"
           "a",
           "\xC9"
           "a"},
          {"\xD7"
           "a",
           "\xD7"
           "A"},  // the multiplication sign is no letter
      },
      [](char* t) { return TitleCasePath(t); });
}

TEST(PathHelpersTest, EnsureTrailingBackslash) {
  Check({{"", "\\"}, {"C:\\a", "C:\\a\\"}, {"C:\\a\\", "C:\\a\\"}, {"C:\\a\\\\", "C:\\a\\\\"}},
        [](char* t) { return EnsureTrailingBackslash(t, 400); });
  char full[5] = "abcd";  // no room left: unchanged, still terminated
  EnsureTrailingBackslash(full);
  EXPECT_STREQ(full, "abcd");
}

TEST(PathHelpersTest, StripLeadingNonLetters) {
  Check(
      {
          {"\"C:\\Apps\\x\"", "C:\\Apps\\x\""},  // only the leading quote goes
          {"123-+.\\ ", ""},
          {"", ""},
          {"Abc", "Abc"},
          {"%ProgramFiles%\\x", "ProgramFiles%\\x"},
          {"  \xE9t\xE9", "\xE9t\xE9"},
      },
      [](char* t) { return StripLeadingNonLetters(t); });

  // The 390-character cut applies only to a text that does not begin with a letter.
  char text[600];
  std::string quoted = "\"" + std::string(499, 'a');
  std::copy(quoted.begin(), quoted.end(), text);
  text[quoted.size()] = '\0';
  StripLeadingNonLetters(text);
  EXPECT_EQ(std::string(text), std::string(389, 'a'));
  std::string letters(500, 'a');
  std::copy(letters.begin(), letters.end(), text);
  text[letters.size()] = '\0';
  StripLeadingNonLetters(text);
  EXPECT_EQ(std::string(text), letters);
}

TEST(PathHelpersTest, CutAfterLast) {
  Check(
      {
          {"C:\\Apps\\Fw\\fw.exe", "C:\\Apps\\Fw\\"},
          {"C:\\a\\b\\", "C:\\a\\"},  // a trailing backslash is passed over
          {"\\abc", "\\abc"},         // index 0 is never a hit
          {"a\\", "a\\"},
          {"ab", "ab"},
          {"a\\b", "a\\"},
          {"\\\\\\", "\\\\"},
          {"\"C:\\Apps\\Img\\editor.exe\" \"%1\"", "\"C:\\Apps\\Img\\"},
      },
      [](char* t) { return CutAfterLast(t, '\\'); });
}

TEST(PathHelpersTest, JoinPath) {
  char key[400] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";
  EXPECT_EQ(JoinPath(key, "fireworks.exe"), key);
  EXPECT_STREQ(key, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\fireworks.exe");
  char folder[400] = "C:\\Apps\\Fw\\";
  EXPECT_STREQ(JoinPath(folder, "plug-ins"), "C:\\Apps\\Fw\\plug-ins");
  char small[8] = "abc";
  EXPECT_STREQ(JoinPath(small, "defghij"), "abc\\def");  // cut to the buffer
}

TEST(PathHelpersTest, SettleExistingFolder) {
  struct Case {
    std::vector<std::string> folders;
    std::string in;
    int result;
    std::string out;
    std::vector<std::string> tried;  // the existence tests, in order
  };
  const std::string app = "C:\\Hosts\\App\\";
  const Case cases[] = {
      {{"C:\\Hosts\\App\\Plug-ins"},
       "C:\\Hosts\\App\\Plug-ins\\",
       1,
       "C:\\Hosts\\App\\Plug-ins",
       {"C:\\Hosts\\App\\Plug-ins"}},
      {{"C:\\Hosts\\App"},
       app + "plugin",
       1,
       app,
       {app + "plugin", app + "plugi", app + "plug", app + "plu", app + "pl", app + "p", app}},
      {{"C:\\Hosts\\App\\plug"},
       app + "plugin",
       1,
       app + "plug",
       {app + "plugin", app + "plugi", app + "plug"}},
      {{"C:\\Hosts"},
       "C:\\Hosts\\Gone\\plugin",
       0,
       "C:\\Hosts\\Gone\\",
       {"C:\\Hosts\\Gone\\plugin", "C:\\Hosts\\Gone\\plugi", "C:\\Hosts\\Gone\\plug",
        "C:\\Hosts\\Gone\\plu", "C:\\Hosts\\Gone\\pl", "C:\\Hosts\\Gone\\p", "C:\\Hosts\\Gone\\"}},
      {{}, "C:\\a", 0, "C:\\", {"C:\\a"}},
      // A stray closing quote goes with the shortening; the folder is found with its backslash.
      {{"C:\\Hosts\\App\\Plug-ins"},
       "C:\\Hosts\\App\\Plug-ins\\\"",
       1,
       "C:\\Hosts\\App\\Plug-ins\\",
       {"C:\\Hosts\\App\\Plug-ins\\\"", "C:\\Hosts\\App\\Plug-ins\\"}},
      // Only one trailing backslash is removed before the first test.
      {{"C:\\A"}, "C:\\A\\\\", 1, "C:\\A\\", {"C:\\A\\"}},
      // Texts of three characters or fewer are never tested.
      {{}, "", 0, "", {}},
      {{}, "C:\\", 0, "C:", {}},
      {{}, "C:\\\\", 0, "C:\\", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.in);
    sim::Reset();
    for (const std::string& f : c.folders) sim::AddFolder(f);
    char buffer[400];
    std::copy(c.in.begin(), c.in.end(), buffer);
    buffer[c.in.size()] = '\0';
    EXPECT_EQ(SettleExistingFolder(buffer), c.result);
    EXPECT_EQ(std::string(buffer), c.out);
    EXPECT_EQ(sim::SetCurrentFolderLog(), c.tried);
  }
}

}  // namespace
