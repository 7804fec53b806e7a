// The skin's controls: push buttons and architecture badges (white-keyed art) and the tick-box
// strip of four frames.
#pragma once

#include <string>

#include "canvas.h"

namespace art {

struct ButtonLook {
  Colour top, bottom;  // face gradient
  Colour border;
  Colour caption, captionShadow;
  float radius;
};

ButtonLook AccentButton();  // the action that moves on: Install, Finish
ButtonLook QuietButton();   // Close
ButtonLook Badge32Look();
ButtonLook Badge64Look();

// A rounded button of w by h with its caption centred, on a transparent canvas.
Canvas PaintButton(int w, int h, const std::string& caption, const ButtonLook& look);

// The tick-box strip: frames 0 (clear), 1 (clear, pressed), 2 (ticked), 3 (ticked, pressed).
// The strip is copied without a transparent colour, so each frame carries the skin it sits on.
Canvas PaintSelectorStrip(const Canvas& background);

}  // namespace art
