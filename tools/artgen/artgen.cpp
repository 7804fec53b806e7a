// Generates the installer's skin: bitmaps, the link cursor and the program icon.
// Usage: artgen <output folder>
//        artgen --preview <picture.bmp>   the window as it will look, for checking the art
#include <cstdio>
#include <cstring>
#include <string>

#include "bitmap.h"
#include "cursor_icon.h"
#include "preview.h"
#include "skin_files.h"

namespace {

int WriteAll(const std::string& out) {
  for (const art::SkinBitmap& s : art::MakeSkinBitmaps()) {
    if (!art::WriteBmp(out + "/" + s.file, s.bitmap)) {
      std::fprintf(stderr, "artgen: cannot write %s\n", s.file.c_str());
      return 1;
    }
  }
  if (!art::WriteLinkCursor(out + "/link-image.bin", out + "/link-group.bin") || !art::WriteProgramIcon(out + "/main.ico")) {
    std::fprintf(stderr, "artgen: cannot write the cursor or the icon\n");
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--preview") == 0) {
    if (art::WritePreview(argv[2], art::MakeSkinBitmaps())) return 0;
    std::fprintf(stderr, "artgen: cannot write %s\n", argv[2]);
    return 1;
  }
  if (argc != 2) {
    std::fprintf(stderr, "usage: artgen <output folder>\n       artgen --preview <picture.bmp>\n");
    return 2;
  }
  return WriteAll(argv[1]);
}
