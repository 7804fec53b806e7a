#include "stroke_font.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

namespace art {

namespace {

// Design units: the baseline is y = 0, capitals reach y = -10, lower case y = -7, descenders
// y = 3. Strokes, separated by ';':
//   L x y x y ...            a polyline
//   E cx cy rx ry a0 a1      an elliptic arc from angle a0 to a1 (degrees, counter-clockwise
//                            as seen, 0 pointing right, 90 up)
//   D x y                    a dot
struct StrokeGlyph {
  char ch;
  float advance;  // ink width in design units
  const char* strokes;
};

const StrokeGlyph kGlyphs[] = {
    {' ', 3.5f, ""},
    {'a', 7, "E 3.5 -3.5 3.5 3.5 0 360; L 7 -7 7 0"},
    {'b', 7, "L 0 -10 0 0; E 3.5 -3.5 3.5 3.5 0 360"},
    {'c', 6, "E 3.5 -3.5 3.5 3.5 45 315"},
    {'d', 7, "E 3.5 -3.5 3.5 3.5 0 360; L 7 -10 7 0"},
    {'e', 7, "E 3.5 -3.5 3.5 3.5 0 320; L 0 -3.5 7 -3.5"},
    {'f', 4.8f, "L 1.8 -7.6 1.8 0; E 4 -7.6 2.2 2.4 50 180; L 0 -7 4.4 -7"},
    {'g', 7, "E 3.5 -3.5 3.5 3.5 0 360; L 7 -7 7 0.5; E 3.5 0.5 3.5 2.5 200 360"},
    {'h', 7, "L 0 -10 0 0; E 3.5 -3.5 3.5 3.5 0 180; L 7 -3.5 7 0"},
    {'i', 0, "L 0 -7 0 0; D 0 -9.6"},
    {'j', 0, "L 0 -7 0 1; E -2 1 2 2 270 360; D 0 -9.6"},
    {'k', 5.8f, "L 0 -10 0 0; L 5.5 -7 0 -2.2; L 2 -4 5.8 0"},
    {'l', 0, "L 0 -10 0 0"},
    {'m', 11,
     "L 0 -7 0 0; E 2.75 -4.25 2.75 2.75 0 180; L 5.5 -4.25 5.5 0;"
     "E 8.25 -4.25 2.75 2.75 0 180; L 11 -4.25 11 0"},
    {'n', 7, "L 0 -7 0 0; E 3.5 -3.5 3.5 3.5 0 180; L 7 -3.5 7 0"},
    {'o', 7, "E 3.5 -3.5 3.5 3.5 0 360"},
    {'p', 7, "L 0 -7 0 3; E 3.5 -3.5 3.5 3.5 0 360"},
    {'q', 7, "L 7 -7 7 3; E 3.5 -3.5 3.5 3.5 0 360"},
    {'r', 4.5f, "L 0 -7 0 0; E 3.5 -3.5 3.5 3.5 70 180"},
    {'s', 5, "E 2.5 -5.25 2.5 1.75 20 270; E 2.5 -1.75 2.5 1.75 -160 90"},
    {'t', 4.4f, "L 2 -9.5 2 0; L 0 -7 4.4 -7"},
    {'u', 7, "L 0 -7 0 -3.5; E 3.5 -3.5 3.5 3.5 180 360; L 7 -7 7 0"},
    {'v', 7, "L 0 -7 3.5 0 7 -7"},
    {'w', 10.4f, "L 0 -7 2.6 0 5.2 -7 7.8 0 10.4 -7"},
    {'x', 6, "L 0 -7 6 0; L 6 -7 0 0"},
    {'y', 7, "L 0 -7 3.5 0; L 7 -7 2 3"},
    {'z', 6, "L 0 -7 6 -7 0 0 6 0"},
    {'A', 8.5f, "L 0 0 4.25 -10 8.5 0; L 1.5 -3.5 7 -3.5"},
    {'B', 6.3f,
     "L 0 0 0 -10 3 -10; E 3 -7.5 2.5 2.5 -90 90; L 3 -5 0 -5;"
     "L 0 0 3.4 0; E 3.4 -2.5 2.9 2.5 -90 90; L 3.4 -5 0 -5"},
    {'C', 8.6f, "E 5 -5 5 5 45 315"},
    {'D', 7, "L 2 0 0 0 0 -10 2 -10; E 2 -5 5 5 -90 90"},
    {'E', 6, "L 6 -10 0 -10 0 0 6 0; L 0 -5 5 -5"},
    {'F', 6, "L 6 -10 0 -10 0 0; L 0 -5 5 -5"},
    {'G', 10, "E 5 -5 5 5 40 360; L 10 -5 5.5 -5"},
    {'H', 7.5f, "L 0 -10 0 0; L 7.5 -10 7.5 0; L 0 -5 7.5 -5"},
    {'I', 0, "L 0 -10 0 0"},
    {'J', 4, "L 4 -10 4 -3; E 2 -3 2 3 180 360"},
    {'K', 7, "L 0 -10 0 0; L 6.5 -10 0 -3.5; L 2.3 -5.8 7 0"},
    {'L', 5.5f, "L 0 -10 0 0 5.5 0"},
    {'M', 9.5f, "L 0 0 0 -10 4.75 -2.5 9.5 -10 9.5 0"},
    {'N', 7.5f, "L 0 0 0 -10 7.5 0 7.5 -10"},
    {'O', 10, "E 5 -5 5 5 0 360"},
    {'P', 5.75f, "L 0 0 0 -10 3 -10; E 3 -7.25 2.75 2.75 -90 90; L 3 -4.5 0 -4.5"},
    {'Q', 10, "E 5 -5 5 5 0 360; L 6.5 -3 10 0.5"},
    {'R', 6, "L 0 0 0 -10 3 -10; E 3 -7.25 2.75 2.75 -90 90; L 3 -4.5 0 -4.5; L 3 -4.5 6 0"},
    {'S', 6, "E 3 -7.5 3 2.5 20 270; E 3 -2.5 3 2.5 -160 90"},
    {'T', 7, "L 0 -10 7 -10; L 3.5 -10 3.5 0"},
    {'U', 7.5f, "L 0 -10 0 -3.5; E 3.75 -3.5 3.75 3.5 180 360; L 7.5 -3.5 7.5 -10"},
    {'V', 8.5f, "L 0 -10 4.25 0 8.5 -10"},
    {'W', 12.4f, "L 0 -10 3.1 0 6.2 -10 9.3 0 12.4 -10"},
    {'X', 7.5f, "L 0 -10 7.5 0; L 7.5 -10 0 0"},
    {'Y', 7.5f, "L 0 -10 3.75 -5 7.5 -10; L 3.75 -5 3.75 0"},
    {'Z', 7, "L 0 -10 7 -10 0 0 7 0"},
    {'0', 6.5f, "E 3.25 -5 3.25 5 0 360"},
    {'1', 2.5f, "L 0 -8 2.5 -10 2.5 0"},
    {'2', 6, "E 3 -7 3 3 -40 165; L 5.3 -5.07 0 0 6 0"},
    {'3', 6, "E 3 -7.5 2.6 2.5 -90 160; E 3 -2.5 3 2.5 -160 90"},
    {'4', 7, "L 5 0 5 -10 0 -3 7 -3"},
    {'5', 6.2f, "L 6 -10 1 -10 0.6 -5.4; E 3.1 -3.1 3.1 3.1 -150 135"},
    {'6', 6.4f, "E 3.2 -3.2 3.2 3.2 0 360; L 5.2 -10 0.5 -4.9"},
    {'7', 6.5f, "L 0 -10 6.5 -10 2 0"},
    {'8', 6, "E 3 -7.5 2.5 2.5 0 360; E 3 -2.6 3 2.6 0 360"},
    {'9', 6.4f, "E 3.2 -6.8 3.2 3.2 0 360; L 6.1 -5.4 1.5 0"},
    {'-', 3.5f, "L 0 -3.5 3.5 -3.5"},
    {'.', 0, "D 0 0"},
    {',', 0.4f, "L 0.4 0 -0.4 1.8"},
    {'\'', 0, "L 0 -10 0 -7.5"},
    {'!', 0, "L 0 -10 0 -3; D 0 0"},
};

const StrokeGlyph& Find(char ch) {
  for (const StrokeGlyph& g : kGlyphs)
    if (g.ch == ch) return g;
  return kGlyphs[0];  // unknown characters leave a space
}

struct Segment {
  float ax, ay, bx, by;
};

// Reads the numbers of one stroke command.
std::vector<float> Numbers(const char* p, const char* end) {
  std::vector<float> out;
  while (p < end) {
    char* next = nullptr;
    const float v = std::strtof(p, &next);
    if (next == p || next > end) break;
    out.push_back(v);
    p = next;
  }
  return out;
}

// The glyph's strokes as straight segments in design units; arcs become short chords.
std::vector<Segment> Flatten(const StrokeGlyph& g) {
  std::vector<Segment> segs;
  for (const char* p = g.strokes; *p;) {
    const char* end = std::strchr(p, ';');
    if (!end) end = p + std::strlen(p);
    while (*p == ' ') ++p;
    const char kind = *p;
    const std::vector<float> n = p < end ? Numbers(p + 1, end) : std::vector<float>{};
    if (kind == 'L') {
      for (size_t i = 0; i + 3 < n.size(); i += 2)
        segs.push_back({n[i], n[i + 1], n[i + 2], n[i + 3]});
    } else if (kind == 'E' && n.size() == 6) {
      const float pi = 3.14159265f;
      const int steps = std::max(4, int(std::ceil((n[5] - n[4]) / 7.5f)));
      for (int i = 0; i < steps; ++i) {
        const float t0 = (n[4] + (n[5] - n[4]) * i / steps) * pi / 180;
        const float t1 = (n[4] + (n[5] - n[4]) * (i + 1) / steps) * pi / 180;
        segs.push_back({n[0] + n[2] * std::cos(t0), n[1] - n[3] * std::sin(t0),
                        n[0] + n[2] * std::cos(t1), n[1] - n[3] * std::sin(t1)});
      }
    } else if (kind == 'D' && n.size() == 2) {
      segs.push_back({n[0], n[1], n[0], n[1]});
    }
    p = *end ? end + 1 : end;
  }
  return segs;
}

float Advance(const StrokeGlyph& g, const StrokeStyle& s) {
  return g.advance * s.size + s.weight + s.tracking * s.size;
}

// One placed glyph: its segments in pixels and the box around them.
struct PlacedGlyph {
  std::vector<Segment> segs;
  float x0, y0, x1, y1;
};

}  // namespace

float StrokeTextWidth(const std::string& text, const StrokeStyle& style) {
  float w = 0;
  for (char ch : text) w += Advance(Find(ch), style);
  return text.empty() ? 0 : w - style.tracking * style.size;
}

StrokeText LayoutStrokeText(float x, float baseline, const std::string& text,
                            const StrokeStyle& style) {
  auto glyphs = std::make_shared<std::vector<PlacedGlyph>>();
  float pen = x + style.weight / 2;
  const float inf = std::numeric_limits<float>::max();
  float bx0 = inf, by0 = inf, bx1 = -inf, by1 = -inf;
  for (char ch : text) {
    const StrokeGlyph& g = Find(ch);
    PlacedGlyph placed{{}, inf, inf, -inf, -inf};
    for (const Segment& s : Flatten(g)) {
      const Segment p{pen + s.ax * style.size, baseline + s.ay * style.size,
                      pen + s.bx * style.size, baseline + s.by * style.size};
      placed.segs.push_back(p);
      placed.x0 = std::min({placed.x0, p.ax, p.bx});
      placed.x1 = std::max({placed.x1, p.ax, p.bx});
      placed.y0 = std::min({placed.y0, p.ay, p.by});
      placed.y1 = std::max({placed.y1, p.ay, p.by});
    }
    if (!placed.segs.empty()) {
      bx0 = std::min(bx0, placed.x0), by0 = std::min(by0, placed.y0);
      bx1 = std::max(bx1, placed.x1), by1 = std::max(by1, placed.y1);
      glyphs->push_back(std::move(placed));
    }
    pen += Advance(g, style);
  }
  const float half = style.weight / 2;
  StrokeText out;
  out.box = glyphs->empty() ? Box{0, 0, 0, 0} : Around(bx0, by0, bx1, by1, half + 2);
  out.shape = [glyphs, half](float px, float py) {
    float best = std::numeric_limits<float>::max();
    for (const PlacedGlyph& g : *glyphs) {
      // A glyph whose box is farther away than the best distance so far cannot be nearer.
      const float dx = std::max({g.x0 - px, 0.0f, px - g.x1});
      const float dy = std::max({g.y0 - py, 0.0f, py - g.y1});
      if (dx >= best || dy >= best) continue;
      for (const Segment& s : g.segs)
        best = std::min(best, SegmentDistance(px, py, s.ax, s.ay, s.bx, s.by));
    }
    return best - half;
  };
  return out;
}

void DrawStrokeText(Canvas& canvas, float x, float baseline, const std::string& text,
                    const StrokeStyle& style, const Paint& paint, float opacity) {
  const StrokeText t = LayoutStrokeText(x, baseline, text, style);
  canvas.FillShape(t.box, t.shape, paint, opacity);
}

}  // namespace art
