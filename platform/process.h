// Process-level services: DLL search hardening, the named single-instance mutex, the last error.
#pragma once
#include "platform/types.h"

namespace os {

// Restricts where the loader looks for DLLs to the system folder, before anything else runs.
void HardenDllSearch();

// Creates the named mutex, owned by this process from the start. Null when creation failed.
MutexHandle CreateOwnedMutex(const char* name);

// The calling thread's last error code, as left by the previous platform call.
uint32_t LastError();

// Gives up ownership of the mutex; the handle itself stays open until the process ends.
void ReleaseOwnedMutex(MutexHandle mutex);

}  // namespace os
