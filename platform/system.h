// Questions about the Windows the installer runs on.
#pragma once

namespace os {

// Nonzero when this is a 32-bit process on 64-bit Windows. The 32-bit program looks up
// IsWow64Process in kernel32 on every call (absent on old systems: 0); the 64-bit program only
// runs on 64-bit Windows and answers nonzero, so that it behaves as the 32-bit one does there.
int ProcessIsWow64();

}  // namespace os
