// One whole render of an example scene: heap set-up, every native call
// through the VM frame, Cairo drawing, as `make demo` does it. The text scene
// loads its fonts and lays out and draws real glyphs on every run.
#if defined(TAMRI_BENCH_SCENES)
#include "module/module_exports.h"
#include "platform/core/host_trace.h"
#include "tools/scene/module_loader.h"
#include "tools/scene/scene_loader.h"
#include "tools/scene/scene_runner.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace {

scene::Scene exampleScene(const std::string& name) {
  std::ifstream file(std::string(TAMRI_SOURCE_DIR) + "/examples/" + name);
  const std::string text{std::istreambuf_iterator<char>(file), {}};
  return scene::loadScene(text, name).scene;
}

void RenderTheExampleScene(benchmark::State& state, const std::string& name) {
  std::map<std::string, scene::InitExport> inits;
  for (const tamri::ClassInitExport& e : tamri::kClassInits) inits[e.exportName] = e.init;
  scene::registerModuleNatives(scene::LinkedModule(GetDLMAppVersion, inits));
  const scene::Scene example = exampleScene(name);
  for (auto _ : state) {
    const scene::SceneRun run = scene::runScene(example);
    if (!run.ok()) state.SkipWithError("the example scene did not run");
    benchmark::DoNotOptimize(run.surface);
  }
}
BENCHMARK_CAPTURE(RenderTheExampleScene, polylines, "polylines.json")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RenderTheExampleScene, text, "text.json")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RenderTheExampleScene, arcs, "arcs.json")->Unit(benchmark::kMicrosecond);

}  // namespace
#endif
