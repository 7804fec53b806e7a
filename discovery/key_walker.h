// Searches one vendor's registry tree, under HKEY_CURRENT_USER and then HKEY_LOCAL_MACHINE,
// for string values that hold a folder on a drive and whose key path or value name speaks of
// plug-ins, and hands each such folder to the plug-in folder list.
#pragma once

// Walks root\vendor depth first, a key's values before its subkeys, subkeys in index order.
// appWord (lowercase) must occur in the key path of a value for it to count; the empty word
// matches every key path.
void WalkVendorKey(const char* root, const char* vendor, const char* appWord);
