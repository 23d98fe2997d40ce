// What the raster pays for the widest lines a 16-bit width can ask for: a
// stroke beyond the surface covers it, and dashes are cut near the clip
// area, so the cost stays that of painting a panel-sized surface over.
#include "platform/core/host_trace.h"
#include "platform/gdi/gdi_host.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int32_t kDashed = 2;

void onPanelSurface(benchmark::State& state) {
  gdihost::reset();
  host::setTraceRecording(false);
  gdihost::selectTarget(gdihost::createSurface(800, 480, 0xFFFFFF));
  if (!gdihost::rasterAvailable()) state.SkipWithError("built without the raster");
}

void DashedEllipseOfWidth(benchmark::State& state) {
  onPanelSurface(state);
  const auto width = static_cast<int16_t>(state.range(0));
  for (auto _ : state) osGXdrawEllipse(10, 10, 700, 400, 0xFF, kDashed, width, 0);
  host::setTraceRecording(true);
}
BENCHMARK(DashedEllipseOfWidth)->Arg(1)->Arg(255)->Arg(4464)->Arg(32767);

void MarkedLineOfWidth(benchmark::State& state) {
  onPanelSurface(state);
  const auto width = static_cast<int16_t>(state.range(0));
  for (auto _ : state) osGXdrawLine(-30000, 5, 30000, 470, width, 1, 0xFF0000, 0, 3);
  host::setTraceRecording(true);
}
BENCHMARK(MarkedLineOfWidth)->Arg(1)->Arg(255)->Arg(32767);

}  // namespace
