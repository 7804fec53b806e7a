// The skin's own small bitmap font: proportional, capitals 7 pixels high, descenders 2 below,
// for button captions, badges and the small print of the skin.
#pragma once

#include <string>

#include "canvas.h"

namespace art {

constexpr int kPixelCapHeight = 7;
constexpr int kPixelLineHeight = 9;

enum class Weight { kRegular, kBold };

// Width in pixels of the text as DrawPixelText draws it.
int PixelTextWidth(const std::string& text, Weight weight = Weight::kRegular);
// Draws text with the top of its capitals at y. Bold thickens every stroke one pixel rightwards.
void DrawPixelText(Canvas& canvas, int x, int y, const std::string& text, const Colour& colour,
                   Weight weight = Weight::kRegular, float opacity = 1);

}  // namespace art
