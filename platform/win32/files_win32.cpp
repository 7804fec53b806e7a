#include <windows.h>

#include <cstdio>

#include "platform/files.h"

namespace os {

bool SetCurrentFolder(const char* path) { return SetCurrentDirectoryA(path) != FALSE; }

bool CreateFolder(const char* path) { return CreateDirectoryA(path, nullptr) != FALSE; }

FileHandle OpenFile(const char* path, const char* mode) {
  return reinterpret_cast<FileHandle>(std::fopen(path, mode));
}

size_t WriteFile(FileHandle file, const void* data, size_t size) {
  return std::fwrite(data, 1, size, reinterpret_cast<FILE*>(file));
}

bool CloseFile(FileHandle file) {
  if (file == nullptr) return false;
  FILE* stream = reinterpret_cast<FILE*>(file);
  // A write that failed earlier leaves the stream's error flag set; the close itself flushes
  // the buffer and can fail too (a full disk).
  const bool failedBefore = std::ferror(stream) != 0;
  return std::fclose(stream) == 0 && !failedBefore;
}

}  // namespace os
