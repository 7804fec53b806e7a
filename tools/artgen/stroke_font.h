// The skin's headline font: geometric letters built from straight and elliptic strokes, drawn
// anti-aliased at any size and weight (the product name, the completion message).
#pragma once

#include <string>

#include "canvas.h"

namespace art {

struct StrokeStyle {
  float size = 2;        // pixels per design unit; capitals are 10 units high
  float weight = 2;      // stroke width in pixels
  float tracking = 2.2;  // space between letters in design units, besides the stroke width
};

struct StrokeText {
  Sdf shape;  // the text's ink
  Box box;    // where the ink lies
};

float StrokeTextWidth(const std::string& text, const StrokeStyle& style);
// Lays the text out with its baseline at y and its left ink edge at x.
StrokeText LayoutStrokeText(float x, float baseline, const std::string& text,
                            const StrokeStyle& style);
void DrawStrokeText(Canvas& canvas, float x, float baseline, const std::string& text,
                    const StrokeStyle& style, const Paint& paint, float opacity = 1);

}  // namespace art
