// Fuzz target: the vendor key walker and the whole discovery sequence over registry trees built
// from the input: deep chains, names of up to 300 characters, values of every type and size,
// drive paths that exist or not. The walk must stay inside its buffers (ASan) and end (the
// fuzzer's time-out), and leave the list and the registry switches in order.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "discovery/discovery_sequence.h"
#include "discovery/key_walker.h"
#include "discovery/plugin_folder_list.h"
#include "discovery/registry_access.h"
#include "platform/sim/sim.h"
#include "platform/sim/sim_files.h"
#include "platform/sim/sim_registry.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

const char* const kVendors[] = {"Brenmoor", "Adobe", "Corel", "Jasc", "Xara"};
const char* const kWords[] = {"plugins", "Photoshop", "Paint Shop", "XaraX", "directory2", "x"};

// A key name: never empty and without a backslash; often a word the walker looks for, sometimes
// as long as the registry allows or longer.
std::string KeyName(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0:
      return kWords[in.ConsumeIntegralInRange<size_t>(0, 5)];
    case 1:
      return std::string(in.ConsumeIntegralInRange<size_t>(250, 300),
                         static_cast<char>(in.ConsumeIntegralInRange('a', 'z')));
    default: {
      std::string name = in.ConsumeRandomLengthString(40);
      for (char& c : name) {
        if (c == '\\' || c == '\0') c = '_';
      }
      return name.empty() ? "k" : name;
    }
  }
}

// A value's data: usually a drive path (whose folder may be created), else raw bytes.
std::vector<uint8_t> ValueData(FuzzedDataProvider& in) {
  std::string text;
  if (in.ConsumeBool()) {
    text = (in.ConsumeBool() ? "\"C:\\F\\" : "C:\\F\\") +
           std::to_string(in.ConsumeIntegral<uint8_t>());
    if (in.ConsumeBool()) sim::AddFolder(text.substr(text[0] == '"' ? 1 : 0));
    if (in.ConsumeBool()) text += "\\Brenmoor\\sub";
  } else {
    text = in.ConsumeRandomLengthString(300);
  }
  std::vector<uint8_t> bytes(text.begin(), text.end());
  if (in.ConsumeBool()) bytes.push_back(0);
  return bytes;
}

void BuildTree(FuzzedDataProvider& in) {
  static const uint32_t kTypes[] = {os::kRegSz, os::kRegSz, os::kRegExpandSz, os::kRegBinary,
                                    os::kRegDword};
  int operations = 0;
  while (in.remaining_bytes() > 0 && ++operations < 400) {
    const os::RegKey hive = in.ConsumeBool() ? os::HiveCurrentUser() : os::HiveLocalMachine();
    const sim::View view = in.ConsumeBool() ? sim::View::k32 : sim::View::k64;
    std::string path = std::string("Software\\") + kVendors[in.ConsumeIntegralInRange(0, 4)];
    const int depth = in.ConsumeIntegralInRange(0, 30);
    for (int level = 0; level < depth; ++level) path += "\\" + KeyName(in);
    const int values = in.ConsumeIntegralInRange(0, 3);
    if (values == 0) sim::PutKey(hive, view, path);
    for (int v = 0; v < values; ++v) {
      std::string name;
      switch (in.ConsumeIntegralInRange(0, 2)) {
        case 0:
          name = kWords[in.ConsumeIntegralInRange<size_t>(0, 5)];
          break;
        case 1:  // long enough to crowd the label's buffer
          name = "plugin" + std::string(in.ConsumeIntegralInRange<size_t>(90, 260), 'n');
          break;
        default:
          name = in.ConsumeRandomLengthString(300);
      }
      name = name.substr(0, std::strlen(name.c_str()));
      const uint32_t type = kTypes[in.ConsumeIntegralInRange<size_t>(0, 4)];
      std::vector<uint8_t> bytes = ValueData(in);
      sim::PutValue(hive, view, path, name, type, bytes);
    }
  }
}

void CheckAfterDiscovery() {
  bool free = false;
  for (const PluginFolder& entry : PluginFolderList) {
    const size_t n = std::strlen(entry.path);
    if (n == 0) {
      free = true;
      continue;
    }
    Check(!free && entry.path[n - 1] == '\\' && entry.addVendorFolder == 1);
  }
  Check(ValueCursor == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  sim::Reset();
  for (auto& entry : PluginFolderList) entry = PluginFolder{};
  Use64BitView = 0;
  ValueCursor = 0;
  sim::SetWindows(in.ConsumeBool() ? sim::Windows::k64Bit : sim::Windows::k32Bit);
  const bool log = in.ConsumeBool();
  const bool wholeSequence = in.ConsumeBool();
  sim::AddFolder("C:\\F");
  if (log) sim::PutFile("c:\\inst581.txt", "");
  BuildTree(in);

  if (wholeSequence) {
    DiscoverPluginFolders();
    Check(Use64BitView == 0 && sim::OpenRegistryHandles() == 0);
  } else {
    WalkVendorKey("software", "brenmoor", "");
    CloseRegistryCache();
  }
  CheckAfterDiscovery();
  return 0;
}
