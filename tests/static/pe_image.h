// A reader for Windows program and library files (the PE format), as far as the static checks of
// the installer need it: file header, sections, imported DLLs and the resource tree.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace pe {

constexpr uint16_t kMachineI386 = 0x014C;
constexpr uint16_t kMachineAmd64 = 0x8664;
constexpr uint16_t kSubsystemGui = 2;
constexpr uint16_t kSubsystemConsole = 3;
constexpr uint16_t kFileIsExecutable = 0x0002;  // file header characteristics
constexpr uint16_t kFileIsDll = 0x2000;
constexpr uint16_t kOptionalMagic32 = 0x010B;
constexpr uint16_t kOptionalMagic64 = 0x020B;

struct Section {
  std::string name;  // up to 8 characters
  uint32_t virtualAddress = 0;
  uint32_t virtualSize = 0;
  uint32_t rawOffset = 0;  // where its bytes start in the file
  uint32_t rawSize = 0;    // how many bytes it takes in the file
  uint32_t characteristics = 0;
};

// A resource type or name: a 16-bit number or a text.
struct ResourceId {
  bool isText = false;
  uint16_t number = 0;
  std::string text;  // UTF-8

  static ResourceId Number(uint16_t n) { return {false, n, {}}; }
  static ResourceId Text(std::string t) { return {true, 0, std::move(t)}; }
  bool operator==(const ResourceId& o) const {
    return isText == o.isText && (isText ? text == o.text : number == o.number);
  }
  bool operator!=(const ResourceId& o) const { return !(*this == o); }
  std::string Describe() const;  // 222 or "MAIN"
};

// One leaf of the resource tree: type, name, language and the bytes.
struct Resource {
  ResourceId type;
  ResourceId name;
  uint16_t language = 0;
  uint32_t languageEntryOffset = 0;  // file offset of the language's directory entry
  uint32_t dataOffset = 0;           // file offset of the bytes
  std::vector<uint8_t> bytes;
};

struct Image {
  uint16_t machine = 0;
  uint16_t characteristics = 0;
  uint16_t optionalMagic = 0;
  uint16_t subsystem = 0;
  uint64_t imageBase = 0;
  uint32_t headersSize = 0;  // SizeOfHeaders: the bytes before the first section
  uint64_t fileSize = 0;
  std::vector<Section> sections;
  std::vector<std::string> importedDlls;     // import directory, in order
  std::vector<std::string> delayLoadedDlls;  // delay-load directory, in order
  int resourceSection = -1;                  // index of the section holding the resource tree
  std::vector<Resource> resources;           // in directory order

  // Header bytes plus the file bytes of every section but the resource section.
  uint64_t BytesOutsideResources() const;
  const Section* FindSection(const std::string& name) const;
};

// Reads a whole file image; false with a reason when it is not a readable PE file. Every offset
// and count in the file is checked against its size.
bool ReadImage(const std::vector<uint8_t>& file, Image* image, std::string* error);

// Reads the file at `path` into `bytes`; false when it cannot be read.
bool ReadFileBytes(const std::string& path, std::vector<uint8_t>* bytes);

}  // namespace pe
