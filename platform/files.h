// Folders and files: the current directory as the folder-exists test, folder creation, and the
// C run-time's streams for the diagnostic log and the payload files.
#pragma once
#include <cstddef>
#include "platform/types.h"

namespace os {

using FileHandle = struct OsFile*;

// SetCurrentDirectoryA: true when the folder exists and is now the current directory.
bool SetCurrentFolder(const char* path);
// CreateDirectoryA: creates the last level of path only. True on success.
bool CreateFolder(const char* path);

// fopen with the C run-time's mode texts ("rt", "a+t", "wb+"); text modes write "\n" as CR LF.
FileHandle OpenFile(const char* path, const char* mode);
// fwrite(data, 1, size, file): the count of bytes written.
size_t WriteFile(FileHandle file, const void* data, size_t size);
// fclose: true when everything written reached the file.
bool CloseFile(FileHandle file);

}  // namespace os
