#include "discovery/diagnostic_log.h"

#include <cstring>

#include "discovery/registry_access.h"
#include "platform/files.h"

namespace {
void Write(os::FileHandle file, const char* text) { os::WriteFile(file, text, std::strlen(text)); }
}  // namespace

void LogSettledFolder(const char* label, const char* folder, bool firstOfRun) {
  // Reading first tells whether the file is there: opening for appending would create it.
  os::FileHandle probe = os::OpenFile(kDiagnosticLogPath, "rt");
  if (probe == nullptr) return;
  os::CloseFile(probe);
  os::FileHandle log = os::OpenFile(kDiagnosticLogPath, "a+t");
  if (log == nullptr) return;
  if (firstOfRun) {
    Write(log, "\n\n");
    Write(log, IsWow64() != 0 ? "Wow64\n" : "x(86)\n");
  }
  Write(log, Use64BitView != 0 ? "x64 " : "x32 ");
  Write(log, label);
  Write(log, "  ");
  Write(log, folder);
  Write(log, "\n");
  os::CloseFile(log);
}
