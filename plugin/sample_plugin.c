/* A small sample filter plug-in carried as the installer's payload: a DLL with one harmless
   exported entry point and a version text. Makers build the installer around their own files. */
#include <windows.h>

__declspec(dllexport) const char VornKessaVersion[] = "Vorn Kessa sample filter 3.25";

/* Reports the plug-in's version text; does nothing else. */
__declspec(dllexport) const char* __cdecl VornKessaAbout(void) { return VornKessaVersion; }

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)instance;
  (void)reason;
  (void)reserved;
  return TRUE;
}
