// Shared state of the in-memory platform, private to platform/sim.
#pragma once
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/sim/sim.h"

namespace sim {

struct Message {
  uint32_t message;
  uintptr_t wParam;
  intptr_t lParam;
};

struct Window {
  os::DialogProc proc = nullptr;
  std::deque<Message> queue;
  bool ended = false;
  intptr_t result = 0;
  size_t dialogIndex = 0;
};

struct State {
  uint32_t lastError = 0;
  int hardened = 0;
  std::map<std::string, bool> mutexes;  // name -> owned by this process
  uint32_t failNextMutex = 0;
  int mutexReleases = 0;
  std::vector<Resource> catalogue;
  std::vector<MessageBoxRecord> messageBoxes;
  std::vector<DialogRecord> dialogs;
  std::vector<std::unique_ptr<Window>> windows;
  DialogDriver driver;
};

State& S();

// The catalogue's spelling of a type or name as the platform takes it: "#n" or upper case.
std::string ResourceKey(const char* idOrName);

Window* FindWindow(os::WindowHandle handle);

// Parts of the sim kept in their own files (registry, file system) register how they are
// forgotten; Reset runs every registered hook.
struct ResetHook {
  explicit ResetHook(void (*reset)());
};

}  // namespace sim
