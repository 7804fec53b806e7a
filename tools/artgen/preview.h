// A picture of the window as the installer will show it, composed from the generated bitmaps
// the way the program draws them, with stand-in text where the program writes its own: the
// start state above, the completed state below. For looking at the skin, not for shipping.
#pragma once

#include <string>
#include <vector>

#include "skin_files.h"

namespace art {

bool WritePreview(const std::string& path, const std::vector<SkinBitmap>& skin);

}  // namespace art
