// The checks can fail: a copy of the built 64-bit program with one field changed must show the
// specific mismatch, and a damaged file must be refused or checked without overrunning it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <stdexcept>

#include "tests/static/catalogue_checks.h"
#include "tests/static/pe_image.h"
#include "tests/static/resource_formats.h"

namespace pe {
namespace {

using ::testing::Contains;
using ::testing::Not;

void Put16(std::vector<uint8_t>& b, size_t at, uint16_t v) {
  b.at(at) = uint8_t(v);
  b.at(at + 1) = uint8_t(v >> 8);
}

// File offset of the first occurrence of `needle`.
size_t OffsetOf(const std::vector<uint8_t>& hay, const std::vector<uint8_t>& needle) {
  auto it = std::search(hay.begin(), hay.end(), needle.begin(), needle.end());
  return it == hay.end() ? std::string::npos : size_t(it - hay.begin());
}

std::vector<uint8_t> Ascii(const char* s) { return std::vector<uint8_t>(s, s + std::strlen(s)); }

const Resource& Res(const Image& image, uint16_t type, const ResourceId& name) {
  const Resource* res = FindResource(image, ResourceId::Number(type), name);
  if (!res) throw std::runtime_error("resource missing from the built program");
  return *res;
}

// The image the link cursor's group names.
ResourceId LinkCursorImage(const Image& image) {
  GroupDirectory g;
  std::string error;
  if (!DecodeGroupDirectory(Res(image, kTypeGroupCursor, ResourceId::Number(120)).bytes, true, &g,
                            &error) ||
      g.entries.empty())
    throw std::runtime_error("cursor group unreadable");
  return ResourceId::Number(g.entries[0].imageId);
}

struct FaultCase {
  const char* what;
  // Changes the file, given its image as read before the change.
  std::function<void(const Image&, std::vector<uint8_t>&)> change;
  std::function<Findings(const Image&)> check;
  const char* expected;
};

Findings Payloads(const Image& image, const Image& original) {
  return CheckPayloads(image, Res(original, 3000, ResourceId::Text("VORN__KESSA(X32).8BF")).bytes,
                       Res(original, 3001, ResourceId::Text("VORN__KESSA(X64).8BF")).bytes);
}

class CheckerFaultTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ok_ = ReadFileBytes(VK_STATIC_EXE_X64, &file_) && ReadImage(file_, &image_, &error_);
  }
  void SetUp() override {
    ASSERT_TRUE(ok_) << "cannot read the built program " << VK_STATIC_EXE_X64 << " " << error_
                     << ": build it first (tools/build.sh) or set VK_STATIC_EXE_X64";
  }
  static std::vector<uint8_t> file_;
  static Image image_;
  static std::string error_;
  static bool ok_;
};
std::vector<uint8_t> CheckerFaultTest::file_;
Image CheckerFaultTest::image_;
std::string CheckerFaultTest::error_;
bool CheckerFaultTest::ok_ = false;

TEST_F(CheckerFaultTest, OneChangedFieldShowsItsMismatch) {
  auto dialogControl = [](const Image& image, size_t index) {
    const Resource& res = Res(image, kTypeDialog, ResourceId::Text("MAIN"));
    DialogTemplate d;
    std::string error;
    if (!DecodeDialog(res.bytes, &d, &error) || d.controls.size() <= index)
      throw std::runtime_error("dialog unreadable");
    return res.dataOffset + d.controls[index].offset;
  };
  const Image& original = image_;
  const std::string cursorHotspotFinding =
      "cursor " + LinkCursorImage(image_).Describe() + " hot spot x: 14, expected 13";
  const FaultCase cases[] = {
      {"the focus button made visible",
       [&](const Image& im, std::vector<uint8_t>& b) { b.at(dialogControl(im, 1) + 3) |= 0x10; },
       CheckDialog, "dialog MAIN control 1034 style: 0x50000000, expected 0x40000000"},
      {"the folder list's class atom",
       [&](const Image& im, std::vector<uint8_t>& b) {
         Put16(b, dialogControl(im, 0) + 20, 0x0081);  // past 0xFFFF at offset 18
       },
       CheckDialog, "dialog MAIN control 1033 class atom: 0x81, expected 0x85"},
      {"the background's bit count",
       [](const Image& im, std::vector<uint8_t>& b) {
         Put16(b, Res(im, kTypeBitmap, ResourceId::Number(222)).dataOffset + 14, 32);
       },
       CheckBitmaps, "bitmap 222 bit count: 32, expected 24"},
      {"the selector strip stored top-down",
       [](const Image& im, std::vector<uint8_t>& b) {
         const size_t at = Res(im, kTypeBitmap, ResourceId::Number(128)).dataOffset + 8;
         Put16(b, at, uint16_t(-13));
         Put16(b, at + 2, 0xFFFF);
       },
       CheckBitmaps, "bitmap 128 height: -13, expected 13"},
      {"a bitmap's language",
       [](const Image& im, std::vector<uint8_t>& b) {
         Put16(b, Res(im, kTypeBitmap, ResourceId::Number(203)).languageEntryOffset, 1031);
       },
       CheckResourceSet, "bitmap 203 language: 1031, expected 1033"},
      {"the dialog renamed",
       [](const Image&, std::vector<uint8_t>& b) {
         // The directory's counted UTF-16 name: 4, "MAIN".
         const size_t at = OffsetOf(b, {4, 0, 'M', 0, 'A', 0, 'I', 0, 'N', 0});
         b.at(at + 8) = 'X';
       },
       CheckResourceSet, "dialog \"MAIX\": not in the catalogue"},
      {"the cursor's hot spot",
       [](const Image& im, std::vector<uint8_t>& b) {
         Put16(b, Res(im, kTypeCursor, LinkCursorImage(im)).dataOffset, 14);
       },
       CheckCursor, cursorHotspotFinding.c_str()},
      {"the small icon's bit count",
       [](const Image& im, std::vector<uint8_t>& b) {
         Put16(b, Res(im, kTypeIcon, ResourceId::Number(2)).dataOffset + 14, 24);
       },
       CheckIcons, "icon 2 bit count: 24, expected 32"},
      {"the manifest's execution level",
       [](const Image&, std::vector<uint8_t>& b) {
         b.at(OffsetOf(b, Ascii("\"requireAdministrator\"")) + 1) = 'R';
       },
       CheckManifest,
       "manifest execution level: \"RequireAdministrator\", expected \"requireAdministrator\""},
      {"a dependency in the manifest",
       [](const Image&, std::vector<uint8_t>& b) {
         // Same length, so the rest of the file stays where it was.
         const std::vector<uint8_t> from = Ascii("<security>"), to = Ascii("<depend  >");
         const std::vector<uint8_t> endFrom = Ascii("</security>"), endTo = Ascii("</depend  >");
         std::copy(to.begin(), to.end(), b.begin() + OffsetOf(b, from));
         std::copy(endTo.begin(), endTo.end(), b.begin() + OffsetOf(b, endFrom));
       },
       CheckManifest, "manifest element assembly/trustInfo/depend: unexpected"},
      {"the 32-bit payload's machine",
       [](const Image& im, std::vector<uint8_t>& b) {
         const Resource& res = Res(im, 3000, ResourceId::Text("VORN__KESSA(X32).8BF"));
         const size_t peHeader = res.bytes.at(0x3C) | (res.bytes.at(0x3D) << 8);
         Put16(b, res.dataOffset + peHeader + 4, kMachineAmd64);
       },
       [&](const Image& im) { return Payloads(im, original); },
       "type 3000 \"VORN__KESSA(X32).8BF\" machine: 0x8664, expected 0x14C"},
      {"the program's subsystem",
       [](const Image&, std::vector<uint8_t>& b) {
         const size_t peHeader = b.at(0x3C) | (b.at(0x3D) << 8);
         Put16(b, peHeader + 24 + 68, kSubsystemConsole);
       },
       [](const Image& im) { return CheckProgramHeaders(im, kMachineAmd64); },
       "subsystem: 3, expected 2"},
      {"an imported DLL",
       [](const Image&, std::vector<uint8_t>& b) {
         b.at(OffsetOf(b, Ascii("msvcrt.dll")) + 5) = 'x';
       },
       CheckImports, "imports msvcrx.dll: not one of the system DLLs"},
  };
  for (const FaultCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<uint8_t> changed = file_;
    c.change(image_, changed);
    ASSERT_NE(changed, file_);
    Image image;
    std::string error;
    ASSERT_TRUE(ReadImage(changed, &image, &error)) << error;
    EXPECT_THAT(c.check(image_), Not(Contains(std::string(c.expected))));
    EXPECT_THAT(c.check(image), Contains(std::string(c.expected)));
  }
}

TEST_F(CheckerFaultTest, ChangedPayloadNamesTheFirstDifferingByte) {
  std::vector<uint8_t> changed = file_;
  const Resource& res = Res(image_, 3001, ResourceId::Text("VORN__KESSA(X64).8BF"));
  changed.at(res.dataOffset + 1000) ^= 0x5A;
  Image image;
  std::string error;
  ASSERT_TRUE(ReadImage(changed, &image, &error)) << error;
  const std::string size = std::to_string(res.bytes.size());
  EXPECT_THAT(Payloads(image, image_),
              Contains("type 3001 \"VORN__KESSA(X64).8BF\": " + size + " bytes differ from the " +
                       size + "-byte payload file from offset 1000"));
}

// Truncated or damaged copies: the reader refuses them or reads them within bounds, and every
// check runs on whatever it read (the sanitizers catch an overrun).
TEST_F(CheckerFaultTest, DamagedFilesAreReadWithinBounds) {
  const std::vector<uint8_t> none;
  auto readAndCheck = [&](const std::vector<uint8_t>& bytes) {
    Image image;
    std::string error;
    if (!ReadImage(bytes, &image, &error)) {
      EXPECT_FALSE(error.empty());
      return false;
    }
    for (const Findings& f :
         {CheckProgramHeaders(image, kMachineAmd64), CheckImports(image), CheckResourceSet(image),
          CheckDialog(image), CheckBitmaps(image), CheckCursor(image), CheckIcons(image),
          CheckManifest(image), CheckPayloads(image, none, none)})
      (void)f;
    return true;
  };
  int refused = 0;
  for (size_t size = 0; size < file_.size(); size += size < 4096 ? 61 : 40961) {
    refused += !readAndCheck(std::vector<uint8_t>(file_.begin(), file_.begin() + size));
  }
  EXPECT_GT(refused, 0);

  // Each 32-bit word of the headers and of the start of the resource tree set to extremes, one
  // at a time.
  ASSERT_GE(image_.resourceSection, 0);
  const size_t tree = image_.sections[image_.resourceSection].rawOffset;
  const size_t peHeader = file_[0x3C] | (file_[0x3D] << 8);
  const size_t tableEnd = peHeader + 24 + (file_[peHeader + 20] | (file_[peHeader + 21] << 8)) +
                          image_.sections.size() * 40;
  std::vector<size_t> offsets;
  for (size_t at = 0; at < tableEnd; at += 4) offsets.push_back(at);
  for (size_t at = tree; at < tree + 512; at += 4) offsets.push_back(at);
  std::vector<uint8_t> damaged = file_;
  refused = 0;
  for (size_t at : offsets) {
    for (uint32_t value : {0xFFFFFFFFu, 0x80000010u}) {
      std::memcpy(&damaged[at], &value, 4);
      refused += !readAndCheck(damaged);
    }
    std::memcpy(&damaged[at], &file_[at], 4);
  }
  EXPECT_GT(refused, 0);  // a wild pointer to the headers or a directory at least
}

}  // namespace
}  // namespace pe
