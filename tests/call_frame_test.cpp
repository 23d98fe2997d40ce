// The native call frame: reference resolution, local references, results
// and VM callbacks, driven through the stand-in VM's stacks.
#include "module/call_frame.h"
#include "module/graphic_record.h"
#include "module/vm_callback.h"
#include "vm_test_support.h"

namespace {

using namespace tamri;
using tamri_test::makeObject;

// What the test natives saw, read after the call.
struct Observed {
  FieldBlock blocks[4] = {};
  jword words[4] = {};
  ptrdiff_t pushed = 0;  // slots pushed between two points of a native
} seen;

vmhost::CallResult runAsNative(NativeEntryPoint entry, jword self, std::vector<jword> refs = {},
                               std::vector<uint32_t> scalars = {}) {
  seen = {};
  const vmhost::NativeRecord record{"gpclasses/graphics/CgpArc", "test()V", entry};
  const vmhost::CallResult result = vmhost::callNative(record, self, refs, scalars);
  EXPECT_TRUE(result.balanced);
  return result;
}

class CallFrameTest : public tamri_test::VmTest {
 protected:
  void SetUp() override {
    VmTest::SetUp();
    self = makeObject("gpclasses/graphics/CgpArc");
    other = makeObject("gpclasses/graphics/CgpArc");
    selfBlock = vmhost::fieldBlock(self);
    otherBlock = vmhost::fieldBlock(other);
  }
  jword self = 0, other = 0;
  FieldBlock selfBlock = nullptr, otherBlock = nullptr;
};

// Handles 256 on are argument slots; a word below is a direct reference.
TEST_F(CallFrameTest, ArgumentHandlesAndDirectReferencesResolveAlike) {
  runAsNative(
      [] {
        seen.blocks[0] = fieldBlockOf(256);
        seen.blocks[1] = fieldBlockOf(257);
        seen.blocks[2] = fieldBlockOf(258);  // the null argument
        seen.blocks[3] = fieldBlockOf(tendPtr(fieldBlockOf(256)));
        seen.words[0] = resolveWord(0);
        seen.words[1] = resolveWord(200);
      },
      self, {other, 0});
  EXPECT_EQ(std::vector<FieldBlock>(seen.blocks, seen.blocks + 4),
            (std::vector<FieldBlock>{selfBlock, otherBlock, nullptr, selfBlock}));
  EXPECT_EQ(std::pair(seen.words[0], seen.words[1]), std::pair(0u, 200u));
}

TEST_F(CallFrameTest, HeldReferencesTakeASlotAndPopItOnEveryPath) {
  runAsNative(
      [] {
        jword* const before = *get_psp();
        const jword direct = tendPtr(fieldBlockOf(256));
        const LocalRef held(direct, true);
        seen.words[0] = held.value();
        seen.blocks[0] = held.resolve();
        seen.words[1] = LocalRef(direct, false).value();
        const LocalRef empty = LocalRef::empty();
        seen.pushed = before - *get_psp();
        if (held.resolve()) return;  // an early return still releases both
      },
      self);
  // One argument slot lies below the frame pointer: the first own slot is 513.
  EXPECT_EQ(std::tuple(seen.words[0], seen.blocks[0], seen.words[1], seen.pushed),
            std::tuple(512u + 1, selfBlock, self, ptrdiff_t{2}));
}

TEST_F(CallFrameTest, AssigningIntoAnArgumentHandlePushesANewSlot) {
  runAsNative(
      [] {
        LocalRef arg = LocalRef::argument(0);
        jword* const before = *get_psp();
        arg = 257;
        seen.pushed = before - *get_psp();
        seen.words[0] = arg.value();
        seen.blocks[0] = arg.resolve();
        seen.words[1] = (*get_pfp())[-1];  // the argument slot itself
      },
      self, {other});
  EXPECT_EQ(std::tuple(seen.pushed, seen.words[0], seen.blocks[0], seen.words[1]),
            std::tuple(ptrdiff_t{1}, 512u + 2, otherBlock, self));
}

TEST_F(CallFrameTest, EmptyAndDirectLocalRefsTakeTheObjectsAssigned) {
  runAsNative(
      [] {
        LocalRef slot = LocalRef::empty();
        seen.words[0] = slot.isNull() && slot.resolve() == nullptr;
        slot = 257;  // into its own slot: no new one
        seen.words[1] = slot.value();
        seen.blocks[1] = slot.resolve();
        LocalRef direct(tendPtr(fieldBlockOf(256)), false);
        jword* const before = *get_psp();
        direct = 257;  // a direct reference takes the other object's word
        seen.pushed = before - *get_psp();
        seen.words[2] = direct.value();
        seen.blocks[2] = direct.resolve();
        direct = 0;
        seen.words[3] = direct.isNull();
      },
      self, {other});
  // Two argument slots lie below the frame pointer.
  EXPECT_EQ(std::vector<jword>(seen.words, seen.words + 4),
            (std::vector<jword>{1, 512 + 2, other, 1}));
  EXPECT_EQ(std::tuple(seen.blocks[1], seen.blocks[2], seen.pushed),
            std::tuple(otherBlock, otherBlock, ptrdiff_t{0}));
}

TEST_F(CallFrameTest, ScalarsInDeclaredOrderWithByteSignsAndResults) {
  runAsNative(
      [] {
        seen.words[0] = static_cast<jword>(intArg(0));
        seen.words[1] = static_cast<jword>(static_cast<int32_t>(byteArg(1)));
        seen.words[2] = boolArg(2);  // only the lowest byte of a boolean counts
      },
      self, {}, {7, 0xFF, 0x100});
  EXPECT_EQ(std::vector<jword>(seen.words, seen.words + 3), (std::vector<jword>{7, jword(-1), 0}));
  // An int result goes to the first value word, even without scalars.
  EXPECT_EQ(static_cast<int32_t>(runAsNative([] { returnInt(-42); }, self).value), -42);
  // An object result overwrites `this`.
  EXPECT_EQ(runAsNative([] { returnObject(LocalRef::argument(1)); }, self, {other}).reference,
            other);
}

// The host side of a VM method that answers an object: the receiver itself.
jword answerReceiver(jword self, std::span<const uint32_t>) { return self; }

TEST_F(CallFrameTest, CallbacksRegisterTheirIdentifierOnceAndBalanceTheStacks) {
  vmhost::setHostMethod("gpclasses/graphics/CgpComplexObj",
                        "updateBoundingRectangle()Lgpclasses/baseclasses/CgpGraphics;",
                        answerReceiver);
  const jword complex = makeObject("gpclasses/graphics/CgpComplexObj");
  const bool boundBefore = vm_methods::updateBoundingRectangle.identifier >= 0;
  runAsNative(
      [] {
        const LocalRef me = LocalRef::argument(0);
        jword* const before = *get_psp();
        seen.words[0] = callObjectMethod(vm_methods::updateBoundingRectangle, Dispatch::Direct, me);
        seen.words[1] = callObjectMethod(vm_methods::updateBoundingRectangle, Dispatch::Direct, me);
        callVoidMethod(vm_methods::setPosition, Dispatch::Direct, me, {3, 4});
        seen.pushed = before - *get_psp();
      },
      complex);
  EXPECT_EQ(std::tuple(seen.pushed, seen.words[0], seen.words[1]),
            std::tuple(ptrdiff_t{0}, complex, complex));
  EXPECT_EQ(tamri_test::traceWith("RegisterMethod(\"gpclasses/graphics/CgpComplexObj\"").size(),
            boundBefore ? 0u : 1u);
  EXPECT_GE(vm_methods::updateBoundingRectangle.identifier, 0);
  EXPECT_EQ(std::pair(vmhost::getField(complex, "x1"), vmhost::getField(complex, "y1")),
            std::pair(int64_t{3}, int64_t{4}));
}

}  // namespace
