// Fuzz target: the folder path helpers and the folder list's normalisation on arbitrary texts.
// Each helper runs on a buffer exactly as large as its contract needs, so that ASan sees any
// byte written or read past it; the properties each helper promises are checked as it runs.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "discovery/path_helpers.h"
#include "discovery/plugin_folder_list.h"
#include "discovery/registry_access.h"
#include "platform/sim/sim.h"
#include "platform/sim/sim_files.h"
#include "platform/text.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

// A heap buffer holding text and its terminator, plus room bytes.
std::vector<char> Buffer(const std::string& text, size_t room = 0) {
  std::vector<char> b(text.begin(), text.end());
  b.resize(text.size() + 1 + room, '\0');
  return b;
}

// Texts without terminators inside, at most 399 characters (the discovery buffers' limit).
std::string Text(FuzzedDataProvider& in) {
  std::string t = in.ConsumeRandomLengthString(399);
  return t.substr(0, std::strlen(t.c_str()));
}

// A folder name the sim's file system accepts.
std::string FolderName(FuzzedDataProvider& in) {
  static const char kChars[] = "abcPLUGinsBren -_.()0189\xE9\xC9";
  std::string name;
  const size_t length = in.ConsumeIntegralInRange<size_t>(1, 12);
  for (size_t i = 0; i < length; ++i) name += kChars[in.ConsumeIntegralInRange<size_t>(0, 26)];
  if (name.find_first_not_of(". ") == std::string::npos) name = "x";
  return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string text = Text(in);
  const size_t length = text.size();

  std::vector<char> b = Buffer(text);
  TitleCasePath(b.data());
  Check(std::strlen(b.data()) == length);

  b = Buffer(text);
  StripLeadingNonLetters(b.data());
  Check(b[0] == '\0' || os::IsLetter(b[0]));
  Check(text.find(b.data()) != std::string::npos);

  b = Buffer(text);
  CutAfterLast(b.data(),
               in.ConsumeBool() ? '\\' : static_cast<char>(in.ConsumeIntegral<uint8_t>()));
  Check(text.compare(0, std::strlen(b.data()), b.data()) == 0);

  for (size_t room : {0, 1}) {
    b = Buffer(text, room);
    EnsureTrailingBackslash(b.data(), b.size());
    const size_t n = std::strlen(b.data());
    Check(n == length || (n == length + 1 && b[n - 1] == '\\'));
  }

  const std::string name = Text(in);
  b = Buffer(text, in.ConsumeIntegralInRange<size_t>(0, 8));
  JoinPath(b.data(), b.size(), name.c_str());
  Check(std::strlen(b.data()) < b.size());

  // Settling and storing against a small folder tree.
  sim::Reset();
  for (auto& entry : PluginFolderList) entry = PluginFolder{};
  std::string folder = "C:";
  const int folders = in.ConsumeIntegralInRange(0, 6);
  for (int i = 0; i < folders; ++i) {
    folder += "\\" + FolderName(in);
    sim::AddFolder(folder);
    if (in.ConsumeBool()) folder = "C:";
  }
  if (in.ConsumeBool()) sim::PutFile("c:\\inst581.txt", "");
  Use64BitView = in.ConsumeBool();
  for (int round = 0; round < 3; ++round) {
    const std::string candidate = in.ConsumeBool() ? folder + Text(in) : Text(in);
    char path[400];
    std::memcpy(path, candidate.c_str(), std::min<size_t>(candidate.size() + 1, sizeof path));
    path[sizeof path - 1] = '\0';
    AddPluginFolder(path, "fuzz");
    Check(std::strlen(path) < sizeof path);
  }
  bool free = false;
  for (const PluginFolder& entry : PluginFolderList) {
    const size_t n = std::strlen(entry.path);
    if (n == 0) {
      free = true;
      continue;
    }
    Check(!free && entry.path[n - 1] == '\\' && entry.is64View == Use64BitView);
  }
  Use64BitView = 0;
  return 0;
}
