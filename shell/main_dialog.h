// The procedure of the installer's main dialog.
#pragma once
#include <cstdint>
#include "platform/types.h"

intptr_t MainDialogProc(os::WindowHandle dialog, uint32_t message, uintptr_t wParam,
                        intptr_t lParam);
