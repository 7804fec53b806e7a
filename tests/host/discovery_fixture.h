// Common ground of the discovery tests: a fresh sim (64-bit Windows, no keys, no files), an
// empty folder list and the registry switches at their start values.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "discovery/plugin_folder_list.h"
#include "discovery/registry_access.h"
#include "platform/sim/sim.h"
#include "platform/sim/sim_files.h"
#include "platform/sim/sim_registry.h"

// The program fills the list once per run and never empties it; each test starts a new "run".
inline void EmptyPluginFolderList() {
  for (PluginFolder& entry : PluginFolderList) entry = PluginFolder{};
}

class DiscoveryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim::Reset();
    EmptyPluginFolderList();
    Use64BitView = 0;
    ValueCursor = 0;
  }
  void TearDown() override { Use64BitView = 0; }

  // The stored paths, index 0 up to the first free entry.
  static std::vector<std::string> Stored() {
    std::vector<std::string> paths;
    for (const PluginFolder& entry : PluginFolderList) {
      if (entry.path[0] == '\0') break;
      paths.emplace_back(entry.path);
    }
    return paths;
  }

  // Turns on the diagnostic log, as someone investigating an installation does.
  static void CreateLog(const std::string& bytes = "") { sim::PutFile("c:\\inst581.txt", bytes); }
  static std::string Log() { return sim::FileBytes("c:\\inst581.txt"); }
};
