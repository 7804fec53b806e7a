#include "controls.h"

#include <algorithm>
#include <cmath>

#include "palette.h"
#include "pixel_font.h"
#include "skin_layout.h"

namespace art {

ButtonLook AccentButton() {
  return {Hex(0x4DB0A0), Hex(0x2D8072), Hex(0x1D5A51), Hex(0xFEFEFE), Hex(0x1D5A51), 4};
}

ButtonLook QuietButton() {
  return {Hex(0x68778A), Hex(0x4A5769), Hex(0x1E262F), Hex(0xF1F4F7), Hex(0x2A333E), 4};
}

ButtonLook Badge32Look() {
  return {Hex(0x5B8BCB), Hex(0x3C66A3), Hex(0x2D4F80), Hex(0xFEFEFE), Hex(0x2D4F80), 4};
}

ButtonLook Badge64Look() {
  return {Hex(0xD9964A), Hex(0xB3702A), Hex(0x87531D), Hex(0xFEFEFE), Hex(0x87531D), 4};
}

Canvas PaintButton(int w, int h, const std::string& caption, const ButtonLook& look) {
  Canvas c(w, h);
  const float fw = float(w), fh = float(h), r = look.radius;
  c.FillShape(c.bounds(), RoundBox(0, 0, fw, fh, r), Solid(look.border));
  const Sdf face = RoundBox(1, 1, fw - 1, fh - 1, r - 1);
  c.FillShape(c.bounds(), face, VerticalGradient(1, look.top, fh - 1, look.bottom));
  // A light first row under the border: the face catches the light from above.
  const Sdf topRow = Intersect(face, [](float, float y) { return std::fabs(y - 1.5f) - 0.5f; });
  c.FillShape(c.bounds(), topRow, Solid(Colour{1, 1, 1}), 0.28f);

  const int tx = (w - PixelTextWidth(caption, Weight::kBold) + 1) / 2;
  const int ty = (h - kPixelCapHeight) / 2;
  DrawPixelText(c, tx, ty + 1, caption, look.captionShadow, Weight::kBold, 0.55f);
  DrawPixelText(c, tx, ty, caption, look.caption, Weight::kBold);
  return c;
}

namespace {

struct TickFrame {
  bool ticked, pressed;
};

// In the order of the selector's values.
const TickFrame kTickFrames[] = {{false, false}, {false, true}, {true, false}, {true, true}};

void DrawTickFrame(Canvas& strip, int x, const TickFrame& f) {
  const Palette& p = Colours();
  const float x0 = float(x), x1 = x0 + kSelectorFrame, s = float(kSelectorFrame);
  const Box cell = {x, 0, x + kSelectorFrame, kSelectorFrame};
  Colour border, top, bottom;
  if (f.ticked) {
    border = f.pressed ? Shade(p.accentDark, -0.2f) : p.accentDark;
    top = f.pressed ? Hex(0x2A7A6C) : Hex(0x4BAE9D);
    bottom = f.pressed ? Hex(0x348A7B) : Hex(0x2E8575);
  } else {
    border = f.pressed ? Hex(0x6A7889) : Hex(0x8D9AA8);
    top = f.pressed ? Hex(0xCBD3DB) : Hex(0xFEFEFE);
    bottom = f.pressed ? Hex(0xE2E7EC) : Hex(0xE6EAEE);
  }
  strip.FillShape(cell, RoundBox(x0, 0, x1, s, 3), Solid(border));
  const Sdf face = RoundBox(x0 + 1, 1, x1 - 1, s - 1, 2);
  strip.FillShape(cell, face, VerticalGradient(1, top, s - 1, bottom));
  if (f.pressed) {
    // Pressed in: a shadow along the inside of the top edge.
    const Sdf inner = Intersect(face, [](float, float y) { return std::fabs(y - 1.5f) - 0.5f; });
    strip.FillShape(cell, inner, Solid(Colour{}), 0.22f);
  }
  if (f.ticked) {
    const float d = f.pressed ? 0.5f : 0;
    const Sdf check = [=](float px, float py) {
      return std::min(SegmentDistance(px, py, x0 + 3.3f + d, 6.5f + d, x0 + 5.5f + d, 8.8f + d),
                      SegmentDistance(px, py, x0 + 5.5f + d, 8.8f + d, x0 + 9.8f + d, 3.9f + d)) -
             0.95f;
    };
    strip.FillShape(cell, check, Solid(f.pressed ? Hex(0xDDEEEA) : p.nearWhite));
  }
}

}  // namespace

Canvas PaintSelectorStrip(const Canvas& background) {
  Canvas strip(kSelectorFrame * 4, kSelectorFrame);
  const Canvas under =
      background.Crop({kSelectorPlace.x, kSelectorPlace.y, kSelectorPlace.x + kSelectorFrame,
                       kSelectorPlace.y + kSelectorFrame});
  for (int k = 0; k < 4; ++k) {
    strip.Draw(under, k * kSelectorFrame, 0);
    DrawTickFrame(strip, k * kSelectorFrame, kTickFrames[k]);
  }
  return strip;
}

}  // namespace art
