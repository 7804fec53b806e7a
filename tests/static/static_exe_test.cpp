// Static checks of the two built installer programs: headers, imports and the whole resource
// catalogue read back from the files themselves, and the payloads against the plug-in files the
// build embedded.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/static/catalogue_checks.h"
#include "tests/static/findings_assertion.h"
#include "tests/static/pe_image.h"

namespace pe {
namespace {

struct BuiltProgram {
  const char* label;
  const char* exePath;
  const char* payloadList;  // the build's list of embedded plug-in files: x32, then x64
  uint16_t machine;
};

const BuiltProgram kPrograms[] = {
    {"Setup32", VK_STATIC_EXE_X32, VK_STATIC_PAYLOAD_LIST_X32, kMachineI386},
    {"Setup64", VK_STATIC_EXE_X64, VK_STATIC_PAYLOAD_LIST_X64, kMachineAmd64},
};

void PrintTo(const BuiltProgram& p, std::ostream* os) { *os << p.exePath; }

class BuiltProgramTest : public ::testing::TestWithParam<BuiltProgram> {
 protected:
  void SetUp() override {
    const BuiltProgram& p = GetParam();
    std::vector<uint8_t> file;
    // A program that is not there fails the check: the static checks never pass by skipping.
    ASSERT_TRUE(ReadFileBytes(p.exePath, &file))
        << "cannot read " << p.exePath << ": build both installer programs first "
        << "(tools/build.sh), or set VK_STATIC_EXE_X32 / VK_STATIC_EXE_X64";
    std::string error;
    ASSERT_TRUE(ReadImage(file, &image_, &error)) << p.exePath << ": " << error;
  }
  Image image_;
};

TEST_P(BuiltProgramTest, IsAGuiProgramForItsMachine) {
  EXPECT_TRUE(NoFindings(CheckProgramHeaders(image_, GetParam().machine)));
}

TEST_P(BuiltProgramTest, ImportsOnlySystemDlls) { EXPECT_TRUE(NoFindings(CheckImports(image_))); }

TEST_P(BuiltProgramTest, CarriesExactlyTheCatalogueInEnglishUs) {
  EXPECT_TRUE(NoFindings(CheckResourceSet(image_)));
}

TEST_P(BuiltProgramTest, MainDialogTemplate) { EXPECT_TRUE(NoFindings(CheckDialog(image_))); }

TEST_P(BuiltProgramTest, BitmapsAre24BitBottomUpWithoutColourTable) {
  EXPECT_TRUE(NoFindings(CheckBitmaps(image_)));
}

TEST_P(BuiltProgramTest, LinkCursorIsMonochromeWithItsHotSpot) {
  EXPECT_TRUE(NoFindings(CheckCursor(image_)));
}

TEST_P(BuiltProgramTest, ProgramIconIs32BitWithAlpha) {
  EXPECT_TRUE(NoFindings(CheckIcons(image_)));
}

TEST_P(BuiltProgramTest, ManifestOnlyAsksForAdministratorRights) {
  EXPECT_TRUE(NoFindings(CheckManifest(image_)));
}

TEST_P(BuiltProgramTest, PayloadsAreTheEmbeddedPluginFiles) {
  std::ifstream list(GetParam().payloadList);
  ASSERT_TRUE(list) << "cannot read " << GetParam().payloadList
                    << ": the build of this program writes it; or set VK_STATIC_PAYLOAD_LIST_*";
  std::string paths[2];
  std::vector<uint8_t> files[2];
  for (int i = 0; i < 2; ++i) {
    ASSERT_TRUE(std::getline(list, paths[i]) && !paths[i].empty())
        << GetParam().payloadList << ": line " << i + 1 << " missing";
    ASSERT_TRUE(ReadFileBytes(paths[i], &files[i])) << "cannot read payload " << paths[i];
  }
  EXPECT_TRUE(NoFindings(CheckPayloads(image_, files[0], files[1])))
      << "payload files: " << paths[0] << ", " << paths[1];
}

INSTANTIATE_TEST_SUITE_P(Installer, BuiltProgramTest, ::testing::ValuesIn(kPrograms),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace pe
