// The walker's stack: 19 levels, saved positions, and key paths kept inside their buffer.
#include "discovery/key_path_stack.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(KeyPathStackTest, PushAndPopRestorePathAndIndex) {
  KeyPathStack stack;
  char path[400] = "software\\vendor";
  int index = 4;
  EXPECT_EQ(stack.Pop(path), -1);  // empty: stays empty
  ASSERT_TRUE(stack.Push(path, sizeof path, "Sub", &index));
  EXPECT_STREQ(path, "software\\vendor\\Sub");
  EXPECT_EQ(index, 0);
  index = 7;
  ASSERT_TRUE(stack.Push(path, sizeof path, "deeper", &index));
  EXPECT_EQ(stack.Pop(path), 7);
  EXPECT_STREQ(path, "software\\vendor\\Sub");
  EXPECT_EQ(stack.Pop(path), 4);
  EXPECT_STREQ(path, "software\\vendor");
  EXPECT_EQ(stack.Pop(path), -1);
  EXPECT_EQ(stack.top, -1);
}

TEST(KeyPathStackTest, HoldsNineteenLevels) {
  KeyPathStack stack;
  char path[400] = "software\\vendor";
  int index = 0;
  for (int level = 1; level <= 19; ++level) {
    ASSERT_TRUE(stack.Push(path, sizeof path, "k", &index)) << level;
  }
  EXPECT_TRUE(stack.Full());
  const std::string before = path;
  index = 3;
  EXPECT_FALSE(stack.Push(path, sizeof path, "k", &index));
  EXPECT_EQ(path, before);
  EXPECT_EQ(index, 3);
}

TEST(KeyPathStackTest, KeyPathMayFillItsBufferButNotOutgrowIt) {
  const std::string start(273, 's');
  for (const size_t name : {125u, 126u, 255u}) {
    SCOPED_TRACE(name);
    KeyPathStack stack;
    char path[400];
    start.copy(path, start.size());
    path[start.size()] = '\0';
    int index = 2;
    const bool entered = stack.Push(path, sizeof path, std::string(name, 'n').c_str(), &index);
    EXPECT_EQ(entered, name == 125u);  // 273 + 1 + 125 = 399 characters
    EXPECT_EQ(std::string(path).size(), entered ? 399u : 273u);
    EXPECT_EQ(stack.top, entered ? 0 : -1);
    EXPECT_EQ(index, entered ? 0 : 2);
  }
}

}  // namespace
