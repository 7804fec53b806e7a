#include "discovery/path_helpers.h"

#include <cstring>

#include "common/bounded_text.h"
#include "platform/files.h"
#include "platform/text.h"

namespace {
// A text that does not start with a letter is cut here before its leading non-letters go, so
// that a stripped text always fits the 400-character buffers with room to spare.
constexpr size_t kStripLimit = 390;
}  // namespace

char* LowerCaseAscii(char* text) {
  for (char* c = text; *c != '\0'; ++c) {
    if (*c >= 'A' && *c <= 'Z') *c = static_cast<char>(*c - 'A' + 'a');
  }
  return text;
}

char* TitleCasePath(char* text) {
  LowerCaseAscii(text);
  const size_t length = std::strlen(text);
  if (length == 0) return text;
  text[0] = os::UpperChar(text[0]);
  // Only the byte range 'A' to 'z' is upper-cased after a non-letter; the few non-letters in
  // that range come out of upper-casing unchanged, and bytes of 0x80 and above keep their case.
  for (size_t i = 0; i + 1 < length; ++i) {
    const unsigned char next = static_cast<unsigned char>(text[i + 1]);
    if (!os::IsLetter(text[i]) && next >= 0x41 && next <= 0x7A) {
      text[i + 1] = os::UpperChar(text[i + 1]);
    }
  }
  return text;
}

char* EnsureTrailingBackslash(char* text, size_t capacity) {
  const size_t length = BoundedLength(text, capacity);
  if (length > 0 && text[length - 1] == '\\') return text;
  if (length + 1 < capacity) {
    text[length] = '\\';
    text[length + 1] = '\0';
  }
  return text;
}

char* StripLeadingNonLetters(char* text) {
  if (os::IsLetter(text[0])) return text;
  if (std::strlen(text) > kStripLimit) text[kStripLimit] = '\0';
  size_t first = 0;
  while (text[first] != '\0' && !os::IsLetter(text[first])) ++first;
  std::memmove(text, text + first, std::strlen(text + first) + 1);
  return text;
}

char* CutAfterLast(char* text, char c) {
  const long length = static_cast<long>(std::strlen(text));
  for (long i = length - 2; i >= 1; --i) {
    if (text[i] == c) {
      text[i + 1] = '\0';
      break;
    }
  }
  return text;
}

char* JoinPath(char* dest, size_t capacity, const char* name) {
  EnsureTrailingBackslash(dest, capacity);
  AppendText(dest, capacity, name);
  return dest;
}

int SettleExistingFolder(char* text) {
  long length = static_cast<long>(std::strlen(text));
  if (length > 0 && text[length - 1] == '\\') text[--length] = '\0';
  // The whole path, then its last component shortened a character at a time, then the parent
  // with its backslash; a drive root such as C:\ is never taken.
  for (long i = length - 1; i > 2; --i) {
    if (os::SetCurrentFolder(text)) return 1;
    if (text[i] == '\\') return 0;
    text[i] = '\0';
  }
  return 0;
}
