// The sim's ANSI code page is Windows-1252, the one of Western European Windows installations.
#include "platform/text.h"

namespace os {

namespace {

// Letters of Windows-1252 beyond ASCII: the Latin letters of 0x80-0x9F, the feminine and
// masculine ordinals and the micro sign, and the Latin-1 letters except the multiplication and
// division signs.
bool IsHighLetter(unsigned char b) {
  switch (b) {
    case 0x83:  // f with hook
    case 0x8A:  // S caron
    case 0x8C:  // OE
    case 0x8E:  // Z caron
    case 0x9A:  // s caron
    case 0x9C:  // oe
    case 0x9E:  // z caron
    case 0x9F:  // Y diaeresis
    case 0xAA:  // feminine ordinal
    case 0xB5:  // micro sign
    case 0xBA:  // masculine ordinal
      return true;
    default:
      return b >= 0xC0 && b != 0xD7 && b != 0xF7;
  }
}

}  // namespace

bool IsLetter(char c) {
  unsigned char b = static_cast<unsigned char>(c);
  if (b < 0x80) return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
  return IsHighLetter(b);
}

char UpperChar(char c) {
  unsigned char b = static_cast<unsigned char>(c);
  if (b >= 'a' && b <= 'z') return static_cast<char>(b - 0x20);
  switch (b) {
    case 0x9A:
      return static_cast<char>(0x8A);
    case 0x9C:
      return static_cast<char>(0x8C);
    case 0x9E:
      return static_cast<char>(0x8E);
    case 0xFF:
      return static_cast<char>(0x9F);
    default:
      break;
  }
  // Latin-1 small letters; sharp s has no single upper-case character, the division sign is
  // no letter. The f with hook and the micro sign have upper-case forms outside the code page
  // and stay as they are.
  if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 0x20);
  return c;
}

}  // namespace os
