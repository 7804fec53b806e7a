#include "platform/sim/sim_registry.h"
#include "platform/system.h"

namespace os {

// What IsWow64Process answers on the Windows the test chose: nothing on a system without the
// entry, 0 on 32-bit Windows, nonzero for the 32-bit installer on 64-bit Windows.
int ProcessIsWow64() { return sim::CurrentWindows() == sim::Windows::k64Bit ? 1 : 0; }

}  // namespace os
