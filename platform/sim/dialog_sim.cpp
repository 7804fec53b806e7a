#include "platform/dialog.h"
#include "platform/resources.h"
#include "platform/sim/sim_state.h"

namespace os {

intptr_t RunModalDialog(ModuleHandle module, const char* templateName, WindowHandle /*owner*/,
                        DialogProc proc, intptr_t initParam) {
  sim::State& s = sim::S();
  uint32_t size = 0;
  const bool found =
      FindResourceBytes(module, IntResource(kResourceTypeDialog), templateName, &size) != nullptr &&
      size > 0;
  s.dialogs.push_back(sim::DialogRecord{templateName, found, false, -1});
  if (!found) return -1;  // the platform's failure result

  s.windows.push_back(std::make_unique<sim::Window>());
  sim::Window* w = s.windows.back().get();
  w->proc = proc;
  w->dialogIndex = s.dialogs.size() - 1;
  auto handle = reinterpret_cast<WindowHandle>(w);
  proc(handle, kMsgInitDialog, 0, initParam);
  while (!w->ended) {
    if (w->queue.empty() && s.driver) s.driver(handle);
    if (w->queue.empty()) {
      w->ended = true;
      w->result = sim::kAbandonedResult;
      break;
    }
    sim::Message m = w->queue.front();
    w->queue.pop_front();
    // Like the dialog manager: an unhandled close becomes the cancel command.
    if (!proc(handle, m.message, m.wParam, m.lParam) && m.message == kMsgClose) {
      w->queue.push_front(sim::Message{kMsgCommand, kIdCancel, 0});
    }
  }
  s.dialogs[w->dialogIndex].ended = true;
  s.dialogs[w->dialogIndex].result = w->result;
  return w->result;
}

void EndModalDialog(WindowHandle dialog, intptr_t result) {
  if (sim::Window* w = sim::FindWindow(dialog)) {
    w->ended = true;
    w->result = result;
  }
}

int ShowMessageBox(WindowHandle /*owner*/, const char* text, const char* caption,
                   uint32_t style) {
  sim::S().messageBoxes.push_back(
      sim::MessageBoxRecord{text, caption != nullptr, caption ? caption : "", style});
  return kIdOk;
}

void PostWindowMessage(WindowHandle window, uint32_t message, uintptr_t wParam,
                       intptr_t lParam) {
  if (sim::Window* w = sim::FindWindow(window)) w->queue.push_back({message, wParam, lParam});
}

}  // namespace os
