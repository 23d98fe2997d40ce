// Turns bytes into native calls: any registered native, a receiver and
// reference arguments of the classes its signature names with random fields
// (null references, arrays shorter or longer than their counts, texts of any
// length), random scalars. After every call both argument stacks must be
// exactly where they were. List-box natives also run on list boxes made
// earlier in the same input (or on new objects carrying their handles), so
// that they reach live, shared and freed models; every list box is deleted
// at the end, and no model may be left behind.
#include "listbox/list_box_table.h"
#include "module/module_exports.h"
#include "platform/core/core_host.h"
#include "platform/core/host_trace.h"
#include "platform/gdi/gdi_host.h"
#include "support/object_builder.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Numbers that matter to the natives: small, edge-of-range and byte edges.
int32_t interestingInt(FuzzedDataProvider& data) {
  static constexpr int32_t kEdges[] = {0,    1,    -1,   2,    3,     4,         5,        127,
                                       128,  255,  256,  -128, 32767, -32768,    65535,    1570,
                                       3141, 4711, 6282, 100,  200,   INT32_MAX, INT32_MIN};
  switch (data.ConsumeIntegralInRange(0, 3)) {
    case 0:
      return data.PickValueInArray(kEdges);
    case 1:
      return data.ConsumeIntegralInRange(-300, 300);
    case 2:
      return data.ConsumeIntegralInRange(-2000, 2000);
    default:
      return data.ConsumeIntegral<int32_t>();
  }
}

struct RandomValues : tamri_test::ValueSource {
  explicit RandomValues(FuzzedDataProvider& d) : data(d) {}
  int64_t fieldValue(const vmhost::FieldDef& field) override {
    switch (field.type) {
      case vmhost::FieldType::Byte:
      case vmhost::FieldType::Bool:
        return static_cast<int8_t>(interestingInt(data));
      case vmhost::FieldType::Short:
      case vmhost::FieldType::Char:
        return static_cast<uint16_t>(interestingInt(data));
      case vmhost::FieldType::Float: {
        const float value = data.ConsumeFloatingPoint<float>();
        uint32_t bits;
        std::memcpy(&bits, &value, 4);
        return bits;
      }
      default:
        return static_cast<uint32_t>(interestingInt(data));
    }
  }
  uint32_t scalar(std::string_view type) override {
    if (type == "F") {
      const float value = data.ConsumeFloatingPoint<float>();
      uint32_t bits;
      std::memcpy(&bits, &value, 4);
      return bits;
    }
    return static_cast<uint32_t>(interestingInt(data));
  }
  int32_t arrayLength(std::string_view) override { return data.ConsumeIntegralInRange(-1, 40); }
  int32_t arrayElement() override { return interestingInt(data); }
  // Any UTF-16 text, or one made of the path syntax's characters, so that
  // path texts reach deep into the path reader.
  std::u16string text() override {
    static constexpr char16_t kPathCharacters[] = u"MmLlHhVvCcSsQqTtAaZz0123456789011.-+eE ,";
    const bool pathLike = data.ConsumeBool();
    const size_t length = data.ConsumeIntegralInRange<size_t>(0, 300);
    std::u16string text;
    for (size_t i = 0; i < length && data.remaining_bytes(); ++i) {
      text.push_back(pathLike ? data.PickValueInArray(kPathCharacters)
                              : static_cast<char16_t>(data.ConsumeIntegral<uint16_t>()));
    }
    return text;
  }
  bool nullReference() override { return data.ConsumeIntegralInRange(0, 7) == 0; }
  FuzzedDataProvider& data;
};

constexpr std::string_view kListBox = "gpclasses/graphics/CgpListBox";

// The receiver of a list-box native: a list box of this input, a new one
// holding the handle of such a list box, or the new one as built.
jword listBoxReceiver(FuzzedDataProvider& data, jword built, std::vector<jword>& listBoxes) {
  const int choice = listBoxes.empty() ? 2 : data.ConsumeIntegralInRange(0, 2);
  if (choice == 0) return listBoxes[data.ConsumeIntegralInRange<size_t>(0, listBoxes.size() - 1)];
  if (choice == 1 && built) {
    const jword shared = listBoxes[data.ConsumeIntegralInRange<size_t>(0, listBoxes.size() - 1)];
    vmhost::setField(built, "listHandle", vmhost::getField(shared, "listHandle"));
  }
  if (built) listBoxes.push_back(built);
  return built;
}

// A native of any class, or, one time in four, one of the list box's, so
// that list boxes see several calls in one input.
const vmhost::NativeRecord& pickNative(FuzzedDataProvider& data) {
  const auto& natives = vmhost::natives();
  static const std::vector<size_t> listBoxNatives = [&] {
    std::vector<size_t> found;
    for (size_t i = 0; i < natives.size(); ++i)
      if (natives[i].classPath == kListBox) found.push_back(i);
    return found;
  }();
  if (!listBoxNatives.empty() && data.ConsumeIntegralInRange(0, 3) == 0)
    return natives[listBoxNatives[data.ConsumeIntegralInRange<size_t>(0,
                                                                      listBoxNatives.size() - 1)]];
  return natives[data.ConsumeIntegralInRange<size_t>(0, natives.size() - 1)];
}

// Half of the constructions get counts and column arrays a panel would use,
// so that models are made and the calls after them reach their rows.
void plausibleConstruction(FuzzedDataProvider& data, tamri_test::NativeArguments& args) {
  if (!data.ConsumeBool() || args.scalars.size() != 2 || args.references.size() != 2) return;
  args.scalars = {data.ConsumeIntegralInRange<uint32_t>(1, 6),
                  data.ConsumeIntegralInRange<uint32_t>(1, 40)};
  for (jword& array : args.references) {
    std::vector<int32_t> elements(data.ConsumeIntegralInRange<size_t>(0, 7));
    for (int32_t& e : elements) e = data.ConsumeIntegralInRange(-3, 80);
    array = vmhost::newIntArray(elements);
  }
}

void deleteListBoxes(const std::vector<jword>& listBoxes) {
  const vmhost::NativeRecord* remove = vmhost::findNative(kListBox, "deleteListBox()V");
  for (const jword box : listBoxes) vmhost::callNative(*remove, box, {}, {});
  if (tamri::liveListBoxModels() != 0) {
    std::fprintf(stderr, "%d list-box models left behind\n", tamri::liveListBoxModels());
    std::abort();
  }
}

void registerOnce() {
  static const bool registered = [] {
    for (const tamri::ClassInitExport& e : tamri::kClassInits) e.init();
    // The language natives write the configuration: in memory, never a file.
    corehost::resetConfiguration();
    return true;
  }();
  static_cast<void>(registered);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  registerOnce();
  vmhost::resetHeap();
  vmhost::restoreDefaultHostMethods();
  gdihost::reset();
  host::traceClear();
  // A small raster surface, so that the drawing calls reach real pixels too.
  gdihost::selectTarget(gdihost::createSurface(48, 48, 0xFFFFFF));

  FuzzedDataProvider data(bytes, size);
  RandomValues values(data);
  std::vector<jword> listBoxes;
  const int calls = data.ConsumeIntegralInRange(1, 8);
  for (int i = 0; i < calls && data.remaining_bytes(); ++i) {
    const vmhost::NativeRecord& native = pickNative(data);
    tamri_test::NativeArguments args = tamri_test::buildArguments(native, values);
    if (native.classPath == kListBox) {
      args.self = listBoxReceiver(data, args.self, listBoxes);
      if (native.nameAndSignature == "constructListBox(II[I[I)V") plausibleConstruction(data, args);
    }
    if (!tamri_test::isClassNative(native) && args.self == 0) continue;
    const vmhost::CallResult result =
        vmhost::callNative(native, args.self, args.references, args.scalars);
    if (!result.balanced) {
      std::fprintf(stderr, "argument stacks moved by %s %s\n", native.classPath.c_str(),
                   native.nameAndSignature.c_str());
      std::abort();
    }
  }
  deleteListBoxes(listBoxes);
  host::traceClear();
  return 0;
}
