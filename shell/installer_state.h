// The installer's process-wide state shared by the entry, the main dialog, discovery and the
// payload writer.
#pragma once
#include <cstdint>

// Slots of InstallerSlots with a fixed role.
enum InstallerSlot : int {
  kSlotCloseButton = 0,
  kSlotInstallButton = 1,
  kSlotFinishButton = 2,
  kSlotWebLink = 3,
  kSlotCompletionPicture = 4,
  kSlot32BitBadge = 5,
  kSlot64BitBadge = 6,
  kSlotFirstSelector = 7,
  kSlotLastSelector = 18,
  kSlotBrowseEntryIndex = 21,
  kSlotModuleHandle = 22,
  kSlotPanel = 23,
  kInstallerSlotCount = 24,
};

// Pointer-sized slots: elements, the browse entry's index, the module handle and the panel.
extern void* InstallerSlots[kInstallerSlotCount];

constexpr int kPathTextSize = 400;
extern char InstallPath[kPathTextSize];
extern char BrowseBuffer[kPathTextSize];

// Left edge of the prompt and the status line; the dialog's start-up adds the list margin.
extern int32_t MarginTextX;
