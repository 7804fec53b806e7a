#include <windows.h>

#include "platform/system.h"

namespace os {

#ifdef _WIN64
// A 64-bit process only runs on 64-bit Windows; answering as the 32-bit installer does there
// keeps the 64-bit build's discovery, badges and payload choice the same.
int ProcessIsWow64() { return 1; }
#else
// IsWow64Process is missing before Windows XP SP2, so it is looked up on every call instead of
// imported. The answer starts at 0 and is returned as the call left it; the call's own result
// is not looked at.
int ProcessIsWow64() {
  using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
  HMODULE kernel = GetModuleHandleA("kernel32");
  if (kernel == nullptr) return 0;
  auto isWow64Process = reinterpret_cast<IsWow64ProcessFn>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")));
  if (isWow64Process == nullptr) return 0;
  BOOL answer = 0;
  isWow64Process(GetCurrentProcess(), &answer);
  return answer;
}
#endif

}  // namespace os
