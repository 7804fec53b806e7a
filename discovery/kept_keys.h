// Registry keys kept open between the installer's reads. A vendor walk reads one key's values
// and subkeys in a row, goes down into each subkey and comes back up; opening the key by its
// path around every call costs far more than the calls themselves (under Wine about ten times
// the whole walk). The kept keys are one chain from a key down to the key read last, so the
// walk's way back up finds its keys open and its way down opens each subkey from its parent.
#pragma once
#include <cstdint>

#include "platform/registry.h"

// Hands out the key hive\path opened for reading with mask: a kept key, or one newly opened
// and kept (*kept = true: not to be closed by the caller), or, when it cannot be kept, one
// opened for this read alone (*kept = false). Returns the open's status.
uint32_t OpenKeptKey(os::RegKey hive, const char* path, uint32_t mask, os::RegKey* key, bool* kept);

// Closes every kept key.
void CloseKeptKeys();

// Forgets the kept keys without closing them: the registry no longer knows them.
void ForgetKeptKeys();

// 0: nothing is kept; every read opens and closes its key.
void SetKeepingKeys(int enabled);
