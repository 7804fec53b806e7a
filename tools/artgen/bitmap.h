// The 24-bit pictures the installer loads: final 0xRRGGBB pixels and their file format.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"

namespace art {

// Pure white marks the pixels of button art that the background shows through.
constexpr uint32_t kTransparentWhite = 0xFFFFFF;
// What an opaque pixel that would come out pure white becomes instead.
constexpr uint32_t kNearWhite = 0xFEFEFE;

struct Bitmap {
  int w = 0, h = 0;
  std::vector<uint32_t> px;  // 0xRRGGBB, top row first
  uint32_t at(int x, int y) const { return px[size_t(y) * w + x]; }
};

// An opaque canvas as it is.
Bitmap Flatten(const Canvas& canvas);
// Button art with white as the transparent colour: pixels the art leaves untouched become pure
// white; the soft edges are blended over `under` (the skin at the art's place on the window, at
// (x, y)), and no painted pixel is allowed to come out pure white.
Bitmap FlattenKeyed(const Canvas& art, const Canvas& under, int x, int y);

// 24 bits per pixel, BI_RGB, bottom-up rows, no colour table.
bool WriteBmp(const std::string& path, const Bitmap& bmp);

}  // namespace art
