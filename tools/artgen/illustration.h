// The skin's picture: a small landscape shown half as it is and half through a colour filter,
// split by a before-and-after handle, in a framed card.
#pragma once

#include "canvas.h"

namespace art {

void DrawIllustration(Canvas& canvas, const Box& frame);

}  // namespace art
