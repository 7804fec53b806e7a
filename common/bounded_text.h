// Bounded copy and append for the fixed text buffers of the installer. Texts from the registry,
// the file system and the resources are untrusted, so every copy into a buffer goes through
// these: the result always ends with a terminator and never writes past the buffer.
#pragma once
#include <cstddef>

// Copies source into dest (capacity bytes, terminator included), cut to fit.
// Returns false when source had to be cut.
bool CopyText(char* dest, size_t capacity, const char* source);

// Appends source to the text in dest (capacity bytes), cut to fit.
// Returns false when source had to be cut.
bool AppendText(char* dest, size_t capacity, const char* source);

// Length of text, looking at no more than capacity bytes.
size_t BoundedLength(const char* text, size_t capacity);

template <size_t N>
bool CopyText(char (&dest)[N], const char* source) {
  return CopyText(dest, N, source);
}
template <size_t N>
bool AppendText(char (&dest)[N], const char* source) {
  return AppendText(dest, N, source);
}
