// Reads a file's bytes back for the files contract: through the sim's control on the host, with
// the C run-time in binary mode on Windows. Empty when the file cannot be read.
#pragma once
#include <string>

std::string FileBytesForContract(const std::string& path);
