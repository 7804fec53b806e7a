#include "discovery/plugin_folder_list.h"

#include <cstring>

#include "common/bounded_text.h"
#include "discovery/diagnostic_log.h"
#include "discovery/path_helpers.h"
#include "discovery/registry_access.h"
#include "shell/installer_state.h"

PluginFolder PluginFolderList[kPluginFolderCount];

namespace {

// A folder recorded inside the maker's own folder (...\plug-ins\brenmoor\...) stands for the
// host's plug-in folder, to which the dialog appends the maker's folder again. Only the first
// occurrence of the word counts, and only at the start of a component.
void CutAtVendorFolder(char* path) {
  char* found = std::strstr(path, "bren");
  if (found != nullptr && found > path && found[-1] == '\\') *found = '\0';
}

}  // namespace

void AddPluginFolder(char* path, const char* label) {
  if (SettleExistingFolder(path) == 0) return;
  LogSettledFolder(label, path, PluginFolderList[0].path[0] == '\0');

  LowerCaseAscii(path);
  CutAtVendorFolder(path);
  EnsureTrailingBackslash(path, kPathTextSize);
  const size_t length = std::strlen(path);
  // A folder that fills its buffer has no room for the closing backslash of the normal form;
  // storing it without one would break the dialog's "folder plus maker's folder" text.
  if (length == 0 || path[length - 1] != '\\') return;
  TitleCasePath(path);

  for (PluginFolder& entry : PluginFolderList) {
    if (entry.path[0] == '\0') {
      CopyText(entry.path, path);
      entry.is64View = Use64BitView;
      return;
    }
    if (std::strcmp(entry.path, path) == 0) return;
  }
}
