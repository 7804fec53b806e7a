#include <windows.h>

#include "shell/entry.h"

// The program takes no command-line options: only the instance handle is passed on.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return InstallerMain(reinterpret_cast<os::ModuleHandle>(instance));
}
