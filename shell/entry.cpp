#include "shell/entry.h"

#include <new>

#include "platform/dialog.h"
#include "platform/process.h"
#include "shell/installer_state.h"
#include "shell/main_dialog.h"
#include "toolkit/surface.h"

namespace {
// Unprefixed, so it lives in the session's local namespace: copies under one logon see it.
constexpr char kSingleInstanceMutexName[] = " ";
constexpr char kMainTemplateName[] = "main";  // resource names match regardless of case
}  // namespace

int InstallerMain(os::ModuleHandle instance) {
  // The program runs elevated and later enters user-chosen folders: restrict DLL loading to the
  // system folder before anything can load a library.
  os::HardenDllSearch();

  os::MutexHandle mutex = os::CreateOwnedMutex(kSingleInstanceMutexName);
  if (os::LastError() == os::kErrorAlreadyExists) return 0;  // another copy runs: say nothing

  InstallerSlots[kSlotModuleHandle] = instance;
  // The panel lives until the process ends. Without it the dialog has nothing to draw through.
  JPanel* panel = new (std::nothrow) JPanel();
  if (panel == nullptr) return 0;
  CreatePanel(&MainSurface, nullptr, panel, instance);
  InstallerSlots[kSlotPanel] = panel;

  // The dialog always ends with 0, so anything else means it could not be created.
  if (os::RunModalDialog(instance, kMainTemplateName, nullptr, MainDialogProc, 0) != 0) {
    os::ShowMessageBox(nullptr, "E", nullptr, os::kMbOk);
  }
  os::ReleaseOwnedMutex(mutex);
  return 0;
}
