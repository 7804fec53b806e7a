#include "background.h"

#include <algorithm>
#include <cmath>

#include "illustration.h"
#include "logo.h"
#include "palette.h"
#include "pixel_font.h"
#include "skin_layout.h"
#include "stroke_font.h"

namespace art {

namespace {

constexpr Box kPictureCard = {20, 88, 390, 222};
constexpr Box kComponentsCard = {404, 88, 582, 222};

void DrawCard(Canvas& canvas, const Box& box) {
  const Palette& p = Colours();
  const float x0 = float(box.x0), y0 = float(box.y0), x1 = float(box.x1), y1 = float(box.y1);
  canvas.FillSoft(Around(x0, y0, x1, y1 + 4, 6), RoundBox(x0, y0 + 2, x1, y1 + 2, 6), 4, p.shadow,
                  0.10f);
  canvas.FillShape(Around(x0, y0, x1, y1), RoundBox(x0, y0, x1, y1, 6), Solid(p.edgeDark));
  canvas.FillShape(Around(x0, y0, x1, y1), RoundBox(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 5),
                   VerticalGradient(y0, Shade(p.card, 0.5f), y1, p.card));
}

void DrawComponents(Canvas& canvas) {
  const Palette& p = Colours();
  const Box& c = kComponentsCard;
  DrawCard(canvas, c);
  // The tick-box and its label are the program's; beneath them, what the component is.
  DrawRule(canvas, c.x0 + 12, c.x1 - 12, kSelectorPlace.y + 24);
  const int x = kSelectorPlace.x;
  DrawPixelText(canvas, x, 136, "Image filter plug-in", p.ink, Weight::kBold);
  DrawPixelText(canvas, x, 151, "for graphics programs", p.inkSoft);
  DrawPixelText(canvas, x, 163, "that load .8bf filters.", p.inkSoft);
  DrawPixelText(canvas, x, 180, "32-bit and 64-bit hosts", p.inkSoft);
  DrawPixelText(canvas, x, 202, "Version 3.25", p.accentDark, Weight::kBold);
}

// The groove around the folder list: a sunken frame one pixel clear of the control.
void DrawListGroove(Canvas& canvas) {
  const Palette& p = Colours();
  const float x0 = kListLeft - 2.0f, y0 = kListTop - 2.0f;
  const float x1 = kListLeft + kListWidth + 2.0f, y1 = kListTop + kListHeight + 2.0f;
  canvas.FillShape(Around(x0, y0, x1, y1 + 1), RoundBox(x0, y0 + 1, x1, y1 + 1, 3),
                   Solid(p.edgeLight));
  canvas.FillShape(Around(x0, y0, x1, y1), RoundBox(x0, y0, x1, y1, 3), Solid(Hex(0xA3AEBA)));
  canvas.FillShape(Around(x0, y0, x1, y1), RoundBox(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 2),
                   VerticalGradient(y0, Hex(0xD9DFE5), y1, Hex(0xEEF1F4)));
}

}  // namespace

void DrawRule(Canvas& canvas, int x0, int x1, int y) {
  const Palette& p = Colours();
  for (int x = x0; x < x1; ++x) {
    const float t = float(x - x0) / float(x1 - x0);
    const float fade = std::min(1.0f, std::min(t, 1 - t) * 8);
    canvas.Blend(x, y, Hex(0xB3BECA), fade);
    canvas.Blend(x, y + 1, p.edgeLight, fade);
  }
}

void DrawPage(Canvas& canvas) {
  const Palette& p = Colours();
  const Paint page = VerticalGradient(0, p.pageTop, kFooterTop, p.pageBottom);
  canvas.Fill(canvas.bounds(), page);
  // A faint light from the top left, behind the product name.
  canvas.FillSoft(canvas.bounds(), Circle(90, 10, 60), 120, p.edgeLight, 0.45f);
}

void DrawHeader(Canvas& canvas) {
  const Palette& p = Colours();
  canvas.FillSoft(Around(20, 16, 64, 64, 6), RoundBox(22, 20, 62, 60, 9), 3, p.shadow, 0.22f);
  DrawLogo(canvas, 22, 18, 40);
  const StrokeStyle title{2.3f, 3.3f, 2.4f};
  DrawStrokeText(canvas, 76, 41, "Vorn Kessa", title,
                 VerticalGradient(18, Hex(0x31414F), 42, p.ink));
  const StrokeStyle subtitle{0.98f, 1.3f, 2.8f};
  DrawStrokeText(canvas, 77, 59, "Filter plug-in setup", subtitle, Solid(p.inkSoft));
  DrawRule(canvas, 20, kSkinWidth - 20, 74);
}

void DrawFooter(Canvas& canvas) {
  const Palette& p = Colours();
  const int w = canvas.width();
  // A thin accent seam, then the dark band.
  canvas.Fill({0, kFooterTop, w, kFooterTop + 1},
              [w, &p](float x, float) { return Mix(p.accent, p.accent2, x / float(w)); });
  canvas.Fill({0, kFooterTop + 1, w, kSkinHeight},
              VerticalGradient(kFooterTop + 1, p.footerTop, kSkinHeight, p.footerBottom));
  canvas.Fill({0, kFooterTop + 1, w, kFooterTop + 2}, Solid(Shade(p.footerTop, 0.08f)));
}

Canvas PaintBackground() {
  Canvas canvas(kSkinWidth, kSkinHeight);
  DrawPage(canvas);
  DrawHeader(canvas);
  DrawIllustration(canvas, kPictureCard);
  DrawComponents(canvas);
  DrawListGroove(canvas);
  DrawFooter(canvas);
  return canvas;
}

}  // namespace art
