// The drawing layer's text: a 20-character label drawn into its rectangle and
// measured, in Latin, Arabic and Chinese, with the system's fonts at 16
// pixels and the recorder off. The plain runs draw the same label each time,
// as a panel redrawing its screen does; the fresh runs change its last
// characters each time, as a changing value does, among more labels than
// the layer remembers.
#include "platform/core/host_trace.h"
#include "platform/gdi/gdi_host.h"
#include "platform/gdi/osgx.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int32_t kBlack = 0x000000;
constexpr int32_t kNoColour = INT32_MIN;

struct Label {
  int32_t surface = 0;
  FONTHANDLE font = 0;
};

Label prepare() {
  host::setTraceRecording(false);
  gdihost::reset();
  Label label;
  label.surface = gdihost::createSurface(400, 60, 0xFFFFFF);
  gdihost::selectTarget(label.surface);
  label.font = osGXloadFont(u"DejaVu Sans", 16, 0, 0);
  return label;
}

int32_t length(const std::u16string& text) { return static_cast<int32_t>(text.size()); }

// The label, or with `fresh` one of 4096 labels that differ in their last
// four characters (digits), in turn.
class Labels {
 public:
  Labels(const std::u16string& text, bool fresh) : text_(text), fresh_(fresh) {}
  const std::u16string& next() {
    if (fresh_) {
      for (size_t k = 0, n = serial_++ & 4095; k < 4; ++k, n /= 8)
        text_[text_.size() - 1 - k] = static_cast<char16_t>(u'0' + n % 8);
    }
    return text_;
  }

 private:
  std::u16string text_;
  bool fresh_;
  uint32_t serial_ = 0;
};

void DrawLabel(benchmark::State& state, const std::u16string& text, bool fresh) {
  const Label label = prepare();
  const POINTRECT rect{10, 10, 389, 49};
  const TEXTCOL colours{kBlack, kNoColour, 0};
  const TEXTATTRIB attributes{2, {0, 0, 1, 1, 1, 0, 1}};
  Labels labels(text, fresh);
  for (auto _ : state) {
    const std::u16string& drawn = labels.next();
    osGXtext(label.surface, &rect, &colours, &attributes, label.font, drawn.data(), length(drawn),
             true);
  }
  benchmark::DoNotOptimize(gdihost::pixel(label.surface, 200, 30));
}

void MeasureLabel(benchmark::State& state, const std::u16string& text, bool fresh) {
  const Label label = prepare();
  int32_t width = 0, height = 0, ascent = 0;
  Labels labels(text, fresh);
  for (auto _ : state) {
    const std::u16string& measured = labels.next();
    osGXgetTextMetrics(label.font, measured.data(), length(measured), &width, &height, &ascent);
    benchmark::DoNotOptimize(width);
  }
}

// Twenty UTF-16 characters each.
const std::u16string kLatin = u"Tank level 2: 87.5 %";
const std::u16string kArabic = u"مستوى الخزان مرتفع ج";
const std::u16string kChinese = u"储罐液位过高请立即检查泵站和阀门状态并报";

BENCHMARK_CAPTURE(DrawLabel, latin, kLatin, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DrawLabel, arabic, kArabic, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DrawLabel, chinese, kChinese, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DrawLabel, latin_fresh, kLatin, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DrawLabel, arabic_fresh, kArabic, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DrawLabel, chinese_fresh, kChinese, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(MeasureLabel, latin, kLatin, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(MeasureLabel, arabic, kArabic, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(MeasureLabel, chinese, kChinese, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(MeasureLabel, latin_fresh, kLatin, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(MeasureLabel, arabic_fresh, kArabic, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(MeasureLabel, chinese_fresh, kChinese, true)->Unit(benchmark::kMicrosecond);

}  // namespace
