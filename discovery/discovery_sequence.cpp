#include "discovery/discovery_sequence.h"

#include <cstring>

#include "common/bounded_text.h"
#include "discovery/key_walker.h"
#include "discovery/path_helpers.h"
#include "discovery/plugin_folder_list.h"
#include "discovery/registry_access.h"
#include "shell/installer_state.h"

char* LookupProgramFolder(os::RegKey hive, const char* baseKey, const char* subPath, char* out) {
  char keyPath[kPathTextSize];
  // A cut key path would name some other key.
  if (std::strlen(baseKey) + 1 + std::strlen(subPath) >= sizeof keyPath) return nullptr;
  CopyText(keyPath, baseKey);
  JoinPath(keyPath, subPath);

  char data[kPathTextSize];
  data[0] = '\0';
  if (ReadStringValue(hive, keyPath, "", data) != os::kErrorSuccess) return nullptr;
  data[kRegistryTextSize] = '\0';  // the registry fills at most this much
  // Drops the executable's name and whatever follows it (a closing quote, arguments), then a
  // leading quote.
  CutAfterLast(data, '\\');
  StripLeadingNonLetters(data);
  // Only folders written with a drive letter: network paths and environment variables fail.
  if (data[0] == '\0' || data[1] != ':') return nullptr;
  CopyText(out, kPathTextSize, data);
  return out;
}

void DiscoverPluginFolders() {
  Use64BitView = 0;
  WalkVendorKey("software", "brenmoor", "");
  // On 64-bit Windows the 64-bit host records its folders in the 64-bit view, which the 32-bit
  // installer does not see by default.
  Use64BitView = 1;
  if (IsWow64() != 0) WalkVendorKey("software", "adobe", "photoshop");
  Use64BitView = 0;
  WalkVendorKey("software", "adobe", "photoshop");
  WalkVendorKey("software", "corel", "paint");
  WalkVendorKey("software", "jasc", "paint");
  WalkVendorKey("software", "xara", "xarax");

  if (LookupProgramFolder(os::HiveLocalMachine(),
                          "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths",
                          "fireworks.exe", BrowseBuffer) != nullptr) {
    JoinPath(BrowseBuffer, "plug-ins");
    AddPluginFolder(BrowseBuffer, "appath");
  }
  if (LookupProgramFolder(os::HiveClassesRoot(), "PI3.Image", "shell\\open\\command",
                          BrowseBuffer) != nullptr) {
    JoinPath(BrowseBuffer, "plugin");
    AddPluginFolder(BrowseBuffer, "shell");
  }
  CloseRegistryCache();
}
