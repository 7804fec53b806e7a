#include "completion.h"

#include <algorithm>
#include <cmath>

#include "background.h"
#include "palette.h"
#include "pixel_font.h"
#include "skin_layout.h"
#include "stroke_font.h"

namespace art {

namespace {

constexpr float kBadgeX = 300, kBadgeY = 142, kBadgeR = 32;

// A teal disc with a check mark, in faint rings.
void DrawDoneBadge(Canvas& c) {
  const Palette& p = Colours();
  const float ringR[] = {46, 60, 76};
  const float ringA[] = {0.22f, 0.13f, 0.07f};
  for (int i = 0; i < 3; ++i)
    c.FillShape(Around(kBadgeX - 80, kBadgeY - 80, kBadgeX + 80, kBadgeY + 80),
                Outline(Circle(kBadgeX, kBadgeY, ringR[i]), 1.2f), Solid(p.accent), ringA[i]);
  c.FillSoft(Around(kBadgeX - 44, kBadgeY - 40, kBadgeX + 44, kBadgeY + 48),
             Circle(kBadgeX, kBadgeY + 3, kBadgeR), 6, p.shadow, 0.25f);
  const Box around =
      Around(kBadgeX - kBadgeR, kBadgeY - kBadgeR, kBadgeX + kBadgeR, kBadgeY + kBadgeR);
  c.FillShape(around, Circle(kBadgeX, kBadgeY, kBadgeR), Solid(p.accentDark));
  c.FillShape(around, Circle(kBadgeX, kBadgeY, kBadgeR - 1.5f),
              VerticalGradient(kBadgeY - kBadgeR, Hex(0x56B8A7), kBadgeY + kBadgeR, Hex(0x2B7C6E)));
  const float x = kBadgeX, y = kBadgeY;
  const Sdf check = [=](float px, float py) {
    return std::min(SegmentDistance(px, py, x - 14, y + 1, x - 4, y + 11),
                    SegmentDistance(px, py, x - 4, y + 11, x + 15, y - 10)) -
           3.6f;
  };
  c.FillShape(
      around, [=](float px, float py) { return check(px, py - 1.5f); }, Solid(p.accentDark), 0.5f);
  c.FillShape(around, check, Solid(p.nearWhite));
}

void DrawCentred(Canvas& c, int y, const std::string& text, const Colour& colour, Weight weight) {
  DrawPixelText(c, (c.width() - PixelTextWidth(text, weight)) / 2, y, text, colour, weight);
}

}  // namespace

Canvas PaintCompletion() {
  const Palette& p = Colours();
  Canvas c(kSkinWidth, kSkinHeight);
  DrawPage(c);
  DrawHeader(c);
  DrawFooter(c);
  DrawDoneBadge(c);
  const StrokeStyle headline{1.75f, 2.5f, 2.4f};
  const std::string done = "Installation complete";
  DrawStrokeText(c, (c.width() - StrokeTextWidth(done, headline)) / 2, 222, done, headline,
                 Solid(p.ink));
  DrawCentred(c, 238, "Vorn Kessa Plug-in v3.25 has been installed.", p.inkSoft, Weight::kRegular);
  DrawCentred(c, 251, "Restart your graphics program to use the filter.", p.inkSoft,
              Weight::kRegular);
  return c.Crop({0, 0, kSkinWidth, kCompletionHeight});
}

}  // namespace art
