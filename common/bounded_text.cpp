#include "common/bounded_text.h"

size_t BoundedLength(const char* text, size_t capacity) {
  size_t n = 0;
  while (n < capacity && text[n] != '\0') ++n;
  return n;
}

bool AppendText(char* dest, size_t capacity, const char* source) {
  if (capacity == 0) return source[0] == '\0';
  size_t used = BoundedLength(dest, capacity);
  if (used == capacity) {  // no terminator inside the buffer: end it at its last byte
    dest[capacity - 1] = '\0';
    used = capacity - 1;
  }
  size_t i = 0;
  while (source[i] != '\0' && used + i + 1 < capacity) {
    dest[used + i] = source[i];
    ++i;
  }
  dest[used + i] = '\0';
  return source[i] == '\0';
}

bool CopyText(char* dest, size_t capacity, const char* source) {
  if (capacity == 0) return source[0] == '\0';
  dest[0] = '\0';
  return AppendText(dest, capacity, source);
}
