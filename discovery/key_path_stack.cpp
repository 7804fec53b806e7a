#include "discovery/key_path_stack.h"

#include <cstring>

#include "common/bounded_text.h"

bool KeyPathStack::Push(char* keyPath, size_t capacity, const char* subkeyName, int* subkeyIndex) {
  if (Full()) return false;
  const size_t length = BoundedLength(keyPath, capacity);
  // The subkey's path is the parent's, a backslash and the name; a cut one would name some
  // other key.
  if (length + 1 + BoundedLength(subkeyName, capacity) >= capacity) return false;
  ++top;
  savedIndex[top] = *subkeyIndex;
  savedLength[top] = static_cast<int>(length);
  AppendText(keyPath, capacity, "\\");
  AppendText(keyPath, capacity, subkeyName);
  *subkeyIndex = 0;
  return true;
}

int KeyPathStack::Pop(char* keyPath) {
  if (top < 0) return -1;
  keyPath[savedLength[top]] = '\0';
  return savedIndex[top--];
}
