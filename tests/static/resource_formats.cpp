#include "tests/static/resource_formats.h"

#include <cstdio>

#include "tests/static/byte_reader.h"

namespace pe {

namespace {

constexpr size_t kMaxTemplateText = 4096;  // UTF-16 units in one template text
constexpr size_t kDibHeaderSize = 40;
constexpr size_t kGroupHeaderSize = 6;
constexpr size_t kGroupEntrySize = 14;

// A UTF-16 text ending with a zero unit; `*at` moves past the terminator.
std::string ReadWideText(ByteReader& r, size_t* at) {
  std::vector<uint16_t> units;
  for (size_t i = 0; i < kMaxTemplateText; ++i) {
    const uint16_t u = r.U16(*at);
    *at += 2;
    if (u == 0 || r.failed()) return Utf16ToUtf8(units);
    units.push_back(u);
  }
  r.Fail();  // no terminator within the limit
  return Utf16ToUtf8(units);
}

// A zero unit (absent), 0xFFFF and a number, or a text.
TextOrNumber ReadTextOrNumber(ByteReader& r, size_t* at) {
  TextOrNumber field;
  if (r.U16(*at) == 0xFFFF) {
    field.isNumber = true;
    field.number = r.U16(*at + 2);
    *at += 4;
  } else {
    field.text = ReadWideText(r, at);
  }
  return field;
}

size_t AlignTo4(size_t at) { return (at + 3) & ~size_t(3); }

}  // namespace

std::string TextOrNumber::Describe() const {
  if (isNumber) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "#0x%04X", number);
    return buf;
  }
  return "\"" + text + "\"";
}

bool DecodeDialog(const std::vector<uint8_t>& bytes, DialogTemplate* dialog, std::string* error) {
  *dialog = DialogTemplate{};
  ByteReader r(bytes);
  // The extended form opens with version 1 and the signature 0xFFFF.
  if (r.U16(0) == 1 && r.U16(2) == 0xFFFF) {
    dialog->extended = true;
    return true;
  }
  dialog->style = r.U32(0);
  dialog->exStyle = r.U32(4);
  dialog->controlCount = r.U16(8);
  dialog->x = r.S16(10);
  dialog->y = r.S16(12);
  dialog->cx = r.S16(14);
  dialog->cy = r.S16(16);
  size_t at = 18;
  dialog->menu = ReadTextOrNumber(r, &at);
  dialog->windowClass = ReadTextOrNumber(r, &at);
  dialog->title = ReadTextOrNumber(r, &at);
  if (dialog->style & kDialogSetFont) {
    dialog->hasFont = true;
    dialog->pointSize = r.U16(at);
    at += 2;
    dialog->faceName = ReadWideText(r, &at);
  }
  if (r.failed()) {
    *error = "dialog header truncated";
    return false;
  }
  for (unsigned i = 0; i < dialog->controlCount; ++i) {
    at = AlignTo4(at);  // each control starts on a 4-byte boundary of the template
    DialogControl c;
    c.offset = at;
    c.style = r.U32(at);
    c.exStyle = r.U32(at + 4);
    c.x = r.S16(at + 8);
    c.y = r.S16(at + 10);
    c.cx = r.S16(at + 12);
    c.cy = r.S16(at + 14);
    c.id = r.U16(at + 16);
    at += 18;
    c.windowClass = ReadTextOrNumber(r, &at);
    c.text = ReadTextOrNumber(r, &at);
    c.creationDataSize = r.U16(at);
    // A nonzero size counts its own word, as the dialog manager reads it.
    const size_t skip = c.creationDataSize < 2 ? 2 : (c.creationDataSize + 1u) & ~1u;
    if (!r.Has(at, skip)) r.Fail();
    at += skip;
    if (r.failed()) {
      *error = "dialog control " + std::to_string(i) + " truncated";
      return false;
    }
    dialog->controls.push_back(c);
  }
  return true;
}

size_t DibRowsSize(int64_t width, int64_t rows, unsigned bitCount) {
  if (width < 0) width = -width;
  if (rows < 0) rows = -rows;
  const uint64_t stride = ((uint64_t(width) * bitCount + 31) / 32) * 4;
  return size_t(stride * uint64_t(rows));
}

bool DecodeDibHeader(const std::vector<uint8_t>& bytes, size_t offset, DibHeader* header,
                     std::string* error) {
  *header = DibHeader{};
  ByteReader r(bytes);
  header->headerSize = r.U32(offset);
  header->width = r.S32(offset + 4);
  header->height = r.S32(offset + 8);
  header->planes = r.U16(offset + 12);
  header->bitCount = r.U16(offset + 14);
  header->compression = r.U32(offset + 16);
  header->colorsUsed = r.U32(offset + 32);
  if (r.failed() || !r.Has(offset, kDibHeaderSize)) {
    *error = "bitmap header truncated";
    return false;
  }
  if (header->headerSize < kDibHeaderSize || !r.Has(offset, header->headerSize)) {
    *error = "bitmap header size " + std::to_string(header->headerSize) + " does not fit";
    return false;
  }
  header->bytesAfterHeader = bytes.size() - offset - header->headerSize;
  return true;
}

bool DecodeGroupDirectory(const std::vector<uint8_t>& bytes, bool isCursor, GroupDirectory* group,
                          std::string* error) {
  *group = GroupDirectory{};
  ByteReader r(bytes);
  group->reserved = r.U16(0);
  group->kind = r.U16(2);
  const size_t count = r.U16(4);
  if (r.failed() || !r.Has(kGroupHeaderSize, count * kGroupEntrySize)) {
    *error = "group directory truncated";
    return false;
  }
  for (size_t i = 0; i < count; ++i) {
    const size_t at = kGroupHeaderSize + i * kGroupEntrySize;
    GroupEntry e;
    if (isCursor) {
      e.width = r.U16(at);
      e.height = r.U16(at + 2);
    } else {
      e.width = r.U8(at);
      e.height = r.U8(at + 1);
      e.colorCount = r.U8(at + 2);
    }
    e.planes = r.U16(at + 4);
    e.bitCount = r.U16(at + 6);
    e.bytesInResource = r.U32(at + 8);
    e.imageId = r.U16(at + 12);
    group->entries.push_back(e);
  }
  return true;
}

bool DecodeCursorImage(const std::vector<uint8_t>& bytes, CursorImage* cursor, std::string* error) {
  *cursor = CursorImage{};
  ByteReader r(bytes);
  cursor->hotspotX = r.U16(0);
  cursor->hotspotY = r.U16(2);
  if (r.failed()) {
    *error = "cursor hot spot truncated";
    return false;
  }
  return DecodeDibHeader(bytes, 4, &cursor->image, error);
}

}  // namespace pe
