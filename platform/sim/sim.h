// Test controls of the in-memory platform: what a host test sets up before it runs installer
// code, and what it reads back afterwards.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/types.h"

namespace sim {

// Forgets every window, mutex, message box, resource change, registry key and file; restores
// the default catalogue.
void Reset();

// --- process ---
// Number of times the DLL search was hardened, and the order of calls before it.
int DllSearchHardenedCount();
// Holds a named mutex as if another copy under the same logon owned it.
void HoldMutexInOtherProcess(const std::string& name);
// Makes the next mutex creation fail with the given error (0 = no failure).
void FailNextMutexCreation(uint32_t error);
bool MutexOwnedByUs(const std::string& name);
int MutexReleaseCount();

// --- resources ---
struct Resource {
  std::string type;  // "#5" for numeric type 5, else the upper-case name
  std::string name;  // "#222" for numeric names, else the upper-case name
  std::vector<uint8_t> bytes;
};
// The program's catalogue; tests may add, change or remove entries.
std::vector<Resource>& Catalogue();
os::ModuleHandle ProgramModule();

// --- dialogs ---
struct MessageBoxRecord {
  std::string text;
  bool hasCaption;
  std::string caption;
  uint32_t style;
};
const std::vector<MessageBoxRecord>& MessageBoxes();

struct DialogRecord {
  std::string templateName;
  bool created;
  bool ended;
  intptr_t result;
};
const std::vector<DialogRecord>& Dialogs();

// Called when a dialog's queue runs empty; it may post messages to keep the dialog going.
// A dialog whose queue stays empty is abandoned: the sim ends it with kAbandonedResult.
using DialogDriver = std::function<void(os::WindowHandle dialog)>;
void SetDialogDriver(DialogDriver driver);
constexpr intptr_t kAbandonedResult = -2;

}  // namespace sim
