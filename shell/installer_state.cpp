#include "shell/installer_state.h"

void* InstallerSlots[kInstallerSlotCount];
char InstallPath[kPathTextSize];
char BrowseBuffer[kPathTextSize];
int32_t MarginTextX = 4;
