// Discovery over a large vendor tree in the real registry (the 64-bit build, run under Wine),
// beside the floor: a plain walk of the same tree holding one open handle per key. The tree is
// written once into the 32-bit view of the prefix's registry and kept there.
//
// Usage: wine_discovery_bench [turns] [--reopening]  (--reopening also times discovery with
// every key reopened around each call, which takes about ten times as long)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/floor_walk.h"
#include "bench/vendor_tree.h"
#include "discovery/discovery_sequence.h"
#include "discovery/plugin_folder_list.h"
#include "discovery/registry_access.h"

namespace {

double Seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

template <typename Run>
double Time(Run run) {
  auto start = std::chrono::steady_clock::now();
  run();
  return Seconds(std::chrono::steady_clock::now() - start);
}

}  // namespace

int main(int argc, char** argv) {
  int runs = argc > 1 ? std::atoi(argv[1]) : 3;
  if (runs < 1) runs = 1;
  bool reopening = argc > 2 && std::strcmp(argv[2], "--reopening") == 0;

  auto start = std::chrono::steady_clock::now();
  TreeCounts tree = WriteVendorTree(os::kKeyWow64_32);
  std::printf("tree: %ld keys, %ld values (ready in %.2f s)\n", tree.keys, tree.values,
              Seconds(std::chrono::steady_clock::now() - start));

  // The floor and discovery take turns, and the best of each counts: the speed of the machine
  // drifts over a run, the turns keep both sides under the same drift.
  TreeCounts seen{0, 0};
  double floor = 1e30, kept = 1e30;
  SetRegistryCaching(1);
  for (int i = 0; i < runs; ++i) {
    double f =
        Time([&] { seen = FloorWalk(os::HiveLocalMachine(), "SOFTWARE\\adobe", os::kKeyRead); });
    double d = Time([] { DiscoverPluginFolders(); });
    std::printf("  turn %d: floor %.3f s, discovery %.3f s\n", i + 1, f, d);
    if (f < floor) floor = f;
    if (d < kept) kept = d;
  }
  std::printf("floor walk (one handle per key): %.3f s, %ld keys, %ld values\n", floor, seen.keys,
              seen.values);
  std::printf("discovery (keys kept open):       %.3f s = %.2f x floor, %.1f us per value\n", kept,
              kept / floor, kept * 1e6 / tree.values);
  if (reopening) {
    SetRegistryCaching(0);
    double fresh = Time([] { DiscoverPluginFolders(); });
    std::printf("discovery (reopening every call): %.3f s = %.2f x floor\n", fresh, fresh / floor);
    SetRegistryCaching(1);
  }
  int found = 0;
  while (found < kPluginFolderCount && PluginFolderList[found].path[0] != '\0') ++found;
  std::printf("folders found: %d (none expected)\n", found);
  return seen.values == tree.values ? 0 : 1;
}
