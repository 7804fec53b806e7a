#include "tests/static/pe_image.h"

#include <cstdio>

#include "tests/static/byte_reader.h"

namespace pe {

namespace {

// Where the headers keep what we read: offsets from the start of each header.
constexpr size_t kDosNewHeaderPointer = 0x3C;
constexpr size_t kFileHeaderSize = 20;
constexpr size_t kSectionHeaderSize = 40;
constexpr size_t kImportDescriptorSize = 20;
constexpr size_t kDelayDescriptorSize = 32;
constexpr size_t kResourceDirectorySize = 16;
constexpr size_t kResourceEntrySize = 8;
constexpr uint32_t kHighBit = 0x80000000u;

// Data directory slots.
constexpr unsigned kDirectoryImports = 1;
constexpr unsigned kDirectoryResources = 2;
constexpr unsigned kDirectoryDelayImports = 13;

// Limits a hostile file cannot push us past: entries in a DLL name, in the import list, leaves
// of the resource tree.
constexpr size_t kMaxDllName = 512;
constexpr size_t kMaxImportedDlls = 4096;
constexpr size_t kMaxResources = 10000;
constexpr size_t kMaxResourceNameUnits = 4096;

struct DataDirectory {
  uint32_t rva = 0;
  uint32_t size = 0;
};

class Parser {
 public:
  Parser(const std::vector<uint8_t>& file, Image* image) : r_(file), image_(image) {}

  bool Run(std::string* error) {
    if (!ReadHeaders() || !ReadImports() || !ReadDelayImports() || !ReadResources()) {
      *error = error_;
      return false;
    }
    return true;
  }

 private:
  bool Fail(const std::string& why) {
    error_ = why;
    return false;
  }

  bool ReadHeaders() {
    if (r_.U16(0) != 0x5A4D) return Fail("no MZ signature");
    const size_t peHeader = r_.U32(kDosNewHeaderPointer);
    if (r_.U32(peHeader) != 0x00004550) return Fail("no PE signature");
    const size_t fileHeader = peHeader + 4;
    image_->machine = r_.U16(fileHeader);
    const unsigned sectionCount = r_.U16(fileHeader + 2);
    const size_t optionalSize = r_.U16(fileHeader + 16);
    image_->characteristics = r_.U16(fileHeader + 18);
    const size_t optional = fileHeader + kFileHeaderSize;
    image_->optionalMagic = r_.U16(optional);

    size_t directories = 0;
    uint32_t directoryCount = 0;
    if (image_->optionalMagic == kOptionalMagic32) {
      image_->imageBase = r_.U32(optional + 28);
      directoryCount = r_.U32(optional + 92);
      directories = optional + 96;
    } else if (image_->optionalMagic == kOptionalMagic64) {
      image_->imageBase = r_.U64(optional + 24);
      directoryCount = r_.U32(optional + 108);
      directories = optional + 112;
    } else {
      return Fail("unknown optional header magic");
    }
    image_->headersSize = r_.U32(optional + 60);
    image_->subsystem = r_.U16(optional + 68);
    if (r_.failed()) return Fail("headers truncated");
    // The directories must lie inside the optional header the file header announces.
    if (directoryCount > 16 || directories + directoryCount * 8 > optional + optionalSize)
      return Fail("data directories overrun the optional header");
    for (unsigned i = 0; i < directoryCount; ++i) {
      directories_[i].rva = r_.U32(directories + i * 8);
      directories_[i].size = r_.U32(directories + i * 8 + 4);
    }

    const size_t table = optional + optionalSize;
    if (!r_.Has(table, size_t(sectionCount) * kSectionHeaderSize))
      return Fail("section table truncated");
    for (unsigned i = 0; i < sectionCount; ++i) {
      const size_t at = table + i * kSectionHeaderSize;
      Section s;
      s.name = r_.Text8(at, 8);
      s.virtualSize = r_.U32(at + 8);
      s.virtualAddress = r_.U32(at + 12);
      s.rawSize = r_.U32(at + 16);
      s.rawOffset = r_.U32(at + 20);
      s.characteristics = r_.U32(at + 36);
      if (s.rawSize != 0 && !r_.Has(s.rawOffset, s.rawSize))
        return Fail("section " + s.name + " lies beyond the end of the file");
      image_->sections.push_back(s);
    }
    image_->fileSize = r_.size();
    return !r_.failed() || Fail("headers truncated");
  }

  // The file offset of an address of the loaded image, if that address has bytes in the file.
  bool RvaToOffset(uint32_t rva, size_t* offset, int* sectionIndex = nullptr) const {
    for (size_t i = 0; i < image_->sections.size(); ++i) {
      const Section& s = image_->sections[i];
      const uint32_t span = s.virtualSize > s.rawSize ? s.virtualSize : s.rawSize;
      if (rva < s.virtualAddress || rva - s.virtualAddress >= span) continue;
      if (rva - s.virtualAddress >= s.rawSize) return false;  // zero-filled, not in the file
      *offset = size_t(s.rawOffset) + (rva - s.virtualAddress);
      if (sectionIndex) *sectionIndex = int(i);
      return true;
    }
    if (rva < image_->headersSize && rva < r_.size()) {
      *offset = rva;
      return true;
    }
    return false;
  }

  bool ReadDllName(uint32_t rva, std::vector<std::string>* into) {
    size_t at = 0;
    if (!RvaToOffset(rva, &at)) return Fail("imported DLL name outside the file");
    into->push_back(r_.Text8(at, kMaxDllName));
    return !r_.failed() || Fail("imported DLL name truncated");
  }

  bool ReadImports() {
    const DataDirectory& dir = directories_[kDirectoryImports];
    if (dir.rva == 0) return true;
    size_t at = 0;
    if (!RvaToOffset(dir.rva, &at)) return Fail("import directory outside the file");
    for (size_t i = 0;; ++i, at += kImportDescriptorSize) {
      if (i == kMaxImportedDlls) return Fail("import directory has no end");
      const uint32_t nameRva = r_.U32(at + 12);
      const uint32_t firstThunk = r_.U32(at + 16);
      if (r_.failed()) return Fail("import directory truncated");
      if (nameRva == 0 && firstThunk == 0) return true;
      if (!ReadDllName(nameRva, &image_->importedDlls)) return false;
    }
  }

  bool ReadDelayImports() {
    const DataDirectory& dir = directories_[kDirectoryDelayImports];
    if (dir.rva == 0) return true;
    size_t at = 0;
    if (!RvaToOffset(dir.rva, &at)) return Fail("delay-load directory outside the file");
    for (size_t i = 0;; ++i, at += kDelayDescriptorSize) {
      if (i == kMaxImportedDlls) return Fail("delay-load directory has no end");
      const uint32_t attributes = r_.U32(at);
      uint64_t name = r_.U32(at + 4);
      if (r_.failed()) return Fail("delay-load directory truncated");
      if (name == 0) return true;
      // The oldest form (attribute bit 0 clear) stores addresses, not offsets into the image.
      if ((attributes & 1) == 0) name -= image_->imageBase;
      if (name > 0xFFFFFFFFu) return Fail("delay-loaded DLL name outside the image");
      if (!ReadDllName(uint32_t(name), &image_->delayLoadedDlls)) return false;
    }
  }

  bool ReadResources() {
    const DataDirectory& dir = directories_[kDirectoryResources];
    if (dir.rva == 0) return true;
    if (!RvaToOffset(dir.rva, &resourceBase_, &image_->resourceSection))
      return Fail("resource directory outside the file");
    return ReadDirectory(resourceBase_, 0, nullptr, nullptr);
  }

  ResourceId ReadEntryId(uint32_t field) {
    if ((field & kHighBit) == 0) return ResourceId::Number(uint16_t(field));
    const size_t at = resourceBase_ + (field & ~kHighBit);
    const size_t length = r_.U16(at);
    if (length > kMaxResourceNameUnits) r_.Fail();
    std::vector<uint16_t> units;
    for (size_t i = 0; i < length && !r_.failed(); ++i) units.push_back(r_.U16(at + 2 + i * 2));
    return ResourceId::Text(Utf16ToUtf8(units));
  }

  // Level 0 lists types, level 1 names, level 2 languages whose entries point at the bytes.
  bool ReadDirectory(size_t at, int level, const ResourceId* type, const ResourceId* name) {
    const size_t count = size_t(r_.U16(at + 12)) + r_.U16(at + 14);
    if (r_.failed()) return Fail("resource directory truncated");
    for (size_t i = 0; i < count; ++i) {
      const size_t entry = at + kResourceDirectorySize + i * kResourceEntrySize;
      const uint32_t idField = r_.U32(entry);
      const uint32_t dataField = r_.U32(entry + 4);
      const ResourceId id = ReadEntryId(idField);
      if (r_.failed()) return Fail("resource directory entry truncated");
      const bool isDirectory = (dataField & kHighBit) != 0;
      if (isDirectory != (level < 2)) return Fail("resource tree is not type/name/language");
      const size_t target = resourceBase_ + (dataField & ~kHighBit);
      if (level == 0 && !ReadDirectory(target, 1, &id, nullptr)) return false;
      if (level == 1 && !ReadDirectory(target, 2, type, &id)) return false;
      if (level == 2 && !ReadLeaf(target, *type, *name, id, entry)) return false;
    }
    return true;
  }

  bool ReadLeaf(size_t at, const ResourceId& type, const ResourceId& name,
                const ResourceId& language, size_t entry) {
    if (image_->resources.size() == kMaxResources) return Fail("too many resources");
    if (language.isText) return Fail("resource language given as a text");
    const uint32_t rva = r_.U32(at);
    const uint32_t size = r_.U32(at + 4);
    if (r_.failed()) return Fail("resource data entry truncated");
    size_t offset = 0;
    if (!RvaToOffset(rva, &offset) || !r_.Has(offset, size))
      return Fail("resource " + type.Describe() + "/" + name.Describe() + " outside the file");
    // Leaves sharing bytes could multiply the copies; a sound file holds each once.
    copiedBytes_ += size;
    if (copiedBytes_ > r_.size()) return Fail("resource tree holds more bytes than the file");
    Resource res;
    res.type = type;
    res.name = name;
    res.language = language.number;
    res.languageEntryOffset = uint32_t(entry);
    res.dataOffset = uint32_t(offset);
    res.bytes.assign(r_.data() + offset, r_.data() + offset + size);
    image_->resources.push_back(std::move(res));
    return true;
  }

  ByteReader r_;
  Image* image_;
  DataDirectory directories_[16];
  size_t resourceBase_ = 0;
  uint64_t copiedBytes_ = 0;
  std::string error_;
};

}  // namespace

std::string ResourceId::Describe() const {
  return isText ? "\"" + text + "\"" : std::to_string(number);
}

uint64_t Image::BytesOutsideResources() const {
  uint64_t total = headersSize;
  for (size_t i = 0; i < sections.size(); ++i)
    if (int(i) != resourceSection) total += sections[i].rawSize;
  return total;
}

const Section* Image::FindSection(const std::string& name) const {
  for (const Section& s : sections)
    if (s.name == name) return &s;
  return nullptr;
}

bool ReadImage(const std::vector<uint8_t>& file, Image* image, std::string* error) {
  *image = Image{};
  return Parser(file, image).Run(error);
}

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>* bytes) {
  bytes->clear();
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  uint8_t chunk[65536];
  size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0)
    bytes->insert(bytes->end(), chunk, chunk + got);
  const bool ok = !std::ferror(f);
  std::fclose(f);
  return ok;
}

}  // namespace pe
