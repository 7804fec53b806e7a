// Little-endian byte building and file output for the art files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace art {

class Bytes {
 public:
  void Put8(uint32_t v) { b_.push_back(uint8_t(v)); }
  void Put16(uint32_t v) {
    Put8(v & 0xFF);
    Put8((v >> 8) & 0xFF);
  }
  void Put32(uint32_t v) {
    Put16(v & 0xFFFF);
    Put16(v >> 16);
  }
  void Append(const Bytes& other) { b_.insert(b_.end(), other.b_.begin(), other.b_.end()); }
  size_t size() const { return b_.size(); }
  const std::vector<uint8_t>& data() const { return b_; }

 private:
  std::vector<uint8_t> b_;
};

bool WriteFileBytes(const std::string& path, const Bytes& bytes);

}  // namespace art
