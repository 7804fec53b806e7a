// Decoders for the resource formats the installer carries: the classic dialog template, device-
// independent bitmaps, cursor and icon groups and their images, and resource type numbers.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pe {

// The standard resource type numbers.
constexpr uint16_t kTypeCursor = 1;
constexpr uint16_t kTypeBitmap = 2;
constexpr uint16_t kTypeIcon = 3;
constexpr uint16_t kTypeMenu = 4;
constexpr uint16_t kTypeDialog = 5;
constexpr uint16_t kTypeStringTable = 6;
constexpr uint16_t kTypeAccelerators = 9;
constexpr uint16_t kTypeGroupCursor = 12;
constexpr uint16_t kTypeGroupIcon = 14;
constexpr uint16_t kTypeVersion = 16;
constexpr uint16_t kTypeManifest = 24;

// A dialog template field that is absent, a 16-bit number (a class atom, a menu id) or a text.
struct TextOrNumber {
  bool isNumber = false;
  uint16_t number = 0;
  std::string text;  // UTF-8; empty and !isNumber means absent or empty
  bool IsEmpty() const { return !isNumber && text.empty(); }
  std::string Describe() const;
};

struct DialogControl {
  size_t offset = 0;  // of the control's first byte (its style) within the template
  uint32_t style = 0;
  uint32_t exStyle = 0;
  int16_t x = 0, y = 0, cx = 0, cy = 0;
  uint16_t id = 0;
  TextOrNumber windowClass;
  TextOrNumber text;
  uint16_t creationDataSize = 0;
};

struct DialogTemplate {
  bool extended = false;  // the extended form; nothing past that is decoded
  uint32_t style = 0;
  uint32_t exStyle = 0;
  uint16_t controlCount = 0;
  int16_t x = 0, y = 0, cx = 0, cy = 0;
  TextOrNumber menu;
  TextOrNumber windowClass;
  TextOrNumber title;
  bool hasFont = false;  // the style's set-font bit: point size and face follow the title
  uint16_t pointSize = 0;
  std::string faceName;
  std::vector<DialogControl> controls;
};

// The dialog style bit that makes a point size and a face name follow the title.
constexpr uint32_t kDialogSetFont = 0x40;

bool DecodeDialog(const std::vector<uint8_t>& bytes, DialogTemplate* dialog, std::string* error);

// The header of a device-independent bitmap, with what follows it: colour table and pixels.
struct DibHeader {
  uint32_t headerSize = 0;
  int32_t width = 0;
  int32_t height = 0;  // positive: rows stored bottom-up
  uint16_t planes = 0;
  uint16_t bitCount = 0;
  uint32_t compression = 0;
  uint32_t colorsUsed = 0;
  size_t bytesAfterHeader = 0;  // what the resource holds past the header
};

constexpr uint32_t kCompressionNone = 0;  // BI_RGB

// Bytes of `rows` rows of `width` pixels at `bitCount`, each row padded to 4 bytes.
size_t DibRowsSize(int64_t width, int64_t rows, unsigned bitCount);

bool DecodeDibHeader(const std::vector<uint8_t>& bytes, size_t offset, DibHeader* header,
                     std::string* error);

// A cursor or icon group: the directory that names each image resource.
struct GroupEntry {
  uint16_t width = 0;      // as stored (icons: one byte, 0 meaning 256)
  uint16_t height = 0;     // as stored (cursors: counted with the mask, twice the image's)
  uint8_t colorCount = 0;  // icons only
  uint16_t planes = 0;
  uint16_t bitCount = 0;
  uint32_t bytesInResource = 0;
  uint16_t imageId = 0;
};

struct GroupDirectory {
  uint16_t reserved = 0;
  uint16_t kind = 0;  // 1 icon, 2 cursor
  std::vector<GroupEntry> entries;
};

bool DecodeGroupDirectory(const std::vector<uint8_t>& bytes, bool isCursor, GroupDirectory* group,
                          std::string* error);

// A cursor image resource: its hot spot, then the image as a bitmap with its mask.
struct CursorImage {
  uint16_t hotspotX = 0;
  uint16_t hotspotY = 0;
  DibHeader image;
};

bool DecodeCursorImage(const std::vector<uint8_t>& bytes, CursorImage* cursor, std::string* error);

}  // namespace pe
