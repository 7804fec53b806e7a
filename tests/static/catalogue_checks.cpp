#include "tests/static/catalogue_checks.h"

#include <algorithm>
#include <cctype>
#include <cinttypes>
#include <cstdio>
#include <iterator>

#include "tests/static/manifest_elements.h"
#include "tests/static/resource_formats.h"

namespace pe {

namespace {

constexpr uint16_t kLanguageEnglishUs = 1033;
constexpr uint16_t kTypePayloadX32 = 3000;
constexpr uint16_t kTypePayloadX64 = 3001;
const char kPayloadNameX32[] = "VORN__KESSA(X32).8BF";
const char kPayloadNameX64[] = "VORN__KESSA(X64).8BF";
const char kDialogName[] = "MAIN";
const char kIconGroupName[] = "MAINICON";
constexpr uint16_t kCursorGroupId = 120;
constexpr uint16_t kCursorImageId = 3;
constexpr uint16_t kManifestId = 1;

struct ExpectedBitmap {
  uint16_t id;
  int32_t width, height;
};
constexpr ExpectedBitmap kBitmaps[] = {
    {222, 600, 320},  // background
    {203, 58, 19},    // close button
    {219, 60, 19},    // install button
    {220, 60, 19},    // finish button
    {224, 20, 19},    // 32-bit badge
    {225, 20, 19},    // 64-bit badge
    {213, 600, 298},  // completion picture
    {128, 52, 13},    // selector frames
};

struct ExpectedControl {
  uint16_t id;
  uint16_t classAtom;
  uint32_t style;
  int16_t x, y, cx, cy;
};
constexpr ExpectedControl kControls[] = {
    {1033, 0x0085, 0x50010003, 35, 72, 204, 214},  // folder list: visible drop-down list
    {1034, 0x0080, 0x40000000, 0, 0, 6, 6},        // focus taker: child only, hidden, no tab stop
};

struct ExpectedIcon {
  uint16_t imageId;
  uint16_t size;
};
constexpr ExpectedIcon kIcons[] = {{1, 32}, {2, 16}};

const char* const kSystemDlls[] = {"kernel32.dll", "user32.dll",  "gdi32.dll",
                                   "advapi32.dll", "shell32.dll", "msvcrt.dll"};

const char* const kManifestPaths[] = {
    "assembly",
    "assembly/trustInfo",
    "assembly/trustInfo/security",
    "assembly/trustInfo/security/requestedPrivileges",
    "assembly/trustInfo/security/requestedPrivileges/requestedExecutionLevel",
};

std::string Hex(uint64_t v) {
  char buf[24];
  std::snprintf(buf, sizeof buf, "0x%" PRIX64, v);
  return buf;
}

void ExpectNumber(Findings& f, const std::string& what, int64_t actual, int64_t expected) {
  if (actual != expected)
    f.push_back(what + ": " + std::to_string(actual) + ", expected " + std::to_string(expected));
}

void ExpectHex(Findings& f, const std::string& what, uint64_t actual, uint64_t expected) {
  if (actual != expected) f.push_back(what + ": " + Hex(actual) + ", expected " + Hex(expected));
}

void ExpectText(Findings& f, const std::string& what, const std::string& actual,
                const std::string& expected) {
  if (actual != expected) f.push_back(what + ": \"" + actual + "\", expected \"" + expected + "\"");
}

void ExpectEmpty(Findings& f, const std::string& what, const TextOrNumber& field) {
  if (!field.IsEmpty()) f.push_back(what + ": " + field.Describe() + ", expected none");
}

std::string Lower(std::string s) {
  for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string TypeLabel(const ResourceId& type) {
  if (type.isText) return "type " + type.Describe();
  switch (type.number) {
    case kTypeCursor:
      return "cursor";
    case kTypeBitmap:
      return "bitmap";
    case kTypeIcon:
      return "icon";
    case kTypeMenu:
      return "menu";
    case kTypeDialog:
      return "dialog";
    case kTypeStringTable:
      return "string table";
    case kTypeAccelerators:
      return "accelerators";
    case kTypeGroupCursor:
      return "cursor group";
    case kTypeGroupIcon:
      return "icon group";
    case kTypeVersion:
      return "version";
    case kTypeManifest:
      return "manifest";
    default:
      return "type " + std::to_string(type.number);
  }
}

std::string Label(const ResourceId& type, const ResourceId& name) {
  return TypeLabel(type) + " " + name.Describe();
}

struct ExpectedResource {
  ResourceId type;
  ResourceId name;
};

std::vector<ExpectedResource> ExpectedResources() {
  std::vector<ExpectedResource> all;
  auto add = [&](uint16_t type, ResourceId name) {
    all.push_back({ResourceId::Number(type), name});
  };
  add(kTypeDialog, ResourceId::Text(kDialogName));
  for (const ExpectedBitmap& b : kBitmaps) add(kTypeBitmap, ResourceId::Number(b.id));
  add(kTypeGroupCursor, ResourceId::Number(kCursorGroupId));
  add(kTypeCursor, ResourceId::Number(kCursorImageId));
  add(kTypeGroupIcon, ResourceId::Text(kIconGroupName));
  for (const ExpectedIcon& i : kIcons) add(kTypeIcon, ResourceId::Number(i.imageId));
  add(kTypeManifest, ResourceId::Number(kManifestId));
  add(kTypePayloadX32, ResourceId::Text(kPayloadNameX32));
  add(kTypePayloadX64, ResourceId::Text(kPayloadNameX64));
  return all;
}

// The resource, or null with a finding saying it is missing.
const Resource* Require(Findings& f, const Image& image, uint16_t type, const ResourceId& name) {
  const Resource* res = FindResource(image, ResourceId::Number(type), name);
  if (!res) f.push_back(Label(ResourceId::Number(type), name) + ": missing");
  return res;
}

// A device-independent bitmap's header fields against the catalogue: uncompressed, one plane.
void ExpectDib(Findings& f, const std::string& what, const DibHeader& h, int32_t width,
               int32_t height, uint16_t bitCount) {
  ExpectNumber(f, what + " header size", h.headerSize, 40);
  ExpectNumber(f, what + " width", h.width, width);
  ExpectNumber(f, what + " height", h.height, height);
  ExpectNumber(f, what + " planes", h.planes, 1);
  ExpectNumber(f, what + " bit count", h.bitCount, bitCount);
  ExpectNumber(f, what + " compression", h.compression, kCompressionNone);
}

}  // namespace

const Resource* FindResource(const Image& image, const ResourceId& type, const ResourceId& name) {
  for (const Resource& res : image.resources)
    if (res.type == type && res.name == name) return &res;
  return nullptr;
}

Findings CheckProgramHeaders(const Image& image, uint16_t machine) {
  Findings f;
  ExpectHex(f, "machine", image.machine, machine);
  ExpectHex(f, "optional header magic", image.optionalMagic,
            machine == kMachineAmd64 ? kOptionalMagic64 : kOptionalMagic32);
  ExpectNumber(f, "subsystem", image.subsystem, kSubsystemGui);
  if (!(image.characteristics & kFileIsExecutable)) f.push_back("not marked executable");
  if (image.characteristics & kFileIsDll) f.push_back("marked as a DLL");
  return f;
}

Findings CheckImports(const Image& image) {
  Findings f;
  auto check = [&](const std::vector<std::string>& dlls, const char* how) {
    for (const std::string& dll : dlls) {
      bool system = false;
      for (const char* allowed : kSystemDlls) system = system || Lower(dll) == allowed;
      if (!system) f.push_back(std::string(how) + " " + dll + ": not one of the system DLLs");
    }
  };
  check(image.importedDlls, "imports");
  check(image.delayLoadedDlls, "delay-loads");
  if (image.importedDlls.empty()) f.push_back("imports nothing");
  return f;
}

Findings CheckResourceSet(const Image& image) {
  Findings f;
  const std::vector<ExpectedResource> expected = ExpectedResources();
  for (const Resource& res : image.resources) {
    const std::string label = Label(res.type, res.name);
    ExpectNumber(f, label + " language", res.language, kLanguageEnglishUs);
    bool known = false;
    for (const ExpectedResource& e : expected)
      known = known || (e.type == res.type && e.name == res.name);
    if (!known) f.push_back(label + ": not in the catalogue");
  }
  for (const ExpectedResource& e : expected) {
    int copies = 0;
    for (const Resource& res : image.resources) copies += res.type == e.type && res.name == e.name;
    if (copies != 1) ExpectNumber(f, Label(e.type, e.name) + " copies", copies, 1);
  }
  return f;
}

Findings CheckDialog(const Image& image) {
  Findings f;
  const Resource* res = Require(f, image, kTypeDialog, ResourceId::Text(kDialogName));
  if (!res) return f;
  DialogTemplate d;
  std::string error;
  if (!DecodeDialog(res->bytes, &d, &error)) return {std::string("dialog MAIN: ") + error};
  if (d.extended) return {"dialog MAIN: extended template, expected the classic one"};
  const std::string at = "dialog MAIN ";
  ExpectHex(f, at + "style", d.style, 0x80000840);
  ExpectHex(f, at + "extended style", d.exStyle, 0);
  ExpectNumber(f, at + "x", d.x, 0);
  ExpectNumber(f, at + "y", d.y, 0);
  ExpectNumber(f, at + "width", d.cx, 400);
  ExpectNumber(f, at + "height", d.cy, 300);
  ExpectEmpty(f, at + "menu", d.menu);
  ExpectEmpty(f, at + "class", d.windowClass);
  ExpectEmpty(f, at + "title", d.title);
  if (!d.hasFont) f.push_back(at + "has no font");
  ExpectNumber(f, at + "font point size", d.pointSize, 8);
  ExpectText(f, at + "font face", d.faceName, "MS Sans Serif");
  ExpectNumber(f, at + "control count", d.controlCount, 2);
  for (size_t i = 0; i < d.controls.size() && i < std::size(kControls); ++i) {
    const DialogControl& c = d.controls[i];
    const ExpectedControl& e = kControls[i];
    const std::string ctl = at + "control " + std::to_string(e.id) + " ";
    ExpectNumber(f, ctl + "id", c.id, e.id);
    if (!c.windowClass.isNumber)
      f.push_back(ctl + "class: " + c.windowClass.Describe() + ", expected atom " +
                  Hex(e.classAtom));
    else
      ExpectHex(f, ctl + "class atom", c.windowClass.number, e.classAtom);
    ExpectHex(f, ctl + "style", c.style, e.style);
    ExpectHex(f, ctl + "extended style", c.exStyle, 0);
    ExpectNumber(f, ctl + "x", c.x, e.x);
    ExpectNumber(f, ctl + "y", c.y, e.y);
    ExpectNumber(f, ctl + "width", c.cx, e.cx);
    ExpectNumber(f, ctl + "height", c.cy, e.cy);
    ExpectEmpty(f, ctl + "text", c.text);
    ExpectNumber(f, ctl + "creation data size", c.creationDataSize, 0);
  }
  return f;
}

Findings CheckBitmaps(const Image& image) {
  Findings f;
  for (const ExpectedBitmap& b : kBitmaps) {
    const Resource* res = Require(f, image, kTypeBitmap, ResourceId::Number(b.id));
    if (!res) continue;
    const std::string what = "bitmap " + std::to_string(b.id);
    DibHeader h;
    std::string error;
    if (!DecodeDibHeader(res->bytes, 0, &h, &error)) {
      f.push_back(what + ": " + error);
      continue;
    }
    // Rows bottom-up means a positive height; exactly the pixels follow, no colour table.
    ExpectDib(f, what, h, b.width, b.height, 24);
    ExpectNumber(f, what + " colours used", h.colorsUsed, 0);
    ExpectNumber(f, what + " bytes after the header", h.bytesAfterHeader,
                 DibRowsSize(b.width, b.height, 24));
  }
  return f;
}

Findings CheckCursor(const Image& image) {
  Findings f;
  const Resource* groupRes =
      Require(f, image, kTypeGroupCursor, ResourceId::Number(kCursorGroupId));
  std::string error;
  // The image the group names is the one the loader uses; it is checked whatever its id.
  uint16_t imageId = kCursorImageId;
  const Resource* imageRes = nullptr;
  if (groupRes) {
    GroupDirectory g;
    if (!DecodeGroupDirectory(groupRes->bytes, true, &g, &error)) return {"cursor group: " + error};
    ExpectNumber(f, "cursor group reserved", g.reserved, 0);
    ExpectNumber(f, "cursor group kind", g.kind, 2);
    ExpectNumber(f, "cursor group images", g.entries.size(), 1);
    if (!g.entries.empty()) {
      const GroupEntry& e = g.entries[0];
      imageId = e.imageId;
      ExpectNumber(f, "cursor group image id", e.imageId, kCursorImageId);
      ExpectNumber(f, "cursor group width", e.width, 32);
      ExpectNumber(f, "cursor group height (with the mask)", e.height, 64);
      ExpectNumber(f, "cursor group planes", e.planes, 1);
      ExpectNumber(f, "cursor group bit count", e.bitCount, 1);
      imageRes = Require(f, image, kTypeCursor, ResourceId::Number(imageId));
      if (imageRes)
        ExpectNumber(f, "cursor group image size", e.bytesInResource, imageRes->bytes.size());
    }
  }
  if (imageRes) {
    const std::string what = "cursor " + std::to_string(imageId);
    CursorImage c;
    if (!DecodeCursorImage(imageRes->bytes, &c, &error)) {
      f.push_back(what + ": " + error);
      return f;
    }
    ExpectNumber(f, what + " hot spot x", c.hotspotX, 13);
    ExpectNumber(f, what + " hot spot y", c.hotspotY, 10);
    // Height 64: the 32 rows of the image and the 32 rows of its mask.
    ExpectDib(f, what, c.image, 32, 64, 1);
    const size_t palette = (c.image.colorsUsed ? c.image.colorsUsed : 2) * 4;
    ExpectNumber(f, what + " bytes after the header (two colours, image, mask)",
                 c.image.bytesAfterHeader, palette + 2 * DibRowsSize(32, 32, 1));
  }
  return f;
}

Findings CheckIcons(const Image& image) {
  Findings f;
  std::string error;
  const Resource* groupRes = Require(f, image, kTypeGroupIcon, ResourceId::Text(kIconGroupName));
  if (groupRes) {
    GroupDirectory g;
    if (!DecodeGroupDirectory(groupRes->bytes, false, &g, &error)) return {"icon group: " + error};
    ExpectNumber(f, "icon group reserved", g.reserved, 0);
    ExpectNumber(f, "icon group kind", g.kind, 1);
    ExpectNumber(f, "icon group images", g.entries.size(), std::size(kIcons));
    for (size_t i = 0; i < g.entries.size() && i < std::size(kIcons); ++i) {
      const GroupEntry& e = g.entries[i];
      const std::string what = "icon group entry " + std::to_string(i) + " ";
      ExpectNumber(f, what + "image id", e.imageId, kIcons[i].imageId);
      ExpectNumber(f, what + "width", e.width, kIcons[i].size);
      ExpectNumber(f, what + "height", e.height, kIcons[i].size);
      ExpectNumber(f, what + "planes", e.planes, 1);
      ExpectNumber(f, what + "bit count", e.bitCount, 32);
      const Resource* img =
          FindResource(image, ResourceId::Number(kTypeIcon), ResourceId::Number(e.imageId));
      if (img) ExpectNumber(f, what + "image size", e.bytesInResource, img->bytes.size());
    }
  }
  for (const ExpectedIcon& icon : kIcons) {
    const Resource* res = Require(f, image, kTypeIcon, ResourceId::Number(icon.imageId));
    if (!res) continue;
    const std::string what = "icon " + std::to_string(icon.imageId);
    DibHeader h;
    if (!DecodeDibHeader(res->bytes, 0, &h, &error)) {
      f.push_back(what + ": " + error);
      continue;
    }
    ExpectDib(f, what, h, icon.size, icon.size * 2, 32);
    const size_t pixels = DibRowsSize(icon.size, icon.size, 32);
    ExpectNumber(f, what + " bytes after the header (image, mask)", h.bytesAfterHeader,
                 pixels + DibRowsSize(icon.size, icon.size, 1));
    // An alpha channel of zeros makes the shell fall back to the mask: no alpha in effect.
    bool anyAlpha = false;
    for (size_t p = 3; p < pixels && h.headerSize + p < res->bytes.size(); p += 4)
      anyAlpha = anyAlpha || res->bytes[h.headerSize + p] != 0;
    if (h.bitCount == 32 && !anyAlpha) f.push_back(what + ": alpha channel all zero");
  }
  return f;
}

Findings CheckManifest(const Image& image) {
  Findings f;
  int manifests = 0;
  for (const Resource& res : image.resources)
    manifests += res.type == ResourceId::Number(kTypeManifest);
  ExpectNumber(f, "manifest resources", manifests, 1);
  const Resource* res = Require(f, image, kTypeManifest, ResourceId::Number(kManifestId));
  if (!res) return f;
  std::vector<ManifestElement> elements;
  std::string error;
  const std::string text(res->bytes.begin(), res->bytes.end());
  if (!ReadManifestElements(text, &elements, &error)) {
    f.push_back("manifest: " + error);
    return f;
  }
  // Only the trust information: no dependent assembly, no compatibility or settings block.
  for (const ManifestElement& e : elements) {
    if (std::find(std::begin(kManifestPaths), std::end(kManifestPaths), e.path) ==
        std::end(kManifestPaths))
      f.push_back("manifest element " + e.path + ": unexpected");
  }
  for (const char* path : kManifestPaths) {
    const auto copies = std::count_if(elements.begin(), elements.end(),
                                      [&](const ManifestElement& e) { return e.path == path; });
    ExpectNumber(f, std::string("manifest element ") + path + " copies", copies, 1);
  }
  for (const ManifestElement& e : elements) {
    if (e.path != kManifestPaths[std::size(kManifestPaths) - 1]) continue;
    const std::string* level = e.Attribute("level");
    const std::string* uiAccess = e.Attribute("uiAccess");
    ExpectText(f, "manifest execution level", level ? *level : "(none)", "requireAdministrator");
    ExpectText(f, "manifest uiAccess", uiAccess ? *uiAccess : "(none)", "false");
    ExpectNumber(f, "manifest execution level attributes", e.attributes.size(), 2);
  }
  return f;
}

Findings CheckPayloads(const Image& image, const std::vector<uint8_t>& x32File,
                       const std::vector<uint8_t>& x64File) {
  Findings f;
  struct Payload {
    uint16_t type;
    const char* name;
    const std::vector<uint8_t>* file;
    uint16_t machine;
  };
  const Payload payloads[] = {{kTypePayloadX32, kPayloadNameX32, &x32File, kMachineI386},
                              {kTypePayloadX64, kPayloadNameX64, &x64File, kMachineAmd64}};
  for (const Payload& p : payloads) {
    const Resource* res = Require(f, image, p.type, ResourceId::Text(p.name));
    if (!res) continue;
    const std::string what = Label(res->type, res->name);
    if (res->bytes != *p.file) {
      size_t first = 0;
      while (first < res->bytes.size() && first < p.file->size() &&
             res->bytes[first] == (*p.file)[first])
        ++first;
      f.push_back(what + ": " + std::to_string(res->bytes.size()) + " bytes differ from the " +
                  std::to_string(p.file->size()) + "-byte payload file from offset " +
                  std::to_string(first));
    }
    Image dll;
    std::string error;
    if (!ReadImage(res->bytes, &dll, &error)) {
      f.push_back(what + ": not a PE file (" + error + ")");
      continue;
    }
    ExpectHex(f, what + " machine", dll.machine, p.machine);
    if (!(dll.characteristics & kFileIsDll)) f.push_back(what + ": not a DLL");
  }
  return f;
}

}  // namespace pe
