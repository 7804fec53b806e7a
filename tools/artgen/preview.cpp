#include "preview.h"

#include "pixel_font.h"
#include "skin_layout.h"

namespace art {

namespace {

// Copies columns [sx0, sx0 + w) of a bitmap to (x, y); keyed copies leave pure white out, as
// the program does for button art.
void Put(Canvas& c, const Bitmap& b, int x, int y, bool keyed, int sx0 = 0, int w = -1) {
  if (w < 0) w = b.w;
  for (int yy = 0; yy < b.h; ++yy)
    for (int xx = 0; xx < w; ++xx) {
      const uint32_t p = b.at(sx0 + xx, yy);
      if (!(keyed && p == kTransparentWhite)) c.Blend(x + xx, y + yy, Hex(p), 1);
    }
}

// Text in the program's colours, in our pixel font standing in for the window's 13-pixel font.
void Text(Canvas& c, Place at, const std::string& text, uint32_t rgb, bool underline = false) {
  const int top = at.y + 3;  // the system font's capitals start a little below its cell top
  DrawPixelText(c, at.x, top, text, Hex(rgb));
  if (underline)
    for (int x = at.x; x < at.x + PixelTextWidth(text); ++x) c.Blend(x, top + 8, Hex(rgb), 1);
}

// The folder drop-down list: a sunken white field with its arrow button.
void FolderList(Canvas& c, const std::string& text) {
  const int x0 = kListLeft, y0 = kListTop, x1 = x0 + kListWidth, y1 = y0 + kListHeight;
  c.Fill({x0, y0, x1, y1}, Solid(Hex(0x808080)));
  c.Fill({x0 + 1, y0 + 1, x1, y1}, Solid(Hex(0xF0F0F0)));
  c.Fill({x0 + 2, y0 + 2, x1 - 1, y1 - 1}, Solid(Hex(0xFFFFFF)));
  c.Fill({x1 - 18, y0 + 2, x1 - 2, y1 - 2}, Solid(Hex(0xD4D0C8)));
  for (int i = 0; i < 4; ++i)
    for (int x = x1 - 13 + i; x < x1 - 6 - i; ++x) c.Blend(x, y0 + 8 + i, Hex(0), 1);
  DrawPixelText(c, x0 + 5, y0 + 6, text, Hex(0));
}

void StartState(Canvas& c, const std::vector<SkinBitmap>& skin) {
  Put(c, Find(skin, "background.bmp"), 0, 0, false);
  Put(c, Find(skin, "close.bmp"), kClosePlace.x, kClosePlace.y, true);
  Put(c, Find(skin, "install.bmp"), kInstallPlace.x, kInstallPlace.y, true);
  Put(c, Find(skin, "badge32.bmp"), kBadge32Place.x, kBadge32Place.y, true);
  Put(c, Find(skin, "badge64.bmp"), kBadge64Place.x, kBadge64Place.y, true);
  Text(c, kLinkPlace, "www.brenmoor.example", 0x0000FF, true);
  Put(c, Find(skin, "selector.bmp"), kSelectorPlace.x, kSelectorPlace.y, false, 2 * kSelectorFrame,
      kSelectorFrame);
  Text(c, kSelectorLabelPlace, "Vorn Kessa Plug-in v3.25", 0x000000);
  Text(c, kPromptPlace,
       "Select 32-bit or 64-bit plug-ins folder where setup will install files:", 0x000000);
  Text(c, kStatusPlace, "Install 64-bit version", 0xFFFFFF);
  FolderList(c, "C:\\Hosts\\Editor\\Plug-Ins\\Brenmoor\\");
}

void CompletedState(Canvas& c, const std::vector<SkinBitmap>& skin) {
  Put(c, Find(skin, "background.bmp"), 0, 0, false);
  Put(c, Find(skin, "finish.bmp"), kFinishPlace.x, kFinishPlace.y, true);
  Put(c, Find(skin, "complete.bmp"), 0, 0, true);
}

constexpr int kZoom = 3;

// The tick-box frames, the badges and a button at three times their size, for a close look.
void Magnified(Canvas& c, int y, const std::vector<SkinBitmap>& skin) {
  const char* files[] = {"selector.bmp", "badge32.bmp", "badge64.bmp", "install.bmp"};
  int x = 10;
  for (const char* f : files) {
    const Bitmap& b = Find(skin, f);
    for (int yy = 0; yy < b.h * kZoom; ++yy)
      for (int xx = 0; xx < b.w * kZoom; ++xx)
        c.Blend(x + xx, y + yy, Hex(b.at(xx / kZoom, yy / kZoom)), 1);
    x += b.w * kZoom + 12;
  }
}

}  // namespace

bool WritePreview(const std::string& path, const std::vector<SkinBitmap>& skin) {
  const int gap = 8;
  Canvas whole(kSkinWidth, 2 * kSkinHeight + 3 * gap + kZoom * 19, Hex(0x808890));
  Canvas start(kSkinWidth, kSkinHeight), done(kSkinWidth, kSkinHeight);
  StartState(start, skin);
  CompletedState(done, skin);
  whole.Draw(start, 0, 0);
  whole.Draw(done, 0, kSkinHeight + gap);
  Magnified(whole, 2 * (kSkinHeight + gap), skin);
  return WriteBmp(path, Flatten(whole));
}

}  // namespace art
