// Letters and upper-casing of the sim's ANSI code page (Windows-1252).
#include <gtest/gtest.h>

#include "platform/text.h"

namespace {

struct CharCase {
  unsigned char c;
  bool letter;
  unsigned char upper;
};

TEST(AnsiTextTest, LettersAndUpperCaseFollowWindows1252) {
  const CharCase cases[] = {
      {'a', true, 'A'},    {'z', true, 'Z'},    {'Q', true, 'Q'},    {'0', false, '0'},
      {' ', false, ' '},   {':', false, ':'},   {'\\', false, '\\'}, {'"', false, '"'},
      {'[', false, '['},   {'_', false, '_'},   {'`', false, '`'},   {'{', false, '{'},
      {0xE9, true, 0xC9},  {0xC9, true, 0xC9},  {0xFE, true, 0xDE},  {0xFF, true, 0x9F},
      {0x9A, true, 0x8A},  {0x9C, true, 0x8C},  {0x9E, true, 0x8E},  {0x83, true, 0x83},
      {0xDF, true, 0xDF},  {0xB5, true, 0xB5},  {0xAA, true, 0xAA},  {0xD7, false, 0xD7},
      {0xF7, false, 0xF7}, {0x80, false, 0x80}, {0x81, false, 0x81}, {0xA0, false, 0xA0},
      {0xBF, false, 0xBF}, {0x00, false, 0x00},
  };
  for (const CharCase& k : cases) {
    SCOPED_TRACE(static_cast<int>(k.c));
    EXPECT_EQ(os::IsLetter(static_cast<char>(k.c)), k.letter);
    EXPECT_EQ(static_cast<unsigned char>(os::UpperChar(static_cast<char>(k.c))), k.upper);
  }
}

}  // namespace
