// One frame of the operator screen examples/panel.json at 800 x 480, as a
// panel draws it: the screen set up once, then its calls again and again
// through the VM frame into the Cairo raster, recorder off. Against it, the
// same frame's drawing-layer calls replayed straight into the drawing layer
// from its trace: the difference is what the module and the VM frame add.
// The module's heap allocations per frame are counted, not assumed.
#if defined(TAMRI_BENCH_SCENES)
#include "module/module_exports.h"
#include "platform/core/host_trace.h"
#include "platform/gdi/gdi_host.h"
#include "support/allocation_counter.h"
#include "tools/scene/module_loader.h"
#include "tools/scene/scene_loader.h"
#include "tools/scene/scene_runner.h"
#include "trace_replay.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int32_t kWidth = 800;
constexpr int32_t kHeight = 480;

// The screen as it stands after its set-up: the scene's own fonts, the logo
// (by its path from the repository root) and its language settings, kept in
// memory rather than in the user's configuration.
struct OpenPanel {
  OpenPanel() {
    std::map<std::string, scene::InitExport> inits;
    for (const tamri::ClassInitExport& e : tamri::kClassInits) inits[e.exportName] = e.init;
    scene::registerModuleNatives(scene::LinkedModule(GetDLMAppVersion, inits));
    setenv("TAMRI_CONFIG", "", 1);
    std::filesystem::current_path(TAMRI_SOURCE_DIR);
    std::ifstream file("examples/panel.json");
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    const scene::SceneLoad load = scene::loadScene(text, "panel.json");
    error = load.error;
    scene = load.scene;
    session = std::make_unique<scene::SceneSession>(scene);
    if (error.empty() && !session->opening().ok()) error = "the panel's set-up failed";
    host::setTraceRecording(false);
  }
  ~OpenPanel() {
    session.reset();
    gdihost::reset();
    host::setTraceRecording(true);
  }

  // One frame with the recorder on: the lines the replay is made from.
  std::vector<std::string> recordFrame() {
    host::setTraceRecording(true);
    host::traceClear();
    session->runFrame();
    std::vector<std::string> lines = host::traceLines();
    host::traceClear();
    host::setTraceRecording(false);
    return lines;
  }

  std::vector<uint32_t> pixels() const {
    std::vector<uint32_t> out;
    const int32_t surface = session->opening().surface;
    for (int32_t y = 0; y < kHeight; ++y) {
      for (int32_t x = 0; x < kWidth; ++x) out.push_back(gdihost::pixel(surface, x, y));
    }
    return out;
  }

  // The screen back to its bare background, as a fresh surface is.
  void clear() const {
    osGXfillRectangle(0, 0, kWidth - 1, kHeight - 1, 0, int32_t(scene.surface->background), 1, 0, 0,
                      0, 0);
  }

  scene::Scene scene;
  std::unique_ptr<scene::SceneSession> session;
  std::string error;
};

void PanelFrameThroughTheModule(benchmark::State& state) {
  OpenPanel panel;
  if (!panel.error.empty()) state.SkipWithError(panel.error.c_str());
  for (auto _ : state) benchmark::DoNotOptimize(panel.session->runFrame());
  state.counters["frames/s"] =
      benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(PanelFrameThroughTheModule)->Unit(benchmark::kMillisecond);

// The replay is checked first: drawn on the bare background, it must give
// the very picture the module's frame gives.
bool loadReplay(OpenPanel& panel, bench::TraceReplay& replay, std::string& error) {
  if (!replay.load(panel.recordFrame(), error)) return false;
  panel.clear();
  panel.session->runFrame();
  const std::vector<uint32_t> byModule = panel.pixels();
  panel.clear();
  replay.run();
  if (panel.pixels() != byModule) error = "the replay draws another picture than the module";
  return error.empty();
}

void PanelFrameReplayedIntoTheDrawingLayer(benchmark::State& state) {
  OpenPanel panel;
  bench::TraceReplay replay;
  std::string error = panel.error;
  if (!error.empty() || !loadReplay(panel, replay, error)) state.SkipWithError(error.c_str());
  for (auto _ : state) replay.run();
  state.counters["calls"] = double(replay.size());
  state.counters["frames/s"] =
      benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(PanelFrameReplayedIntoTheDrawingLayer)->Unit(benchmark::kMillisecond);

// This thread's processor time in nanoseconds: what other work on the
// machine takes does not count.
int64_t threadNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Both in turn, frame by frame, so that a machine busy with other work
// slows both alike: what the module and the VM frame add, in per cent of
// the drawing alone.
void PanelFrameModuleShare(benchmark::State& state) {
  OpenPanel panel;
  bench::TraceReplay replay;
  std::string error = panel.error;
  if (!error.empty() || !loadReplay(panel, replay, error)) state.SkipWithError(error.c_str());
  int64_t module = 0, drawing = 0;
  for (auto _ : state) {
    const int64_t start = threadNanoseconds();
    panel.session->runFrame();
    const int64_t middle = threadNanoseconds();
    replay.run();
    module += middle - start;
    drawing += threadNanoseconds() - middle;
  }
  state.counters["added_%"] = 100.0 * (double(module) / double(drawing) - 1.0);
}
BENCHMARK(PanelFrameModuleShare)->Unit(benchmark::kMillisecond);

void PanelFrameAllocations(benchmark::State& state) {
  OpenPanel panel;
  if (!panel.error.empty()) state.SkipWithError(panel.error.c_str());
  if (!tamri_test::allocationsCounted()) state.SkipWithError("the address sanitizer owns malloc");
  tamri_test::resetAllocationCounts();
  for (auto _ : state) {
    tamri_test::setCountingAllocations(true);
    panel.session->runFrame();
    tamri_test::setCountingAllocations(false);
  }
  using benchmark::Counter;
  state.counters["allocs/frame"] =
      Counter(tamri_test::moduleAllocations(), Counter::kAvgIterations);
  state.counters["frees/frame"] = Counter(tamri_test::moduleReleases(), Counter::kAvgIterations);
}
BENCHMARK(PanelFrameAllocations)->Iterations(200)->Unit(benchmark::kMillisecond);

}  // namespace
#endif
