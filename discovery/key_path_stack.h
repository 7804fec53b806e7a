// The walker's position above the current key: for each level entered, the subkey index in the
// parent and the key path's length before the descent. Walking by path, without recursion and
// without open registry handles, needs nothing more.
#pragma once
#include <cstddef>

struct KeyPathStack {
  // The start key sits at the empty stack, so keys down to 19 levels below it can be entered.
  static constexpr int kLevels = 19;

  int top = -1;  // -1: empty
  int savedIndex[kLevels] = {};
  int savedLength[kLevels] = {};

  bool Full() const { return top == kLevels - 1; }

  // Enters subkeyName below keyPath (a buffer of capacity characters): saves the position,
  // appends a backslash and the name, and sets the subkey index to 0. Refused, with nothing
  // changed, when the stack is full or the longer key path would not fit its buffer.
  bool Push(char* keyPath, size_t capacity, const char* subkeyName, int* subkeyIndex);

  // Returns to the parent: ends keyPath at its saved length and returns the saved subkey index;
  // -1 when the stack is empty.
  int Pop(char* keyPath);
};
