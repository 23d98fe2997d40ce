// What a native call through the VM frame costs against the same work called
// directly: resolving `this` and its arrays, reading the scalars, the
// callback that follows; and for a native whose own work is trivial (the
// canvas translation set by setTransform(II)V), the frame alone.
#include "canvas/canvas_transform.h"
#include "module/module_exports.h"
#include "platform/core/host_trace.h"
#include "platform/gdi/gdi_host.h"
#include "platform/ivm/vm_host.h"
#include "transform/point_transforms.h"

#include <benchmark/benchmark.h>

#include <array>
#include <vector>

namespace {

constexpr const char* kPolyLine = "gpclasses/graphics/CgpPolyLine";

void registerOnce() {
  static const bool registered = [] {
    for (const tamri::ClassInitExport& e : tamri::kClassInits) e.init();
    return true;
  }();
  static_cast<void>(registered);
}

std::vector<int32_t> zigzag(int points) {
  std::vector<int32_t> xy;
  for (int i = 0; i < points; ++i) {
    xy.push_back(i * 10);
    xy.push_back(i % 2 ? 20 : 0);
  }
  return xy;
}

jword polyline(int points) {
  vmhost::resetHeap();
  const std::vector<int32_t> xy = zigzag(points);
  const jword line = vmhost::newObject(kPolyLine);
  vmhost::setField(line, "pointCount", points);
  vmhost::setField(line, "points", vmhost::newIntArray(xy));
  vmhost::setField(line, "corePoints", vmhost::newIntArray(xy));
  vmhost::setField(line, "lineWidth", 2);
  vmhost::setField(line, "lineStyle", 1);
  return line;
}

// Native calls run without the recorder, as on the panel.
struct QuietTrace {
  QuietTrace() {
    registerOnce();
    host::setTraceRecording(false);
  }
  ~QuietTrace() { host::setTraceRecording(true); }
};

// A canvas native with two int arguments through the frame: setTransform(II)V,
// whose own work is two stores, and a native that does nothing at all, which
// leaves the frame alone.
void doNothing() {}

void CanvasNativeThroughTheFrame(benchmark::State& state, const char* nameSig) {
  constexpr const char* kCanvas = "gpclasses/graphics/CgpCanvas";
  QuietTrace quiet;
  vmhost::resetHeap();
  const jword canvas = vmhost::newObject(kCanvas);
  if (!vmhost::findNative(kCanvas, "benchNothing(II)V"))
    registerNativeMethod(kCanvas, "benchNothing(II)V", doNothing);
  const vmhost::NativeRecord& native = *vmhost::findNative(kCanvas, nameSig);
  const std::array<uint32_t, 2> scalars{12, 34};
  for (auto _ : state) {
    const vmhost::CallResult result = vmhost::callNative(native, canvas, {}, scalars);
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK_CAPTURE(CanvasNativeThroughTheFrame, setTransform, "setTransform(II)V");
BENCHMARK_CAPTURE(CanvasNativeThroughTheFrame, nothing, "benchNothing(II)V");

void SetTransformDirectly(benchmark::State& state) {
  int32_t x = 12, y = 34;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(y);
    tamri::setCanvasTransform(x, y, 256, 256);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(SetTransformDirectly);

void MovePointsThroughTheFrame(benchmark::State& state) {
  QuietTrace quiet;
  const jword line = polyline(static_cast<int>(state.range(0)));
  const vmhost::NativeRecord& native = *vmhost::findNative(kPolyLine, "movePoints(II)V");
  const std::array<uint32_t, 2> scalars{5, 5};
  for (auto _ : state) {
    const vmhost::CallResult result = vmhost::callNative(native, line, {}, scalars);
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(MovePointsThroughTheFrame)->Arg(8)->Arg(255);

void MovePointsDirectly(benchmark::State& state) {
  const auto points = static_cast<int>(state.range(0));
  const std::vector<int32_t> core = zigzag(points);
  std::vector<int32_t> drawn(core.size());
  int32_t rx, ry, ax, ay;
  for (auto _ : state) {
    tamri::movePointSet(static_cast<uint8_t>(points), 5, 5, 1, 1, &rx, &ry, core.data(),
                        drawn.data(), 2, 2, &ax, &ay);
    benchmark::DoNotOptimize(drawn.data());
  }
}
BENCHMARK(MovePointsDirectly)->Arg(8)->Arg(255);

void RotatePointsThroughTheFrame(benchmark::State& state) {
  QuietTrace quiet;
  const jword line = polyline(static_cast<int>(state.range(0)));
  const vmhost::NativeRecord& native = *vmhost::findNative(kPolyLine, "rotatePoints(I)V");
  const std::array<uint32_t, 1> scalars{785};
  for (auto _ : state) {
    const vmhost::CallResult result = vmhost::callNative(native, line, {}, scalars);
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(RotatePointsThroughTheFrame)->Arg(8)->Arg(255);

void DrawPolylineThroughTheFrame(benchmark::State& state) {
  QuietTrace quiet;
  gdihost::reset();
  gdihost::selectTarget(gdihost::createSurface(320, 200, 0xFFFFFF));
  const jword line = polyline(static_cast<int>(state.range(0)));
  const vmhost::NativeRecord& native = *vmhost::findNative(kPolyLine, "draw(I)V");
  const std::array<uint32_t, 1> scalars{1};
  for (auto _ : state) {
    const vmhost::CallResult result = vmhost::callNative(native, line, {}, scalars);
    benchmark::DoNotOptimize(result);
  }
  gdihost::reset();
}
BENCHMARK(DrawPolylineThroughTheFrame)->Arg(8)->Arg(32);

}  // namespace
