// Test controls of the in-memory file system: drive-letter paths, backslash-separated,
// matched regardless of case, with the current directory and injectable failures.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

// Creates the folder and its missing parents.
void AddFolder(const std::string& path);
bool FolderExists(const std::string& path);

// Creates or replaces a file with these bytes; its folder must exist.
void PutFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// The file's bytes exactly as written (text-mode writes show CR LF).
std::string FileBytes(const std::string& path);

// The current directory, and every path SetCurrentFolder was asked for, in order.
std::string CurrentFolder();
const std::vector<std::string>& SetCurrentFolderLog();

// Failures: opens for writing and folder creation under this folder fail (an unwritable
// folder); or writes stop after this many more bytes (a full disk: a short write, and a close
// that reports the loss; a negative count lifts the limit).
void FailOpensUnder(const std::string& folder);
void LimitWrittenBytes(long long bytes);

}  // namespace sim
