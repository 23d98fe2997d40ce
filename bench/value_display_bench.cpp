// Formatting throughput of the value display: numbers, floats, dates and
// times, each beside the same values formatted by the standard library into
// a wide buffer. The natives run through the VM frame with the recorder off
// and no drawing target, so the drawing layer takes the text and draws
// nothing.
#include "module/module_exports.h"
#include "platform/core/core_host.h"
#include "platform/core/host_trace.h"
#include "platform/gdi/gdi_host.h"
#include "platform/ivm/vm_host.h"
#include "valuedisplay/date_time.h"
#include "valuedisplay/float_field.h"
#include "valuedisplay/number_field.h"
#include "valuedisplay/number_text.h"

#include <benchmark/benchmark.h>

#include <array>
#include <bit>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <random>
#include <vector>

namespace {

constexpr const char* kCanvas = "gpclasses/graphics/CgpCanvas";
constexpr size_t kValueCount = 1024;

std::vector<int32_t> integers() {
  std::mt19937 engine(7);
  std::uniform_int_distribution<int32_t> digits(0, 9);
  std::vector<int32_t> values;
  for (size_t i = 0; i < kValueCount; ++i) {
    int32_t magnitude = 1;
    for (int d = digits(engine); d > 0; --d) magnitude *= 10;
    values.push_back(std::uniform_int_distribution<int32_t>(-magnitude, magnitude)(engine));
  }
  return values;
}

std::vector<float> floats() {
  std::vector<float> values;
  for (const int32_t value : integers()) values.push_back(static_cast<float>(value) / 1000.0f);
  return values;
}

std::vector<int32_t> times() {
  std::mt19937 engine(11);
  std::vector<int32_t> values;
  for (size_t i = 0; i < kValueCount; ++i)
    values.push_back(std::uniform_int_distribution<int32_t>(0, INT32_MAX)(engine));
  return values;
}

// What every baseline does with its narrow text: widen it into a buffer.
void widen(const char* text, size_t length, char16_t* wide) {
  for (size_t i = 0; i < length; ++i) wide[i] = static_cast<unsigned char>(text[i]);
  wide[length] = 0;
}

struct QuietFrame {
  QuietFrame() {
    static const bool registered = [] {
      for (const tamri::ClassInitExport& e : tamri::kClassInits) e.init();
      return true;
    }();
    static_cast<void>(registered);
    host::setTraceRecording(false);
    gdihost::reset();  // no drawing target
    vmhost::resetHeap();
    vmhost::setStaticField(kCanvas, "decimalSeparator", u'.');
    vmhost::setStaticField(kCanvas, "groupSeparator", u',');
    corehost::setTimeZoneOffset(std::chrono::minutes(-60));
    canvas = vmhost::newObject(kCanvas);
    font = vmhost::newObject("gpclasses/graphics/CgpFont");
  }
  ~QuietFrame() {
    host::setTraceRecording(true);
    corehost::setTimeZoneOffset(std::nullopt);
  }
  jword canvas = 0, font = 0;
};

// ---- numbers -------------------------------------------------------------------

void NumberFieldThroughTheFrame(benchmark::State& state) {
  QuietFrame frame;
  const auto& native =
      *vmhost::findNative(kCanvas, "drawNumber(IIIIIIZZZIIIIIILgpclasses/graphics/CgpFont;)V");
  const std::vector<int32_t> values = integers();
  std::array<uint32_t, 15> scalars{0, 10, 10, 2, 1, 1, 0, 1, 0, 0, 0, 0, 0, 100, 20};
  const std::array<jword, 1> references{frame.font};
  size_t i = 0;
  for (auto _ : state) {
    scalars[0] = static_cast<uint32_t>(values[i++ % kValueCount]);
    benchmark::DoNotOptimize(vmhost::callNative(native, frame.canvas, references, scalars));
  }
}
BENCHMARK(NumberFieldThroughTheFrame);

void NumberFieldText(benchmark::State& state) {
  const std::vector<int32_t> values = integers();
  tamri::NumberField field{0, 10, 10, 2, false, true, false};
  size_t i = 0;
  for (auto _ : state) {
    field.value = values[i++ % kValueCount];
    benchmark::DoNotOptimize(tamri::numberFieldText(field, {}));
  }
}
BENCHMARK(NumberFieldText);

void NumberByToChars(benchmark::State& state) {
  const std::vector<int32_t> values = integers();
  char text[16];
  char16_t wide[16];
  size_t i = 0;
  for (auto _ : state) {
    const auto end = std::to_chars(text, text + sizeof text, values[i++ % kValueCount]).ptr;
    widen(text, static_cast<size_t>(end - text), wide);
    benchmark::DoNotOptimize(wide);
  }
}
BENCHMARK(NumberByToChars);

void NumberBySnprintf(benchmark::State& state) {
  const std::vector<int32_t> values = integers();
  char text[16];
  char16_t wide[16];
  size_t i = 0;
  for (auto _ : state) {
    const int length = std::snprintf(text, sizeof text, "%d", values[i++ % kValueCount]);
    widen(text, static_cast<size_t>(length), wide);
    benchmark::DoNotOptimize(wide);
  }
}
BENCHMARK(NumberBySnprintf);

// The plain conversion of drawNumber(IIIIII)V, as the baselines convert.
void PlainNumberText(benchmark::State& state) {
  const std::vector<int32_t> values = integers();
  size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(tamri::plainNumberText(values[i++ % kValueCount], 10));
}
BENCHMARK(PlainNumberText);

// ---- floats --------------------------------------------------------------------

void FloatFieldThroughTheFrame(benchmark::State& state) {
  QuietFrame frame;
  const auto& native =
      *vmhost::findNative(kCanvas, "nativeDrawFloat(FIIIIZZZIIIIIILgpclasses/graphics/CgpFont;)V");
  const std::vector<float> values = floats();
  std::array<uint32_t, 14> scalars{0, 7, 3, 1, 1, 0, 0, 0, 0, 0, 0, 0, 100, 20};
  const std::array<jword, 1> references{frame.font};
  size_t i = 0;
  for (auto _ : state) {
    scalars[0] = std::bit_cast<uint32_t>(values[i++ % kValueCount]);
    benchmark::DoNotOptimize(vmhost::callNative(native, frame.canvas, references, scalars));
  }
}
BENCHMARK(FloatFieldThroughTheFrame);

void FloatFieldText(benchmark::State& state) {
  const std::vector<float> values = floats();
  tamri::FloatField field{0.0f, 7, 3, false, false, false};
  size_t i = 0;
  for (auto _ : state) {
    field.value = values[i++ % kValueCount];
    benchmark::DoNotOptimize(tamri::floatFieldText(field, {}));
  }
}
BENCHMARK(FloatFieldText);

void FloatBySnprintf(benchmark::State& state) {
  const std::vector<float> values = floats();
  char text[96];
  char16_t wide[96];
  size_t i = 0;
  for (auto _ : state) {
    const int length = std::snprintf(text, sizeof text, "%0*.*f", 0, 3,
                                     static_cast<double>(values[i++ % kValueCount]));
    widen(text, static_cast<size_t>(length), wide);
    benchmark::DoNotOptimize(wide);
  }
}
BENCHMARK(FloatBySnprintf);

// ---- dates and times -------------------------------------------------------------

void DateThroughTheFrame(benchmark::State& state) {
  QuietFrame frame;
  const auto& native =
      *vmhost::findNative(kCanvas, "drawDateTime(IIIIIIILgpclasses/graphics/CgpFont;)V");
  const std::vector<int32_t> values = times();
  std::array<uint32_t, 7> scalars{1, 0, 0, 0, 100, 20, 0};
  const std::array<jword, 1> references{frame.font};
  size_t i = 0;
  for (auto _ : state) {
    scalars[1] = static_cast<uint32_t>(values[i++ % kValueCount]);
    benchmark::DoNotOptimize(vmhost::callNative(native, frame.canvas, references, scalars));
  }
}
BENCHMARK(DateThroughTheFrame);

void DateText(benchmark::State& state) {
  const std::vector<int32_t> values = times();
  size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(
        tamri::dateTimeText(1, tamri::localTimeOf(values[i++ % kValueCount], -60)));
}
BENCHMARK(DateText);

void DateByGmtimeAndSnprintf(benchmark::State& state) {
  const std::vector<int32_t> values = times();
  char text[32];
  char16_t wide[32];
  size_t i = 0;
  for (auto _ : state) {
    const std::time_t local = static_cast<std::time_t>(values[i++ % kValueCount]) + 3600;
    std::tm date{};
    gmtime_r(&local, &date);
    const int length = std::snprintf(text, sizeof text, "%d/%02d/%02d", date.tm_year + 1900,
                                     date.tm_mon + 1, date.tm_mday);
    widen(text, static_cast<size_t>(length), wide);
    benchmark::DoNotOptimize(wide);
  }
}
BENCHMARK(DateByGmtimeAndSnprintf);

void TimeOfDayText(benchmark::State& state) {
  const std::vector<int32_t> values = times();
  size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(
        tamri::dateTimeText(20, tamri::localTimeOf(values[i++ % kValueCount], -60)));
}
BENCHMARK(TimeOfDayText);

void TimeOfDayBySnprintf(benchmark::State& state) {
  const std::vector<int32_t> values = times();
  char text[32];
  char16_t wide[32];
  size_t i = 0;
  for (auto _ : state) {
    const int32_t seconds = (values[i++ % kValueCount] + 3600) % 86400;
    const int length = std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 3600,
                                     seconds % 3600 / 60, seconds % 60);
    widen(text, static_cast<size_t>(length), wide);
    benchmark::DoNotOptimize(wide);
  }
}
BENCHMARK(TimeOfDayBySnprintf);

}  // namespace
