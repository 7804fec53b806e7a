#include "cursor_icon.h"

#include <cmath>
#include <cstring>
#include <vector>

#include "bytes.h"
#include "canvas.h"
#include "logo.h"

namespace art {

namespace {

constexpr int kCursorSize = 32;
constexpr int kHotX = 13, kHotY = 10;

// The hand: '#' black outline, '.' white fill, ' ' the screen shows through. The top of the
// index finger, column 5 of row 0, is the hot spot.
const char* const kHand[] = {
    "     ##          ",  //
    "    #..#         ",  //
    "    #..#         ",  //
    "    #..#         ",  //
    "    #..#         ",  //
    "    #..###       ",  //
    "    #..#..###    ",  //
    "    #..#..#..##  ",  //
    "    #..#..#..#.# ",  //
    " ## #..#..#..#..#",  //
    "#..##...........#",  //
    "#...#...........#",  //
    " #..............#",  //
    "  #.............#",  //
    "  #............# ",  //
    "   #...........# ",  //
    "   #..........#  ",  //
    "    #.........#  ",  //
    "    #........#   ",  //
    "     #.......#   ",  //
    "     #.......#   ",  //
    "     #########   ",  //
};
constexpr int kHandTipColumn = 5;

// The hand's character at cursor pixel (x, y), or ' ' outside it.
char HandAt(int x, int y) {
  const int hx = x - (kHotX - kHandTipColumn), hy = y - kHotY;
  const int rows = int(sizeof kHand / sizeof kHand[0]);
  if (hy < 0 || hy >= rows || hx < 0 || hx >= int(std::strlen(kHand[hy]))) return ' ';
  return kHand[hy][hx];
}

// A BITMAPINFOHEADER of an icon or cursor image: the height counts the colour and mask rows.
void PutImageHeader(Bytes& b, int w, int h, int bits) {
  b.Put32(40);
  b.Put32(w);
  b.Put32(h * 2);
  b.Put16(1);
  b.Put16(bits);
  for (int i = 0; i < 6; ++i) b.Put32(0);
}

// One bit per pixel, most significant bit first, rows bottom-up and padded to 32 bits.
template <typename Bit>
void PutMask(Bytes& b, int size, Bit bit) {
  const int stride = ((size + 31) / 32) * 4;
  for (int y = size - 1; y >= 0; --y) {
    std::vector<uint8_t> row(stride, 0);
    for (int x = 0; x < size; ++x)
      if (bit(x, y)) row[x / 8] |= uint8_t(0x80 >> (x % 8));
    for (uint8_t v : row) b.Put8(v);
  }
}

// The directory entry of one image in an icon or cursor file.
void PutEntry(Bytes& b, int size, uint16_t planesOrHotX, uint16_t bitsOrHotY, uint32_t bytes,
              uint32_t offset) {
  b.Put8(size);
  b.Put8(size);
  b.Put8(0);  // no palette count
  b.Put8(0);
  b.Put16(planesOrHotX);
  b.Put16(bitsOrHotY);
  b.Put32(bytes);
  b.Put32(offset);
}

Bytes IconImage(int size) {
  Canvas c(size, size);
  if (size >= 32)
    DrawLogo(c, 1, 1, float(size - 2));
  else
    DrawLogo(c, 0, 0, float(size));
  Bytes b;
  PutImageHeader(b, size, size, 32);
  for (int y = size - 1; y >= 0; --y)
    for (int x = 0; x < size; ++x) {
      const Pixel& p = c.at(x, y);
      const uint32_t rgb = ToHex(p.c);
      const uint32_t alpha = uint32_t(std::lround(p.a * 255));
      b.Put32(alpha ? (alpha << 24) | rgb : 0);
    }
  // The mask shows the screen where the image is fully transparent, for displays without alpha.
  PutMask(b, size, [&c](int x, int y) { return c.at(x, y).a < 0.5f / 255; });
  return b;
}

}  // namespace

bool WriteLinkCursor(const std::string& imagePath, const std::string& groupPath) {
  Bytes image;
  image.Put16(kHotX);  // a cursor resource starts with its hot spot
  image.Put16(kHotY);
  PutImageHeader(image, kCursorSize, kCursorSize, 1);
  image.Put32(0x000000);  // colour 0: black
  image.Put32(0xFFFFFF);  // colour 1: white
  PutMask(image, kCursorSize, [](int x, int y) { return HandAt(x, y) == '.'; });
  PutMask(image, kCursorSize, [](int x, int y) { return HandAt(x, y) == ' '; });
  Bytes group;
  group.Put16(0);
  group.Put16(2);  // a cursor group
  group.Put16(1);  // one image
  group.Put16(kCursorSize);
  group.Put16(kCursorSize * 2);  // the stored height counts the mask rows
  group.Put16(1);                // planes
  group.Put16(1);                // bits per pixel
  group.Put32(uint32_t(image.size()));
  group.Put16(kLinkCursorImageId);
  return WriteFileBytes(imagePath, image) && WriteFileBytes(groupPath, group);
}

bool WriteProgramIcon(const std::string& path) {
  const int sizes[2] = {32, 16};
  const Bytes images[2] = {IconImage(sizes[0]), IconImage(sizes[1])};
  Bytes file;
  file.Put16(0);
  file.Put16(1);  // an icon
  file.Put16(2);  // two images
  uint32_t offset = 6 + 16 * 2;
  for (int i = 0; i < 2; ++i) {
    PutEntry(file, sizes[i], 1, 32, uint32_t(images[i].size()), offset);
    offset += uint32_t(images[i].size());
  }
  for (const Bytes& image : images) file.Append(image);
  return WriteFileBytes(path, file);
}

}  // namespace art
