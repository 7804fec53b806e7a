#include "platform/sim/sim_state.h"

#include <cctype>

#include "platform/resources.h"

namespace sim {

namespace {
// The default catalogue holds what the entry needs: the main dialog template.
std::vector<Resource> DefaultCatalogue() {
  return {Resource{"#5", "MAIN", std::vector<uint8_t>(64, 0)}};
}
}  // namespace

State& S() {
  static State state{0, 0, {}, 0, 0, DefaultCatalogue(), {}, {}, {}, {}};
  return state;
}

std::vector<void (*)()>& ResetHooks() {
  static std::vector<void (*)()> hooks;
  return hooks;
}

ResetHook::ResetHook(void (*reset)()) { ResetHooks().push_back(reset); }

void Reset() {
  State& s = S();
  s = State{};
  s.catalogue = DefaultCatalogue();
  for (auto hook : ResetHooks()) hook();
}

std::string ResourceKey(const char* idOrName) {
  if (os::IsIntResource(idOrName)) {
    return "#" + std::to_string(reinterpret_cast<uintptr_t>(idOrName));
  }
  std::string key(idOrName);
  for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return key;
}

Window* FindWindow(os::WindowHandle handle) {
  for (auto& w : S().windows) {
    if (reinterpret_cast<os::WindowHandle>(w.get()) == handle) return w.get();
  }
  return nullptr;
}

int DllSearchHardenedCount() { return S().hardened; }
void HoldMutexInOtherProcess(const std::string& name) { S().mutexes[name] = false; }
void FailNextMutexCreation(uint32_t error) { S().failNextMutex = error; }
bool MutexOwnedByUs(const std::string& name) {
  auto it = S().mutexes.find(name);
  return it != S().mutexes.end() && it->second;
}
int MutexReleaseCount() { return S().mutexReleases; }
std::vector<Resource>& Catalogue() { return S().catalogue; }
os::ModuleHandle ProgramModule() { return reinterpret_cast<os::ModuleHandle>(0x400000); }
const std::vector<MessageBoxRecord>& MessageBoxes() { return S().messageBoxes; }
const std::vector<DialogRecord>& Dialogs() { return S().dialogs; }
void SetDialogDriver(DialogDriver driver) { S().driver = std::move(driver); }

}  // namespace sim
