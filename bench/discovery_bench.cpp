// Discovery over a large vendor tree in the in-memory registry, beside the floor: a plain walk
// of the same tree holding one open handle per key. Reported per run: registry calls in all
// and per value examined, and opens per key.
#include <benchmark/benchmark.h>

#include "bench/floor_walk.h"
#include "bench/vendor_tree.h"
#include "discovery/discovery_sequence.h"
#include "discovery/registry_access.h"
#include "platform/sim/sim.h"
#include "platform/sim/sim_registry.h"

namespace {

long AllCalls(const sim::RegistryCalls& c) {
  return c.open + c.query + c.enumValue + c.enumKey + c.close + c.create + c.set;
}

void SetUpTree() {
  static bool done = false;
  if (done) return;
  sim::Reset();
  WriteVendorTree(os::kKeyWow64_32);
  done = true;
}

void Report(benchmark::State& state, const sim::RegistryCalls& calls) {
  TreeCounts tree = VendorTreeSize();
  double runs = static_cast<double>(state.iterations());
  state.counters["calls"] = AllCalls(calls) / runs;
  state.counters["calls_per_value"] = AllCalls(calls) / runs / tree.values;
  state.counters["opens_per_key"] = calls.open / runs / tree.keys;
}

void RunDiscovery(benchmark::State& state, int keepKeysOpen) {
  SetUpTree();
  SetRegistryCaching(keepKeysOpen);
  sim::Calls() = {};
  for (auto _ : state) DiscoverPluginFolders();
  Report(state, sim::Calls());
  SetRegistryCaching(1);
}

void BM_Discovery(benchmark::State& state) { RunDiscovery(state, 1); }
void BM_DiscoveryReopeningEveryKey(benchmark::State& state) { RunDiscovery(state, 0); }

void BM_FloorWalk(benchmark::State& state) {
  SetUpTree();
  sim::Calls() = {};
  TreeCounts seen{0, 0};
  for (auto _ : state) seen = FloorWalk(os::HiveLocalMachine(), "SOFTWARE\\adobe", os::kKeyRead);
  Report(state, sim::Calls());
  if (seen.values != VendorTreeSize().values) state.SkipWithError("the walk missed values");
}

BENCHMARK(BM_FloorWalk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Discovery)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DiscoveryReopeningEveryKey)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
#if defined(__SANITIZE_ADDRESS__)
  benchmark::AddCustomContext("note", "built with sanitizers: configure -DVK_SANITIZE=OFF");
#endif
  TreeCounts tree = VendorTreeSize();
  benchmark::AddCustomContext(
      "tree", std::to_string(tree.keys) + " keys, " + std::to_string(tree.values) + " values");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
