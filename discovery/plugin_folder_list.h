// The candidate plug-in folders found by discovery, in the order found, without duplicates.
// The main dialog lists them in index order; the first becomes its default choice.
#pragma once
#include <cstddef>

constexpr int kPluginFolderCount = 20;
constexpr size_t kStoredFolderSize = 800;

struct PluginFolder {
  // Empty: the entry is free. Stored paths are title-cased and end with a backslash.
  char path[kStoredFolderSize] = "";
  // The dialog lists the entry with the maker's folder appended. Always 1.
  int addVendorFolder = 1;
  // The value of Use64BitView when the entry was stored: 1 for a folder found through the
  // 64-bit registry view.
  int is64View = 0;
};

// Filled from index 0 upward and never emptied: the first free entry ends the list.
extern PluginFolder PluginFolderList[kPluginFolderCount];

// Settles path (a buffer of at least 400 characters, rewritten in place) on an existing folder,
// logs it with its label when the diagnostic log exists, brings it into normal form and stores
// it unless an equal entry is there already or the list is full.
void AddPluginFolder(char* path, const char* label);
