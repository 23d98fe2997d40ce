// A canvas to call the CgpCanvas natives on, with a pen whose colours,
// styles and widths all differ, and the module-wide transform cleared.
#pragma once

#include "canvas/canvas_transform.h"
#include "vm_test_support.h"

#include <string>
#include <vector>

namespace tamri_test {

inline constexpr const char* kCanvas = "gpclasses/graphics/CgpCanvas";
using Lines = std::vector<std::string>;

class CanvasTest : public VmTest {
 protected:
  void SetUp() override {
    VmTest::SetUp();
    tamri::canvasTransform() = {};
    canvas = makeObject(kCanvas, {{"color", 0x112233},
                                  {"backColor", 0x445566},
                                  {"fillStyle", 3},
                                  {"lineWidth", 2},
                                  {"lineStyle", 4},
                                  {"surface", 1}});
  }
  // Calls a native of the canvas with int scalars (bytes in their low 8 bits).
  vmhost::CallResult call(const char* nameSig, std::vector<int32_t> ints,
                          std::vector<jword> arrays = {}) {
    std::vector<uint32_t> words(ints.begin(), ints.end());
    return callOn(canvas, nameSig, words, arrays);
  }
  // Calls a class native of the canvas (no `this`); a missing one fails as unbalanced.
  static vmhost::CallResult callClass(const char* nameSig, std::vector<int32_t> ints,
                                      std::vector<jword> references = {}) {
    const vmhost::NativeRecord* native = vmhost::findNative(kCanvas, nameSig);
    const std::vector<uint32_t> words(ints.begin(), ints.end());
    const vmhost::CallResult result =
        native ? vmhost::callNative(*native, 0, references, words) : vmhost::CallResult{};
    EXPECT_TRUE(result.balanced) << nameSig;
    return result;
  }
  // The drawing-layer calls of this one call alone.
  Lines drawnBy(const char* nameSig, std::vector<int32_t> ints, std::vector<jword> arrays = {}) {
    host::traceClear();
    call(nameSig, std::move(ints), std::move(arrays));
    return drawn();
  }
  void setPen(const char* field, int64_t value) { vmhost::setField(canvas, field, value); }
  static std::vector<std::string> drawn() { return traceWith("osGX"); }

  jword canvas = 0;
};

}  // namespace tamri_test
