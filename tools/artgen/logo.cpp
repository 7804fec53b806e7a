#include "logo.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

struct Disc {
  float angle;  // degrees, where the disc's centre lies around the tile's centre
  uint32_t colour;
};

const Disc kDiscs[] = {{90, 0xE27D60}, {210, 0x4FB39F}, {330, 0x6A8CE0}};

// "Screen" blending: each disc lightens what lies under it, so overlaps turn pale.
Colour Screen(const Colour& base, const Colour& light, float amount) {
  auto s = [amount](float b, float l) { return 1 - (1 - b) * (1 - l * amount); };
  return {s(base.r, light.r), s(base.g, light.g), s(base.b, light.b)};
}

}  // namespace

void DrawLogo(Canvas& canvas, float x, float y, float size) {
  const float cx = x + size / 2, cy = y + size / 2;
  // At icon sizes the discs grow a little so that the three colours stay readable.
  const bool small = size < 24;
  const float r = size * (small ? 0.25f : 0.215f), spread = size * (small ? 0.15f : 0.135f);
  const Paint tile = VerticalGradient(y, Hex(0x34445A), y + size, Hex(0x1C2430));
  const Paint paint = [=](float px, float py) {
    Colour c = tile(px, py);
    for (const Disc& d : kDiscs) {
      const float a = d.angle * 3.14159265f / 180;
      const float dist =
          std::hypot(px - (cx + spread * std::cos(a)), py - (cy - spread * std::sin(a)));
      const float coverage = std::min(1.0f, std::max(0.0f, r - dist + 0.5f));
      c = Screen(c, Hex(d.colour), coverage * 0.92f);
    }
    return c;
  };
  canvas.FillShape(Around(x, y, x + size, y + size, 1),
                   RoundBox(x, y, x + size, y + size, size * 0.22f), paint);
}

}  // namespace art
