// One whole render of the example scene: heap set-up, every native call
// through the VM frame, Cairo drawing, as `make demo` does it.
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

scene::Scene exampleScene() {
  std::ifstream file(std::string(TAMRI_SOURCE_DIR) + "/examples/polylines.json");
  const std::string text{std::istreambuf_iterator<char>(file), {}};
  return scene::loadScene(text, "polylines.json").scene;
}

void RenderTheExampleScene(benchmark::State& state) {
  std::map<std::string, scene::InitExport> inits;
  for (const tamri::ClassInitExport& e : tamri::kClassInits) inits[e.exportName] = e.init;
  scene::registerModuleNatives(scene::LinkedModule(GetDLMAppVersion, inits));
  const scene::Scene polylines = exampleScene();
  for (auto _ : state) {
    const scene::SceneRun run = scene::runScene(polylines);
    if (!run.ok()) state.SkipWithError("the example scene did not run");
    benchmark::DoNotOptimize(run.surface);
  }
}
BENCHMARK(RenderTheExampleScene)->Unit(benchmark::kMicrosecond);

}  // namespace
#endif
