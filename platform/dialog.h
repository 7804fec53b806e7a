// Modal dialogs from templates in the program's resources, and message boxes.
#pragma once
#include <cstdint>
#include "platform/types.h"

namespace os {

// Window messages and command ids the installer handles, numbered as the platform numbers them.
constexpr uint32_t kMsgInitDialog = 0x0110;
constexpr uint32_t kMsgCommand = 0x0111;
constexpr uint32_t kMsgClose = 0x0010;
constexpr uintptr_t kIdOk = 1;
constexpr uintptr_t kIdCancel = 2;

// Message box styles.
constexpr uint32_t kMbOk = 0;

// A dialog procedure: answers nonzero when it handled the message.
using DialogProc = intptr_t (*)(WindowHandle dialog, uint32_t message, uintptr_t wParam,
                                intptr_t lParam);

// Creates the dialog from the named template and runs its modal loop. Returns the value given
// to EndModalDialog, or -1 when the dialog could not be created.
intptr_t RunModalDialog(ModuleHandle module, const char* templateName, WindowHandle owner,
                        DialogProc proc, intptr_t initParam);

// Ends the modal loop of the dialog with the given result.
void EndModalDialog(WindowHandle dialog, intptr_t result);

// Shows a message box; a null caption gives the platform's default caption.
int ShowMessageBox(WindowHandle owner, const char* text, const char* caption, uint32_t style);

// Posts a message to a window's queue.
void PostWindowMessage(WindowHandle window, uint32_t message, uintptr_t wParam,
                       intptr_t lParam);

}  // namespace os
