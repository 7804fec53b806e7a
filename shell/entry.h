// The installer's entry logic, called by the platform's program entry.
#pragma once
#include "platform/types.h"

// Runs one installer session: single-instance guard, panel, main dialog. Returns the exit code.
int InstallerMain(os::ModuleHandle instance);
