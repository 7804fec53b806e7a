#include "skin_files.h"

#include <cstdio>
#include <cstdlib>
#include <functional>

#include "background.h"
#include "completion.h"
#include "controls.h"
#include "skin_layout.h"

namespace art {

namespace {

// Button art for the place where the window shows it.
std::function<Bitmap(const Canvas&)> Button(int w, int h, const char* caption, ButtonLook (*look)(),
                                            Place place) {
  return [=](const Canvas& skin) {
    return FlattenKeyed(PaintButton(w, h, caption, look()), skin, place.x, place.y);
  };
}

struct BitmapRecipe {
  const char* file;
  int w, h;  // the size the resources promise
  std::function<Bitmap(const Canvas& skin)> make;
};

const BitmapRecipe kRecipes[] = {
    {"background.bmp", kSkinWidth, kSkinHeight, [](const Canvas& skin) { return Flatten(skin); }},
    {"close.bmp", 58, 19, Button(58, 19, "Close", QuietButton, kClosePlace)},
    {"install.bmp", 60, 19, Button(60, 19, "Install", AccentButton, kInstallPlace)},
    {"finish.bmp", 60, 19, Button(60, 19, "Finish", AccentButton, kFinishPlace)},
    {"badge32.bmp", 20, 19, Button(20, 19, "32", Badge32Look, kBadge32Place)},
    {"badge64.bmp", 20, 19, Button(20, 19, "64", Badge64Look, kBadge64Place)},
    {"complete.bmp", kSkinWidth, kCompletionHeight,
     [](const Canvas& skin) { return FlattenKeyed(PaintCompletion(), skin, 0, 0); }},
    {"selector.bmp", 4 * kSelectorFrame, kSelectorFrame,
     [](const Canvas& skin) { return Flatten(PaintSelectorStrip(skin)); }},
};

}  // namespace

std::vector<SkinBitmap> MakeSkinBitmaps() {
  const Canvas skin = PaintBackground();
  std::vector<SkinBitmap> out;
  for (const BitmapRecipe& r : kRecipes) {
    Bitmap bmp = r.make(skin);
    if (bmp.w != r.w || bmp.h != r.h) {
      std::fprintf(stderr, "artgen: %s came out %dx%d, not %dx%d\n", r.file, bmp.w, bmp.h, r.w,
                   r.h);
      std::abort();
    }
    out.push_back({r.file, std::move(bmp)});
  }
  return out;
}

const Bitmap& Find(const std::vector<SkinBitmap>& set, const std::string& file) {
  for (const SkinBitmap& s : set)
    if (s.file == file) return s.bitmap;
  std::fprintf(stderr, "artgen: no bitmap %s\n", file.c_str());
  std::abort();
}

}  // namespace art
