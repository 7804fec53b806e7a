// Little-endian reads from an untrusted byte buffer. A read past the end answers 0 and marks the
// reader failed, so a decoder can read a whole structure and check once at the end.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pe {

class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  explicit ByteReader(const std::vector<uint8_t>& bytes) : ByteReader(bytes.data(), bytes.size()) {}

  size_t size() const { return size_; }
  const uint8_t* data() const { return data_; }
  bool failed() const { return failed_; }
  void Fail() { failed_ = true; }

  // Whether `count` bytes start at `offset`, without overflow.
  bool Has(size_t offset, size_t count) const { return offset <= size_ && count <= size_ - offset; }

  uint8_t U8(size_t offset) {
    if (!Has(offset, 1)) return Miss();
    return data_[offset];
  }
  uint16_t U16(size_t offset) {
    if (!Has(offset, 2)) return Miss();
    return uint16_t(data_[offset] | (data_[offset + 1] << 8));
  }
  uint32_t U32(size_t offset) {
    if (!Has(offset, 4)) return Miss();
    return uint32_t(data_[offset]) | (uint32_t(data_[offset + 1]) << 8) |
           (uint32_t(data_[offset + 2]) << 16) | (uint32_t(data_[offset + 3]) << 24);
  }
  uint64_t U64(size_t offset) { return U32(offset) | (uint64_t(U32(offset + 4)) << 32); }
  int16_t S16(size_t offset) { return int16_t(U16(offset)); }
  int32_t S32(size_t offset) { return int32_t(U32(offset)); }

  // A NUL-terminated 8-bit text of at most `limit` bytes (the terminator not counted).
  std::string Text8(size_t offset, size_t limit) {
    std::string text;
    for (size_t i = 0; i < limit; ++i) {
      if (!Has(offset + i, 1)) {
        Miss();
        return text;
      }
      const char c = char(data_[offset + i]);
      if (c == '\0') return text;
      text.push_back(c);
    }
    return text;
  }

 private:
  uint8_t Miss() {
    failed_ = true;
    return 0;
  }

  const uint8_t* data_;
  size_t size_;
  bool failed_ = false;
};

// UTF-16 code units as UTF-8 (unpaired surrogates become U+FFFD).
std::string Utf16ToUtf8(const std::vector<uint16_t>& units);

}  // namespace pe
