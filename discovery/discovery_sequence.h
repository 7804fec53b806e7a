// The fixed list of places searched for the plug-in folders of graphics applications. The
// order of the searches is the order of the folder list, whose first entry becomes the main
// dialog's default choice.
#pragma once
#include "platform/registry.h"

// Runs every search in order, filling PluginFolderList; leaves Use64BitView at 0 and no
// registry key open. Uses BrowseBuffer as the scratch text of the two program lookups.
void DiscoverPluginFolders();

// The folder of a program registered by its executable: the default value of
// hive\baseKey\subPath without the executable's name (and whatever follows it) and without a
// leading quote. Returns out (400 characters, written only on success), or null when the value
// is missing or does not name a folder on a drive.
char* LookupProgramFolder(os::RegKey hive, const char* baseKey, const char* subPath, char* out);
