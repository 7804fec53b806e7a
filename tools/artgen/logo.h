// The product mark: three colour discs, lightening where they overlap as filtered light does,
// on a dark rounded tile. Used on the skin and as the program icon.
#pragma once

#include "canvas.h"

namespace art {

// Draws the mark in the square (x, y) to (x + size, y + size).
void DrawLogo(Canvas& canvas, float x, float y, float size);

}  // namespace art
