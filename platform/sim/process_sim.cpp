#include "platform/process.h"
#include "platform/sim/sim_state.h"

namespace os {

void HardenDllSearch() { ++sim::S().hardened; }

// A mutex is named per logon: the sim's one logon is its table of names.
MutexHandle CreateOwnedMutex(const char* name) {
  sim::State& s = sim::S();
  if (s.failNextMutex != 0) {
    s.lastError = s.failNextMutex;
    s.failNextMutex = 0;
    return nullptr;
  }
  auto it = s.mutexes.find(name);
  if (it != s.mutexes.end()) {
    s.lastError = kErrorAlreadyExists;  // a handle to the existing mutex, not owned
    return reinterpret_cast<MutexHandle>(&*it);
  }
  auto inserted = s.mutexes.emplace(name, true).first;
  s.lastError = kErrorSuccess;
  return reinterpret_cast<MutexHandle>(&*inserted);
}

uint32_t LastError() { return sim::S().lastError; }

void ReleaseOwnedMutex(MutexHandle mutex) {
  if (mutex == nullptr) return;
  auto* entry = reinterpret_cast<std::pair<const std::string, bool>*>(mutex);
  if (entry->second) {
    entry->second = false;
    ++sim::S().mutexReleases;
  }
}

}  // namespace os
