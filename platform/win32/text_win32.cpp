#include <windows.h>

#include <cstdint>

#include "platform/text.h"

namespace os {

bool IsLetter(char c) { return IsCharAlphaA(c) != FALSE; }

char UpperChar(char c) {
  // CharUpperA takes a single character in the low word of its argument when the high word is
  // zero, and hands the converted character back the same way.
  uintptr_t one = static_cast<unsigned char>(c);
  uintptr_t upper = reinterpret_cast<uintptr_t>(CharUpperA(reinterpret_cast<LPSTR>(one)));
  return static_cast<char>(upper & 0xFF);
}

}  // namespace os
