#include "discovery/key_walker.h"

#include <cstring>

#include "common/bounded_text.h"
#include "discovery/key_path_stack.h"
#include "discovery/path_helpers.h"
#include "discovery/plugin_folder_list.h"
#include "discovery/registry_access.h"
#include "shell/installer_state.h"

namespace {

// Both hive words are 18 characters, so the key path always starts at the same column of the
// diagnostic log.
constexpr char kCurrentUserWord[] = "HKEY_CURRENT_USER ";
constexpr char kLocalMachineWord[] = "HKEY_LOCAL_MACHINE";

// Working texts of one pass over a hive.
struct WalkTexts {
  char keyPath[kPathTextSize];
  char subkeyName[kPathTextSize];
  char data[kPathTextSize];
  char valueName[kPathTextSize];
  char label[kPathTextSize];
};

// The registry fills at most 256 bytes of a buffer, and string data need not carry its own
// terminator; ending each text there keeps every later scan inside the buffer.
void EndRegistryText(char* text) { text[kRegistryTextSize] = '\0'; }

bool NamesPlugins(const char* text) { return std::strstr(text, "plug") != nullptr; }

bool NamesFolderSlot(const char* valueName) {
  return std::strstr(valueName, "directory1") != nullptr ||
         std::strstr(valueName, "directory2") != nullptr ||
         std::strstr(valueName, "directory3") != nullptr;
}

// The label's pieces, each followed by two blanks. False when the label would not fit.
bool AppendLabelPiece(char (&label)[kPathTextSize], const char* piece) {
  return AppendText(label, piece) && AppendText(label, "  ");
}

// Runs the key's value enumeration to its end (the value cursor is process-wide, so a run may
// not be left early) and hands over every value that qualifies.
void ExamineValues(os::RegKey hive, const char* hiveWord, const char* appWord, WalkTexts& t) {
  for (;;) {
    t.valueName[0] = '\0';
    t.data[0] = '\0';
    if (EnumStringValue(hive, t.keyPath, t.valueName, t.data) != os::kErrorSuccess) return;
    EndRegistryText(t.valueName);
    EndRegistryText(t.data);
    if (t.data[0] == '\0') continue;  // also every value that is not a string
    StripLeadingNonLetters(t.data);
    if (t.data[0] == '\0' || t.data[1] != ':') continue;  // a folder on a drive only
    LowerCaseAscii(t.keyPath);
    if (std::strstr(t.keyPath, appWord) == nullptr) continue;
    if (!NamesPlugins(t.keyPath)) {
      LowerCaseAscii(t.valueName);
      if (!NamesPlugins(t.valueName) && !NamesFolderSlot(t.valueName)) continue;
    }
    t.label[0] = '\0';
    // A label that would outgrow its buffer is not built, and its value is passed over: a cut
    // label would misreport where the folder was found.
    if (!AppendLabelPiece(t.label, hiveWord) || !AppendLabelPiece(t.label, t.keyPath) ||
        !AppendLabelPiece(t.label, t.valueName)) {
      continue;
    }
    AddPluginFolder(t.data, t.label);
  }
}

void WalkHive(os::RegKey hive, const char* hiveWord, const char* root, const char* vendor,
              const char* appWord, KeyPathStack& stack) {
  WalkTexts t;
  t.keyPath[0] = '\0';
  if (!AppendText(t.keyPath, root) || !AppendText(t.keyPath, "\\") ||
      !AppendText(t.keyPath, vendor)) {
    return;  // a start key that does not fit would be some other key
  }
  int subkeyIndex = 0;
  for (;;) {
    ExamineValues(hive, hiveWord, appWord, t);
    // Find the next key: the current key's subkey at the index, else the parent's next one.
    for (;;) {
      // A key 19 levels below the start has no room for a deeper level: its subkeys are
      // passed over as if it had none.
      if (!stack.Full()) {
        t.subkeyName[0] = '\0';
        if (EnumSubkeyName(hive, t.keyPath, t.subkeyName, static_cast<uint32_t>(subkeyIndex)) ==
            os::kErrorSuccess) {
          EndRegistryText(t.subkeyName);
          if (stack.Push(t.keyPath, sizeof t.keyPath, t.subkeyName, &subkeyIndex)) break;
          // Its key path would outgrow the buffer: go on with the next sibling.
          ++subkeyIndex;
          continue;
        }
      }
      const int saved = stack.Pop(t.keyPath);
      if (saved < 0) return;  // back above the start key: the hive's pass is over
      subkeyIndex = saved + 1;
    }
  }
}

}  // namespace

void WalkVendorKey(const char* root, const char* vendor, const char* appWord) {
  KeyPathStack stack;
  WalkHive(os::HiveCurrentUser(), kCurrentUserWord, root, vendor, appWord, stack);
  WalkHive(os::HiveLocalMachine(), kLocalMachineWord, root, vendor, appWord, stack);
}
