#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

float Clamp01(float v) { return std::min(1.0f, std::max(0.0f, v)); }

}  // namespace

Colour Hex(uint32_t rgb) {
  return {((rgb >> 16) & 0xFF) / 255.0f, ((rgb >> 8) & 0xFF) / 255.0f, (rgb & 0xFF) / 255.0f};
}

uint32_t ToHex(const Colour& c) {
  auto q = [](float v) { return uint32_t(std::lround(Clamp01(v) * 255.0f)); };
  return (q(c.r) << 16) | (q(c.g) << 8) | q(c.b);
}

Colour Mix(const Colour& a, const Colour& b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Shade(const Colour& c, float amount) {
  return amount >= 0 ? Mix(c, Colour{1, 1, 1}, amount) : Mix(c, Colour{0, 0, 0}, -amount);
}

float Luminance(const Colour& c) { return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b; }

Canvas::Canvas(int w, int h) : w_(w), h_(h), px_(size_t(w) * h) {}

Canvas::Canvas(int w, int h, const Colour& fill) : Canvas(w, h) {
  for (Pixel& p : px_) p = {fill, 1};
}

void Canvas::Blend(int x, int y, const Colour& c, float opacity) {
  if (x < 0 || y < 0 || x >= w_ || y >= h_ || opacity <= 0) return;
  Pixel& d = at(x, y);
  const float a = Clamp01(opacity);
  const float outA = a + d.a * (1 - a);
  if (outA <= 0) return;
  const float keep = d.a * (1 - a) / outA;
  const float add = a / outA;
  d.c = {c.r * add + d.c.r * keep, c.g * add + d.c.g * keep, c.b * add + d.c.b * keep};
  d.a = outA;
}

void Canvas::Fill(const Box& box, const Paint& paint) {
  for (int y = std::max(0, box.y0); y < std::min(h_, box.y1); ++y)
    for (int x = std::max(0, box.x0); x < std::min(w_, box.x1); ++x)
      at(x, y) = {paint(x + 0.5f, y + 0.5f), 1};
}

void Canvas::FillShape(const Box& box, const Sdf& shape, const Paint& paint, float opacity) {
  for (int y = std::max(0, box.y0); y < std::min(h_, box.y1); ++y) {
    for (int x = std::max(0, box.x0); x < std::min(w_, box.x1); ++x) {
      const float cx = x + 0.5f, cy = y + 0.5f;
      const float coverage = Clamp01(0.5f - shape(cx, cy));
      if (coverage > 0) Blend(x, y, paint(cx, cy), coverage * opacity);
    }
  }
}

void Canvas::FillSoft(const Box& box, const Sdf& shape, float blur, const Colour& c,
                      float opacity) {
  for (int y = std::max(0, box.y0); y < std::min(h_, box.y1); ++y) {
    for (int x = std::max(0, box.x0); x < std::min(w_, box.x1); ++x) {
      const float t = Clamp01(0.5f - shape(x + 0.5f, y + 0.5f) / (2 * blur));
      const float smooth = t * t * (3 - 2 * t);
      if (smooth > 0) Blend(x, y, c, smooth * opacity);
    }
  }
}

void Canvas::Draw(const Canvas& src, int x, int y) {
  for (int sy = 0; sy < src.height(); ++sy)
    for (int sx = 0; sx < src.width(); ++sx) {
      const Pixel& p = src.at(sx, sy);
      Blend(x + sx, y + sy, p.c, p.a);
    }
}

Canvas Canvas::Crop(const Box& box) const {
  Canvas out(box.x1 - box.x0, box.y1 - box.y0);
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x) {
      const int sx = box.x0 + x, sy = box.y0 + y;
      if (sx >= 0 && sy >= 0 && sx < w_ && sy < h_) out.at(x, y) = at(sx, sy);
    }
  return out;
}

Paint Solid(const Colour& c) {
  return [c](float, float) { return c; };
}

Paint VerticalGradient(float y0, const Colour& top, float y1, const Colour& bottom) {
  return [=](float, float y) { return Mix(top, bottom, Clamp01((y - y0) / (y1 - y0))); };
}

Sdf RoundBox(float x0, float y0, float x1, float y1, float radius) {
  const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  const float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
  return [=](float x, float y) {
    const float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
    const float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
    return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0f) - radius;
  };
}

Sdf Circle(float cx, float cy, float r) {
  return [=](float x, float y) { return std::hypot(x - cx, y - cy) - r; };
}

Sdf Outline(Sdf shape, float width) {
  return [shape, width](float x, float y) { return std::fabs(shape(x, y)) - width / 2; };
}

Sdf Intersect(Sdf a, Sdf b) {
  return [a, b](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

float SegmentDistance(float px, float py, float ax, float ay, float bx, float by) {
  const float dx = bx - ax, dy = by - ay;
  const float len2 = dx * dx + dy * dy;
  const float t = len2 > 0 ? Clamp01(((px - ax) * dx + (py - ay) * dy) / len2) : 0;
  return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

Box Around(float x0, float y0, float x1, float y1, float margin) {
  return {int(std::floor(x0 - margin)), int(std::floor(y0 - margin)), int(std::ceil(x1 + margin)),
          int(std::ceil(y1 + margin))};
}

}  // namespace art
