#include "illustration.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "palette.h"
#include "pixel_font.h"

namespace art {

namespace {

// One band of land: its skyline is a sum of three waves, ridged (peaked) for mountains.
struct Land {
  float base, amp;
  float f1, p1, f2, p2, f3, p3;
  bool ridged;
  uint32_t top, bottom;
};

const Land kLands[] = {
    {72, 30, 0.014f, 0.9f, 0.037f, 2.3f, 0.13f, 0.4f, true, 0x8399AF, 0xB4C1CD},   // far mountains
    {90, 14, 0.013f, 2.6f, 0.031f, 0.3f, 0.07f, 1.9f, false, 0x6B8990, 0x86A0A4},  // hills
    {101, 5, 0.009f, 4.0f, 0.023f, 1.2f, 0.05f, 0.7f, false, 0x44605D, 0x55706B},  // near shore
};

constexpr float kWaterLine = 104;

float Skyline(const Land& l, float x) {
  auto wave = [&](float f, float p) {
    const float s = std::sin(x * f + p);
    return l.ridged ? 1 - std::fabs(s) : 0.5f + 0.5f * s;
  };
  return l.base -
         l.amp * (0.62f * wave(l.f1, l.p1) + 0.3f * wave(l.f2, l.p2) + 0.08f * wave(l.f3, l.p3));
}

Colour Sky(float y) {
  return Mix(Hex(0x7EA3C2), Hex(0xEAD8C2), std::min(1.0f, std::max(0.0f, y / kWaterLine)));
}

// Water: the land and sky mirrored, rippled and tinted, with a path of light under the sun.
void DrawWater(Canvas& scene, float sunX) {
  const Canvas above = scene.Crop(scene.bounds());
  for (int y = int(kWaterLine); y < scene.height(); ++y) {
    const float depth = (y - kWaterLine) / (scene.height() - kWaterLine);
    const int mirrored = std::max(0, int(2 * kWaterLine) - y - 1);
    for (int x = 0; x < scene.width(); ++x) {
      const int rippled =
          std::min(scene.width() - 1, std::max(0, x + int(std::lround(std::sin(y * 1.7f) * 1.5f))));
      Colour c = Mix(above.at(rippled, mirrored).c, Hex(0x5F7C95), 0.3f + 0.3f * depth);
      const float glitter = std::max(0.0f, 1 - std::fabs(x - sunX) / (6 + (y - kWaterLine) * 0.9f));
      c = Mix(c, Hex(0xF6E6C6), glitter * (y % 3 == 0 ? 0.8f : 0.3f));
      scene.at(x, y).c = c;
    }
  }
  scene.FillShape(
      {0, int(kWaterLine) - 1, scene.width(), int(kWaterLine) + 2},
      [](float, float y) { return std::fabs(y - kWaterLine) - 0.5f; }, Solid(Hex(0xD8CCB9)), 0.5f);
}

void DrawLandscape(Canvas& scene, float sunX) {
  scene.Fill(scene.bounds(), [](float, float y) { return Sky(y); });
  const float sunY = 40;
  scene.FillSoft(scene.bounds(), Circle(sunX, sunY, 14), 24, Hex(0xFFF3D6), 0.6f);
  scene.FillShape(scene.bounds(), Circle(sunX, sunY, 10), Solid(Hex(0xFBF0D8)));
  for (const Land& l : kLands) {
    const Sdf below = [&l](float x, float y) { return Skyline(l, x) - y; };
    scene.FillShape(scene.bounds(), below,
                    VerticalGradient(l.base - l.amp, Hex(l.top), kWaterLine, Hex(l.bottom)));
  }
  DrawWater(scene, sunX);
}

// The filter's look: brightness mapped onto a plum, coral and cream tritone.
Colour Tritone(const Colour& c) {
  struct Stop {
    float at;
    uint32_t colour;
  };
  static const Stop kStops[] = {
      {0.0f, 0x2B2545}, {0.45f, 0xB95A5E}, {0.75f, 0xE9A877}, {1.0f, 0xF8ECD4}};
  const float t = std::min(1.0f, std::max(0.0f, (Luminance(c) - 0.25f) / 0.7f));
  for (size_t i = 1; i < sizeof kStops / sizeof kStops[0]; ++i)
    if (t <= kStops[i].at)
      return Mix(Hex(kStops[i - 1].colour), Hex(kStops[i].colour),
                 (t - kStops[i - 1].at) / (kStops[i].at - kStops[i - 1].at));
  return Hex(kStops[3].colour);
}

void ApplyFilterRightOf(Canvas& scene, int split) {
  for (int y = 0; y < scene.height(); ++y)
    for (int x = split; x < scene.width(); ++x) scene.at(x, y).c = Tritone(scene.at(x, y).c);
}

void DrawSplitHandle(Canvas& scene, float x) {
  const float y = scene.height() / 2.0f;
  const Colour white = Colours().nearWhite;
  scene.FillShape(
      {int(x) - 2, 0, int(x) + 3, scene.height()},
      [x](float px, float) { return std::fabs(px - x) - 1; }, Solid(white), 0.9f);
  scene.FillSoft(Around(x - 14, y - 12, x + 14, y + 16), Circle(x, y + 1.5f, 9), 3,
                 Colours().shadow, 0.35f);
  scene.FillShape(Around(x - 10, y - 10, x + 10, y + 10), Circle(x, y, 9), Solid(white));
  const Colour ink = Colours().inkSoft;
  const float arms[2] = {-1, 1};
  for (float side : arms) {
    const float tip = x + side * 5.5f, back = x + side * 2.5f;
    const Sdf chevron = [=](float px, float py) {
      return std::min(SegmentDistance(px, py, back, y - 3, tip, y),
                      SegmentDistance(px, py, tip, y, back, y + 3)) -
             0.7f;
    };
    scene.FillShape(Around(x - 8, y - 5, x + 8, y + 5), chevron, Solid(ink));
  }
}

void DrawTag(Canvas& scene, int x, int y, const std::string& text) {
  const int w = PixelTextWidth(text) + 10;
  scene.FillShape(Around(float(x), float(y), float(x + w), float(y + 13), 1),
                  RoundBox(float(x), float(y), float(x + w), float(y + 13), 6.5f),
                  Solid(Hex(0x1A222C)), 0.45f);
  DrawPixelText(scene, x + 5, y + 3, text, Hex(0xF3F5F7));
}

}  // namespace

void DrawIllustration(Canvas& canvas, const Box& frame) {
  const Palette& p = Colours();
  const float x0 = float(frame.x0), y0 = float(frame.y0), x1 = float(frame.x1),
              y1 = float(frame.y1);
  canvas.FillSoft(Around(x0, y0, x1, y1 + 4, 6), RoundBox(x0, y0 + 2, x1, y1 + 2, 6), 4, p.shadow,
                  0.18f);
  canvas.FillShape(Around(x0, y0, x1, y1), RoundBox(x0, y0, x1, y1, 6), Solid(Hex(0xA9B4C0)));

  Canvas scene(frame.x1 - frame.x0 - 2, frame.y1 - frame.y0 - 2);
  // The split runs through the sun, so that both halves show it.
  const int split = int(scene.width() * 0.54f);
  DrawLandscape(scene, split + 0.5f);
  ApplyFilterRightOf(scene, split);
  DrawTag(scene, 8, 8, "Original");
  DrawTag(scene, scene.width() - PixelTextWidth("Filtered") - 18, 8, "Filtered");
  DrawSplitHandle(scene, split);

  const Paint fromScene = [&scene, &frame](float x, float y) {
    const int sx = std::min(scene.width() - 1, std::max(0, int(x) - frame.x0 - 1));
    const int sy = std::min(scene.height() - 1, std::max(0, int(y) - frame.y0 - 1));
    return scene.at(sx, sy).c;
  };
  canvas.FillShape(frame, RoundBox(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 5), fromScene);
}

}  // namespace art
