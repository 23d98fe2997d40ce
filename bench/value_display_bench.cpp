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
constexpr int32_t kOneHourEast = -60;

// Values of 0 to 9 digits, either sign.
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

// Hands `format` the values in turn, one per iteration. The count is a power
// of two so that picking the next value costs a mask, not a division that
// would weigh as much as a short conversion.
static_assert((kValueCount & (kValueCount - 1)) == 0);
template <typename Value, typename Format>
void overValues(benchmark::State& state, const std::vector<Value>& values, Format format) {
  size_t i = 0;
  for (auto _ : state) format(values[i++ & (kValueCount - 1)]);
}

// What every baseline does: a narrow text, widened into a buffer.
struct WideBuffer {
  char text[96];
  char16_t wide[96];

  void widen(int length) {
    for (int i = 0; i < length; ++i) wide[i] = static_cast<unsigned char>(text[i]);
    wide[length] = 0;
    benchmark::DoNotOptimize(wide);
  }
};

// A native through the VM frame, its value in the first scalar (or `slot`).
template <typename Value, size_t N>
void throughTheFrame(benchmark::State& state, const char* nameSig, std::array<uint32_t, N> scalars,
                     const std::vector<Value>& values, size_t slot = 0) {
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
  corehost::setTimeZoneOffset(std::chrono::minutes(kOneHourEast));
  const jword canvas = vmhost::newObject(kCanvas);
  const std::array<jword, 1> references{vmhost::newObject("gpclasses/graphics/CgpFont")};
  const vmhost::NativeRecord& native = *vmhost::findNative(kCanvas, nameSig);
  overValues(state, values, [&](Value value) {
    if constexpr (std::is_same_v<Value, float>) {
      scalars[slot] = std::bit_cast<uint32_t>(value);
    } else {
      scalars[slot] = static_cast<uint32_t>(value);
    }
    benchmark::DoNotOptimize(vmhost::callNative(native, canvas, references, scalars));
  });
  host::setTraceRecording(true);
  corehost::setTimeZoneOffset(std::nullopt);
}

// ---- numbers -------------------------------------------------------------------

void NumberFieldThroughTheFrame(benchmark::State& state) {
  throughTheFrame(state, "drawNumber(IIIIIIZZZIIIIIILgpclasses/graphics/CgpFont;)V",
                  std::array<uint32_t, 15>{0, 10, 10, 2, 1, 1, 0, 1, 0, 0, 0, 0, 0, 100, 20},
                  integers());
}
BENCHMARK(NumberFieldThroughTheFrame);

// Ten integer digits, two decimals, grouping.
void NumberFieldText(benchmark::State& state) {
  overValues(state, integers(), [](int32_t value) {
    benchmark::DoNotOptimize(tamri::numberFieldText({value, 10, 10, 2, false, true, false}, {}));
  });
}
BENCHMARK(NumberFieldText);

// The plain conversion of drawNumber(IIIIII)V, as the baselines convert.
void PlainNumberText(benchmark::State& state) {
  overValues(state, integers(),
             [](int32_t value) { benchmark::DoNotOptimize(tamri::plainNumberText(value, 10)); });
}
BENCHMARK(PlainNumberText);

void NumberByToChars(benchmark::State& state) {
  WideBuffer buffer;
  overValues(state, integers(), [&buffer](int32_t value) {
    const char* end = std::to_chars(buffer.text, buffer.text + sizeof buffer.text, value).ptr;
    buffer.widen(static_cast<int>(end - buffer.text));
  });
}
BENCHMARK(NumberByToChars);

void NumberBySnprintf(benchmark::State& state) {
  WideBuffer buffer;
  overValues(state, integers(), [&buffer](int32_t value) {
    buffer.widen(std::snprintf(buffer.text, sizeof buffer.text, "%d", value));
  });
}
BENCHMARK(NumberBySnprintf);

// ---- floats --------------------------------------------------------------------

void FloatFieldThroughTheFrame(benchmark::State& state) {
  throughTheFrame(state, "nativeDrawFloat(FIIIIZZZIIIIIILgpclasses/graphics/CgpFont;)V",
                  std::array<uint32_t, 14>{0, 7, 3, 1, 1, 0, 0, 0, 0, 0, 0, 0, 100, 20}, floats());
}
BENCHMARK(FloatFieldThroughTheFrame);

// Seven integer digits, three decimals.
void FloatFieldText(benchmark::State& state) {
  overValues(state, floats(), [](float value) {
    benchmark::DoNotOptimize(tamri::floatFieldText({value, 7, 3, false, false, false}, {}));
  });
}
BENCHMARK(FloatFieldText);

void FloatBySnprintf(benchmark::State& state) {
  WideBuffer buffer;
  overValues(state, floats(), [&buffer](float value) {
    buffer.widen(
        std::snprintf(buffer.text, sizeof buffer.text, "%0*.*f", 0, 3, static_cast<double>(value)));
  });
}
BENCHMARK(FloatBySnprintf);

// ---- dates and times -------------------------------------------------------------

void DateThroughTheFrame(benchmark::State& state) {
  throughTheFrame(state, "drawDateTime(IIIIIIILgpclasses/graphics/CgpFont;)V",
                  std::array<uint32_t, 7>{1, 0, 0, 0, 100, 20, 0}, times(), 1);
}
BENCHMARK(DateThroughTheFrame);

void DateText(benchmark::State& state) {
  overValues(state, times(), [](int32_t time) {
    benchmark::DoNotOptimize(tamri::dateTimeText(1, tamri::localTimeOf(time, kOneHourEast)));
  });
}
BENCHMARK(DateText);

void DateByGmtimeAndSnprintf(benchmark::State& state) {
  WideBuffer buffer;
  overValues(state, times(), [&buffer](int32_t time) {
    const std::time_t local = static_cast<std::time_t>(time) + 3600;
    std::tm date{};
    gmtime_r(&local, &date);
    buffer.widen(std::snprintf(buffer.text, sizeof buffer.text, "%d/%02d/%02d", date.tm_year + 1900,
                               date.tm_mon + 1, date.tm_mday));
  });
}
BENCHMARK(DateByGmtimeAndSnprintf);

void TimeOfDayText(benchmark::State& state) {
  overValues(state, times(), [](int32_t time) {
    benchmark::DoNotOptimize(tamri::dateTimeText(20, tamri::localTimeOf(time, kOneHourEast)));
  });
}
BENCHMARK(TimeOfDayText);

void TimeOfDayBySnprintf(benchmark::State& state) {
  WideBuffer buffer;
  overValues(state, times(), [&buffer](int32_t time) {
    const int32_t seconds = static_cast<int32_t>((static_cast<int64_t>(time) + 3600) % 86400);
    buffer.widen(std::snprintf(buffer.text, sizeof buffer.text, "%02d:%02d:%02d", seconds / 3600,
                               seconds % 3600 / 60, seconds % 60));
  });
}
BENCHMARK(TimeOfDayBySnprintf);

}  // namespace
