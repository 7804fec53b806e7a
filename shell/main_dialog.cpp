#include "shell/main_dialog.h"

#include "platform/dialog.h"

intptr_t MainDialogProc(os::WindowHandle dialog, uint32_t message, uintptr_t wParam,
                        intptr_t /*lParam*/) {
  switch (message) {
    case os::kMsgInitDialog:
      return 0;  // no focus of the dialog manager's choosing
    case os::kMsgCommand:
      if ((wParam & 0xFFFF) == os::kIdOk || (wParam & 0xFFFF) == os::kIdCancel) {
        os::EndModalDialog(dialog, 0);  // every way out ends with 0
        return 1;
      }
      return 0;
    default:
      return 0;
  }
}
