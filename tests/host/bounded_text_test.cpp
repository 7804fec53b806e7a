// Bounded copy and append into the installer's fixed buffers.
#include "common/bounded_text.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(BoundedTextTest, CopyAndAppendCutToTheBuffer) {
  struct Case {
    const char* start;
    const char* add;
    bool append;
    const char* expected;
    bool whole;
  } cases[] = {
      {"", "abc", false, "abc", true},        {"zz", "abcdefgh", false, "abcdefg", false},
      {"ab", "cd", true, "abcd", true},       {"abcde", "fghij", true, "abcdefg", false},
      {"abcdefg", "", true, "abcdefg", true}, {"abcdefg", "x", true, "abcdefg", false},
  };
  for (const Case& c : cases) {
    char buffer[8 + 4];
    std::memset(buffer, '#', sizeof buffer);
    std::strcpy(buffer, c.start);
    const bool whole = c.append ? AppendText(buffer, 8, c.add) : CopyText(buffer, 8, c.add);
    EXPECT_STREQ(buffer, c.expected) << c.start << " + " << c.add;
    EXPECT_EQ(whole, c.whole) << c.start << " + " << c.add;
    EXPECT_EQ(buffer[8], '#') << "wrote past the buffer";
  }
}

TEST(BoundedTextTest, AppendToAnUnterminatedBufferEndsItInside) {
  char buffer[4] = {'a', 'b', 'c', 'd'};
  EXPECT_FALSE(AppendText(buffer, sizeof buffer, "x"));
  EXPECT_STREQ(buffer, "abc");
  EXPECT_EQ(BoundedLength("abcdef", 3), 3u);
}

}  // namespace
