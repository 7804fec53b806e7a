// Drawing surface of the art generator: floating-point RGBA pixels, anti-aliased shape filling
// from signed distance functions, and the colour helpers the skin is painted with.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace art {

struct Colour {
  float r = 0, g = 0, b = 0;  // 0..1
};

// 0xRRGGBB to a colour.
Colour Hex(uint32_t rgb);
uint32_t ToHex(const Colour& c);
Colour Mix(const Colour& a, const Colour& b, float t);
// Lighter (amount > 0) or darker (amount < 0) by mixing towards white or black.
Colour Shade(const Colour& c, float amount);
float Luminance(const Colour& c);

struct Pixel {
  Colour c;
  float a = 0;  // coverage, straight (not premultiplied) alpha
};

struct Box {
  int x0, y0, x1, y1;  // x1 and y1 exclusive
};

// Signed distance from a pixel centre to a shape, negative inside, in pixels.
using Sdf = std::function<float(float x, float y)>;
// Colour of a shape at a point.
using Paint = std::function<Colour(float x, float y)>;

class Canvas {
 public:
  Canvas(int w, int h);
  Canvas(int w, int h, const Colour& fill);

  int width() const { return w_; }
  int height() const { return h_; }
  const Pixel& at(int x, int y) const { return px_[size_t(y) * w_ + x]; }
  Pixel& at(int x, int y) { return px_[size_t(y) * w_ + x]; }
  Box bounds() const { return {0, 0, w_, h_}; }

  // Paints colour over pixel (x, y) with the given opacity ("over" compositing); off-canvas
  // points are ignored.
  void Blend(int x, int y, const Colour& c, float opacity);
  // Fills every pixel of the box from the paint, fully opaque.
  void Fill(const Box& box, const Paint& paint);
  // Anti-aliased fill of the shape inside box: one pixel of soft edge.
  void FillShape(const Box& box, const Sdf& shape, const Paint& paint, float opacity = 1);
  // A blurred copy of the shape, for shadows and glows: coverage falls off over blur pixels.
  void FillSoft(const Box& box, const Sdf& shape, float blur, const Colour& c, float opacity);
  // Copies another canvas onto this one at (x, y), compositing by its alpha.
  void Draw(const Canvas& src, int x, int y);
  // A copy of part of this canvas.
  Canvas Crop(const Box& box) const;

 private:
  int w_, h_;
  std::vector<Pixel> px_;
};

// Paints.
Paint Solid(const Colour& c);
Paint VerticalGradient(float y0, const Colour& top, float y1, const Colour& bottom);

// Shapes.
Sdf RoundBox(float x0, float y0, float x1, float y1, float radius);
Sdf Circle(float cx, float cy, float r);
// The outline of a shape as a band of the given width centred on its edge.
Sdf Outline(Sdf shape, float width);
// The part of a shape that lies inside another.
Sdf Intersect(Sdf a, Sdf b);
// Distance from (px, py) to the segment (ax, ay)-(bx, by).
float SegmentDistance(float px, float py, float ax, float ay, float bx, float by);

// The box that holds a shape's bounding rectangle grown by margin pixels.
Box Around(float x0, float y0, float x1, float y1, float margin = 2);

}  // namespace art
