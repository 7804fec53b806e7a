// The link cursor (a pointing hand) and the program icon, in their file formats.
#pragma once

#include <string>

namespace art {

// The resource id of the link cursor's one image. The resource compiler numbers cursor images
// on its own, so the group and its image are written in resource form and placed by id.
constexpr int kLinkCursorImageId = 3;

// One 32 by 32 monochrome image with its mask; the hot spot is the fingertip at (13, 10).
// Writes the cursor image resource (hot spot, then the image) and its group resource.
bool WriteLinkCursor(const std::string& imagePath, const std::string& groupPath);
// Two images, 32 by 32 and 16 by 16, 32 bits per pixel with alpha, and their masks.
bool WriteProgramIcon(const std::string& path);

}  // namespace art
