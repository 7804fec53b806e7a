// The window's skin (bitmap 222) and the parts of it that the completion picture repeats.
#pragma once

#include "canvas.h"

namespace art {

Canvas PaintBackground();

// Shared with the completion picture.
void DrawPage(Canvas& canvas);
void DrawHeader(Canvas& canvas);
void DrawFooter(Canvas& canvas);
// A soft horizontal groove: a dark line over a light one, fading out at both ends.
void DrawRule(Canvas& canvas, int x0, int x1, int y);

}  // namespace art
