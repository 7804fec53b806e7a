#include "bitmap.h"

#include <cstdio>

#include "bytes.h"

namespace art {

bool WriteFileBytes(const std::string& path, const Bytes& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const auto& d = bytes.data();
  const bool ok = std::fwrite(d.data(), 1, d.size(), f) == d.size();
  return std::fclose(f) == 0 && ok;
}

Bitmap Flatten(const Canvas& canvas) {
  Bitmap bmp{canvas.width(), canvas.height(), {}};
  bmp.px.reserve(size_t(bmp.w) * bmp.h);
  for (int y = 0; y < bmp.h; ++y)
    for (int x = 0; x < bmp.w; ++x) {
      const Pixel& p = canvas.at(x, y);
      bmp.px.push_back(ToHex(Mix(Colour{}, p.c, p.a)));
    }
  return bmp;
}

Bitmap FlattenKeyed(const Canvas& art, const Canvas& under, int x, int y) {
  Canvas merged = under.Crop({x, y, x + art.width(), y + art.height()});
  merged.Draw(art, 0, 0);
  Bitmap bmp = Flatten(merged);
  for (int yy = 0; yy < bmp.h; ++yy)
    for (int xx = 0; xx < bmp.w; ++xx) {
      uint32_t& p = bmp.px[size_t(yy) * bmp.w + xx];
      if (art.at(xx, yy).a < 1.0f / 255)
        p = kTransparentWhite;
      else if (p == kTransparentWhite)
        p = kNearWhite;
    }
  return bmp;
}

bool WriteBmp(const std::string& path, const Bitmap& bmp) {
  const uint32_t stride = (uint32_t(bmp.w) * 3 + 3) & ~3u;
  const uint32_t dataSize = stride * bmp.h;
  Bytes b;
  b.Put8('B');
  b.Put8('M');
  b.Put32(14 + 40 + dataSize);  // file size
  b.Put32(0);                   // reserved
  b.Put32(14 + 40);             // offset of the pixels
  b.Put32(40);                  // BITMAPINFOHEADER
  b.Put32(bmp.w);
  b.Put32(bmp.h);  // positive: bottom-up
  b.Put16(1);      // planes
  b.Put16(24);     // bits per pixel
  b.Put32(0);      // BI_RGB
  b.Put32(dataSize);
  b.Put32(2835);  // 72 dots per inch
  b.Put32(2835);
  b.Put32(0);  // no colour table
  b.Put32(0);
  for (int y = bmp.h - 1; y >= 0; --y) {
    for (int x = 0; x < bmp.w; ++x) {
      const uint32_t c = bmp.at(x, y);
      b.Put8(c & 0xFF);
      b.Put8((c >> 8) & 0xFF);
      b.Put8((c >> 16) & 0xFF);
    }
    for (uint32_t pad = uint32_t(bmp.w) * 3; pad < stride; ++pad) b.Put8(0);
  }
  return WriteFileBytes(path, b);
}

}  // namespace art
