#include <windows.h>

#include "platform/dialog.h"

namespace os {

namespace {
// The installer runs one modal dialog at a time; its procedure is reached through this
// trampoline so that the product's procedure needs no calling-convention decoration.
DialogProc ActiveProc = nullptr;

INT_PTR CALLBACK Trampoline(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (ActiveProc == nullptr) return FALSE;
  return ActiveProc(reinterpret_cast<WindowHandle>(window), message, wParam, lParam);
}
}  // namespace

intptr_t RunModalDialog(ModuleHandle module, const char* templateName, WindowHandle owner,
                        DialogProc proc, intptr_t initParam) {
  DialogProc outer = ActiveProc;
  ActiveProc = proc;
  INT_PTR result = DialogBoxParamA(reinterpret_cast<HINSTANCE>(module), templateName,
                                   reinterpret_cast<HWND>(owner), Trampoline, initParam);
  ActiveProc = outer;
  return result;
}

void EndModalDialog(WindowHandle dialog, intptr_t result) {
  EndDialog(reinterpret_cast<HWND>(dialog), result);
}

int ShowMessageBox(WindowHandle owner, const char* text, const char* caption, uint32_t style) {
  return MessageBoxA(reinterpret_cast<HWND>(owner), text, caption, style);
}

void PostWindowMessage(WindowHandle window, uint32_t message, uintptr_t wParam,
                       intptr_t lParam) {
  PostMessageA(reinterpret_cast<HWND>(window), message, wParam, lParam);
}

}  // namespace os
