// The completion picture (bitmap 213): the upper window after the installation, with the
// skin's header and a finished message.
#pragma once

#include "canvas.h"

namespace art {

Canvas PaintCompletion();

}  // namespace art
