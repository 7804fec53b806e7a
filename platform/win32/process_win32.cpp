#include <windows.h>

#include "platform/process.h"

namespace os {

void HardenDllSearch() {
  // An elevated installer must not pick up DLLs planted in its own folder or in the current
  // directory. SetDefaultDllDirectories (Windows 8, or Windows 7 with KB2533623) limits every
  // later load to System32; older systems only have SetDllDirectory, where an empty text takes
  // the current directory out of the search order. Both are looked up at run time so the
  // program still starts on systems without them.
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  if (kernel == nullptr) return;
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  using SetDllDirectoryFn = BOOL(WINAPI*)(LPCSTR);
  auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
  if (setDefault != nullptr) {
    setDefault(0x00000800 /* LOAD_LIBRARY_SEARCH_SYSTEM32 */);
    return;
  }
  auto setDirectory = reinterpret_cast<SetDllDirectoryFn>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "SetDllDirectoryA")));
  if (setDirectory != nullptr) setDirectory("");
}

MutexHandle CreateOwnedMutex(const char* name) {
  return reinterpret_cast<MutexHandle>(CreateMutexA(nullptr, TRUE, name));
}

uint32_t LastError() { return GetLastError(); }

void ReleaseOwnedMutex(MutexHandle mutex) { ReleaseMutex(reinterpret_cast<HANDLE>(mutex)); }

}  // namespace os
