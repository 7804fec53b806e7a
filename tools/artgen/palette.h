// The skin's colours: a muted, cool light body with slate ink and a teal accent, and a dark
// footer band for the white hint text.
#pragma once

#include "canvas.h"

namespace art {

struct Palette {
  Colour pageTop = Hex(0xEEF1F4);
  Colour pageBottom = Hex(0xDDE3E9);
  Colour ink = Hex(0x25323F);       // headlines
  Colour inkSoft = Hex(0x5D6B79);   // subtitles and small print
  Colour edgeDark = Hex(0xBCC6D0);  // panel borders
  Colour edgeLight = Hex(0xFAFBFC);
  Colour card = Hex(0xF5F7F9);
  Colour shadow = Hex(0x1E2833);
  Colour accent = Hex(0x3A9B8B);  // teal
  Colour accentDark = Hex(0x23675E);
  Colour accent2 = Hex(0x4D6FB0);  // blue, the accent's partner in gradients
  Colour footerTop = Hex(0x36424F);
  Colour footerBottom = Hex(0x262F39);
  Colour nearWhite = Hex(0xFEFEFE);
};

inline const Palette& Colours() {
  static const Palette p;
  return p;
}

}  // namespace art
