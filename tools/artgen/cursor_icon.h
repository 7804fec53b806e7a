// The link cursor (a pointing hand) and the program icon, in their file formats.
#pragma once

#include <string>

namespace art {

// One 32 by 32 monochrome image with its mask; the hot spot is the fingertip at (13, 10).
bool WriteLinkCursor(const std::string& path);
// Two images, 32 by 32 and 16 by 16, 32 bits per pixel with alpha, and their masks.
bool WriteProgramIcon(const std::string& path);

}  // namespace art
