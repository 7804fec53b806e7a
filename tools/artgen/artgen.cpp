// Generates the installer's skin: bitmaps, the link cursor and the program icon.
// Usage: artgen <output folder>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Image {
  int w, h;
  std::vector<uint32_t> px;  // 0xRRGGBB, top row first
  Image(int w_, int h_, uint32_t fill) : w(w_), h(h_), px(size_t(w_) * h_, fill) {}
};

void Put16(std::vector<uint8_t>& b, uint32_t v) {
  b.push_back(v & 0xFF);
  b.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& b, uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

// 24 bits per pixel, BI_RGB, bottom-up, no colour table.
bool WriteBmp(const std::string& path, const Image& img) {
  const uint32_t stride = (uint32_t(img.w) * 3 + 3) & ~3u;
  const uint32_t dataSize = stride * img.h;
  std::vector<uint8_t> b;
  b.push_back('B');
  b.push_back('M');
  Put32(b, 14 + 40 + dataSize);
  Put32(b, 0);
  Put32(b, 14 + 40);
  Put32(b, 40);
  Put32(b, img.w);
  Put32(b, img.h);
  Put16(b, 1);
  Put16(b, 24);
  Put32(b, 0);
  Put32(b, dataSize);
  Put32(b, 2835);
  Put32(b, 2835);
  Put32(b, 0);
  Put32(b, 0);
  for (int y = img.h - 1; y >= 0; --y) {
    for (int x = 0; x < img.w; ++x) {
      uint32_t c = img.px[size_t(y) * img.w + x];
      b.push_back(c & 0xFF);
      b.push_back((c >> 8) & 0xFF);
      b.push_back((c >> 16) & 0xFF);
    }
    for (uint32_t pad = uint32_t(img.w) * 3; pad < stride; ++pad) b.push_back(0);
  }
  return WriteFile(path, b);
}

// BITMAPINFOHEADER of an icon or cursor image: the height counts the colour and the mask rows.
void PutImageHeader(std::vector<uint8_t>& b, int w, int h, int bits) {
  Put32(b, 40);
  Put32(b, w);
  Put32(b, h * 2);
  Put16(b, 1);
  Put16(b, bits);
  for (int i = 0; i < 6; ++i) Put32(b, 0);
}

// A 32 by 32 monochrome cursor: a pointing hand drawn from a row mask, hot spot at (13, 10).
bool WriteCursor(const std::string& path) {
  std::vector<uint8_t> image;
  PutImageHeader(image, 32, 32, 1);
  Put32(image, 0x000000);  // colour 0 black
  Put32(image, 0xFFFFFF);  // colour 1 white
  std::vector<uint32_t> shape(32, 0);
  for (int y = 10; y < 30; ++y) shape[y] = 0x0000FFF0u >> 0;  // a plain block for now
  // XOR mask (bottom-up, one bit per pixel, MSB first): white inside the shape.
  for (int y = 31; y >= 0; --y) {
    uint32_t row = shape[y];
    image.push_back(row >> 24); image.push_back(row >> 16); image.push_back(row >> 8); image.push_back(row);
  }
  // AND mask: 0 where the shape is, 1 (screen shows through) elsewhere.
  for (int y = 31; y >= 0; --y) {
    uint32_t row = ~shape[y];
    image.push_back(row >> 24); image.push_back(row >> 16); image.push_back(row >> 8); image.push_back(row);
  }
  std::vector<uint8_t> b;
  Put16(b, 0);
  Put16(b, 2);
  Put16(b, 1);
  b.push_back(32);
  b.push_back(32);
  b.push_back(2);
  b.push_back(0);
  Put16(b, 13);
  Put16(b, 10);
  Put32(b, uint32_t(image.size()));
  Put32(b, 6 + 16);
  b.insert(b.end(), image.begin(), image.end());
  return WriteFile(path, b);
}

// One 32 bits-per-pixel image with alpha, and its (unused, all clear) AND mask.
std::vector<uint8_t> IconImage(int size) {
  std::vector<uint8_t> b;
  PutImageHeader(b, size, size, 32);
  for (int y = size - 1; y >= 0; --y) {
    for (int x = 0; x < size; ++x) {
      bool inside = x >= 1 && y >= 1 && x < size - 1 && y < size - 1;
      Put32(b, inside ? 0xFF3C8D5Au : 0x00000000u);
    }
  }
  const int maskStride = ((size + 31) / 32) * 4;
  for (int i = 0; i < maskStride * size; ++i) b.push_back(0);
  return b;
}

bool WriteIcon(const std::string& path) {
  const int sizes[2] = {32, 16};
  std::vector<uint8_t> images[2] = {IconImage(32), IconImage(16)};
  std::vector<uint8_t> b;
  Put16(b, 0);
  Put16(b, 1);
  Put16(b, 2);
  uint32_t offset = 6 + 16 * 2;
  for (int i = 0; i < 2; ++i) {
    b.push_back(uint8_t(sizes[i]));
    b.push_back(uint8_t(sizes[i]));
    b.push_back(0);
    b.push_back(0);
    Put16(b, 1);
    Put16(b, 32);
    Put32(b, uint32_t(images[i].size()));
    Put32(b, offset);
    offset += uint32_t(images[i].size());
  }
  for (auto& img : images) b.insert(b.end(), img.begin(), img.end());
  return WriteFile(path, b);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: artgen <output folder>\n");
    return 2;
  }
  const std::string out = argv[1];
  struct Bitmap {
    const char* file;
    int w, h;
    uint32_t fill;
  } bitmaps[] = {
      {"background.bmp", 600, 320, 0x2E3A48}, {"close.bmp", 58, 19, 0x5A6B7D},
      {"install.bmp", 60, 19, 0x3C8D5A},      {"finish.bmp", 60, 19, 0x3C8D5A},
      {"badge32.bmp", 20, 19, 0x4A7FB5},      {"badge64.bmp", 20, 19, 0xB5744A},
      {"complete.bmp", 600, 298, 0x24303C},   {"selector.bmp", 52, 13, 0xD8DEE4},
  };
  for (const Bitmap& bm : bitmaps) {
    if (!WriteBmp(out + "/" + bm.file, Image(bm.w, bm.h, bm.fill))) {
      std::fprintf(stderr, "artgen: cannot write %s\n", bm.file);
      return 1;
    }
  }
  if (!WriteCursor(out + "/link.cur") || !WriteIcon(out + "/main.ico")) {
    std::fprintf(stderr, "artgen: cannot write the cursor or the icon\n");
    return 1;
  }
  return 0;
}
