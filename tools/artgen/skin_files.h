// The skin's bitmaps, made from one table: file name, size check and how each is painted.
#pragma once

#include <string>
#include <vector>

#include "bitmap.h"

namespace art {

struct SkinBitmap {
  std::string file;
  Bitmap bitmap;
};

// Every bitmap the installer's resources name, in the order of the table.
std::vector<SkinBitmap> MakeSkinBitmaps();
// The bitmap of that file name; the list must hold it.
const Bitmap& Find(const std::vector<SkinBitmap>& set, const std::string& file);

}  // namespace art
