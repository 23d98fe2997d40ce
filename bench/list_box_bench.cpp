// A list box of 1,000 rows and four columns, as an alarm history keeps it:
// inserting at the top (the whole list renumbered, the last row dropping
// out, its slot reused) and drawing the whole list with real glyphs, both
// through the VM frame. The heap counter shows what one insert takes from
// the heap after construction: nothing.
#include "module/module_exports.h"
#include "platform/core/host_trace.h"
#include "platform/gdi/gdi_host.h"
#include "platform/ivm/vm_host.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <array>
#include <string>
#include <vector>

namespace {

constexpr const char* kListBox = "gpclasses/graphics/CgpListBox";
constexpr int32_t kRows = 1000;

void registerListBoxOnce() {
  static const bool registered = [] {
    if (!vmhost::findNative(kListBox, "draw(I)V")) {
      for (const tamri::ClassInitExport& e : tamri::kClassInits) e.init();
    }
    return true;
  }();
  static_cast<void>(registered);
}

jword strings(const std::vector<std::string>& texts) {
  std::vector<jword> elements;
  for (const std::string& text : texts) elements.push_back(vmhost::newStringUtf8(text));
  return vmhost::newRefArray(elements);
}

void call(jword self, const char* nameSig, std::vector<uint32_t> scalars = {},
          std::vector<jword> references = {}) {
  vmhost::callNative(*vmhost::findNative(kListBox, nameSig), self, references, scalars);
}

// A full list of kRows rows, 16 pixels each, on a 640 x 480 surface: the
// rows below the surface are drawn through the clip like the others.
struct AlarmHistory {
  AlarmHistory() {
    registerListBoxOnce();
    host::setTraceRecording(false);
    vmhost::resetHeap();
    gdihost::reset();
    gdihost::selectTarget(gdihost::createSurface(640, 480, 0xFFFFFF));
    const jword font = vmhost::newObject("gpclasses/graphics/CgpFont");
    vmhost::setField(font, "fontName", vmhost::newStringUtf8("DejaVu Sans"));
    vmhost::setField(font, "fontParam1", 12);
    const vmhost::NativeRecord& load =
        *vmhost::findNative("gpclasses/graphics/CgpFont", "createFont()I");
    vmhost::setField(font, "fontHandle", vmhost::callNative(load, font, {}, {}).value);
    list = vmhost::newObject(kListBox);
    for (const auto& [name, value] :
         std::initializer_list<std::pair<const char*, int64_t>>{{"x2", 639},
                                                                {"y2", 16 * kRows - 1},
                                                                {"textColor", 0x202020},
                                                                {"backColor", 0xF7F9FB},
                                                                {"listFont", font}}) {
      vmhost::setField(list, name, value);
    }
    call(list, "constructListBox(II[I[I)V", {4, kRows},
         {vmhost::newIntArray(std::array<int32_t, 4>{70, 60, 300, 80}),
          vmhost::newIntArray(std::array<int32_t, 4>{8, 6, 40, 8})});
    call(list, "setRule(IIBB)V", {0xC5CDD6, 0, 1, 1});
    row = strings({"07:31:09", "C-007", "Compressor trip", "ACTIVE"});
    for (int i = 0; i < kRows; ++i) insertAtTop();
    call(list, "setCursor(I)V", {3});
  }
  ~AlarmHistory() {
    call(list, "deleteListBox()V");
    gdihost::reset();
    host::setTraceRecording(true);
  }
  void insertAtTop() const { call(list, "insertRow([Ljava/lang/String;IZ)V", {0, 1}, {row}); }

  jword list = 0, row = 0;
};

double heapBytesInUse() { return static_cast<double>(mallinfo2().uordblks); }

void InsertAtTheTopOfAThousandRows(benchmark::State& state) {
  const AlarmHistory history;
  const vmhost::NativeRecord& insert =
      *vmhost::findNative(kListBox, "insertRow([Ljava/lang/String;IZ)V");
  const std::array<jword, 1> references{history.row};
  const std::array<uint32_t, 2> scalars{0, 1};
  const double before = heapBytesInUse();
  for (auto _ : state) {
    benchmark::DoNotOptimize(vmhost::callNative(insert, history.list, references, scalars));
  }
  state.counters["heapBytesPerInsert"] =
      benchmark::Counter(heapBytesInUse() - before, benchmark::Counter::kAvgIterations);
}
BENCHMARK(InsertAtTheTopOfAThousandRows);

void DrawAThousandRows(benchmark::State& state) {
  const AlarmHistory history;
  const vmhost::NativeRecord& draw = *vmhost::findNative(kListBox, "draw(I)V");
  const std::array<uint32_t, 1> scalars{1};
  for (auto _ : state) {
    benchmark::DoNotOptimize(vmhost::callNative(draw, history.list, {}, scalars));
  }
}
BENCHMARK(DrawAThousandRows)->Unit(benchmark::kMillisecond);

void InsertAtTheTopAndDraw(benchmark::State& state) {
  const AlarmHistory history;
  for (auto _ : state) {
    history.insertAtTop();
    call(history.list, "draw(I)V", {1});
  }
}
BENCHMARK(InsertAtTheTopAndDraw)->Unit(benchmark::kMillisecond);

}  // namespace
