// The native call frame: reference resolution, local references, results
// and VM callbacks, driven through the stand-in VM's stacks.
#include "module/call_frame.h"
#include "module/graphic_record.h"
#include "module/vm_callback.h"
#include "vm_test_support.h"

namespace {

using namespace tamri;
using tamri_test::makeObject;

constexpr const char* kArc = "gpclasses/graphics/CgpArc";

// What the test natives saw, read after the call.
struct Observed {
  FieldBlock blocks[4] = {};
  jword words[4] = {};
  jword* spBefore = nullptr;
  jword* spInside = nullptr;
  jword* spAfter = nullptr;
} seen;

vmhost::CallResult runAsNative(NativeEntryPoint entry, jword self, std::vector<jword> refs = {},
                               std::vector<uint32_t> scalars = {}) {
  seen = {};
  const vmhost::NativeRecord record{kArc, "test()V", entry};
  return vmhost::callNative(record, self, refs, scalars);
}

class CallFrameTest : public tamri_test::VmTest {};

TEST_F(CallFrameTest, ArgumentHandlesResolveToTheObjectsInTheirSlots) {
  const jword self = makeObject(kArc);
  const jword other = makeObject(kArc);
  runAsNative(
      [] {
        seen.blocks[0] = fieldBlockOf(256);
        seen.blocks[1] = fieldBlockOf(257);
        seen.blocks[2] = fieldBlockOf(258);  // the null argument
        seen.words[0] = resolveWord(0);
        seen.words[1] = resolveWord(200);
      },
      self, {other, 0});
  EXPECT_EQ(seen.blocks[0], vmhost::fieldBlock(self));
  EXPECT_EQ(seen.blocks[1], vmhost::fieldBlock(other));
  EXPECT_EQ(seen.blocks[2], nullptr);
  EXPECT_EQ(seen.words[0], 0u);
  EXPECT_EQ(seen.words[1], 200u);
}

TEST_F(CallFrameTest, DirectReferencesAndOwnSlotsResolveAlike) {
  const jword self = makeObject(kArc);
  runAsNative(
      [] {
        const jword direct = tendPtr(fieldBlockOf(256));
        seen.blocks[0] = fieldBlockOf(direct);
        const LocalRef held(direct, true);
        seen.words[0] = held.value();
        seen.blocks[1] = held.resolve();
        const LocalRef plain(direct, false);
        seen.words[1] = plain.value();
      },
      self);
  EXPECT_EQ(seen.blocks[0], vmhost::fieldBlock(self));
  EXPECT_EQ(seen.words[0], 512u + 1);  // one argument slot lies below the frame pointer
  EXPECT_EQ(seen.blocks[1], vmhost::fieldBlock(self));
  EXPECT_EQ(seen.words[1], self);
}

TEST_F(CallFrameTest, LocalRefSlotsArePoppedOnEveryPath) {
  const jword self = makeObject(kArc);
  const vmhost::CallResult result = runAsNative(
      [] {
        seen.spBefore = *get_psp();
        {
          const LocalRef a = LocalRef::empty();
          const LocalRef b(tendPtr(fieldBlockOf(256)), true);
          seen.spInside = *get_psp();
          if (b.resolve()) return;  // early return still releases both
        }
      },
      self);
  EXPECT_TRUE(result.balanced);
  EXPECT_EQ(seen.spInside, seen.spBefore - 2);
}

TEST_F(CallFrameTest, AssigningIntoAnArgumentHandlePushesANewSlot) {
  const jword self = makeObject(kArc);
  const jword other = makeObject(kArc);
  const vmhost::CallResult result = runAsNative(
      [] {
        LocalRef arg = LocalRef::argument(0);
        seen.spBefore = *get_psp();
        arg = 257;
        seen.spInside = *get_psp();
        seen.words[0] = arg.value();
        seen.blocks[0] = arg.resolve();
        seen.words[1] = (*get_pfp())[-1];  // the argument slot itself
      },
      self, {other});
  EXPECT_TRUE(result.balanced);
  EXPECT_EQ(seen.spInside, seen.spBefore - 1);
  EXPECT_EQ(seen.words[0], 512u + 2);
  EXPECT_EQ(seen.blocks[0], vmhost::fieldBlock(other));
  EXPECT_EQ(seen.words[1], self);
}

TEST_F(CallFrameTest, EmptyAndDirectLocalRefsTakeTheObjectsAssigned) {
  const jword self = makeObject(kArc);
  const jword other = makeObject(kArc);
  const vmhost::CallResult result = runAsNative(
      [] {
        LocalRef slot = LocalRef::empty();
        seen.words[0] = slot.isNull() ? 1 : 0;
        seen.blocks[0] = slot.resolve();
        slot = 257;  // into its own slot: no new one
        seen.words[1] = slot.value();
        seen.blocks[1] = slot.resolve();
        LocalRef direct(tendPtr(fieldBlockOf(256)), false);
        seen.spBefore = *get_psp();
        direct = 257;  // a direct reference takes the other object's word
        seen.spInside = *get_psp();
        seen.words[2] = direct.value();
        seen.blocks[2] = direct.resolve();
        direct = 0;
        seen.words[3] = direct.isNull() ? 1 : 0;
      },
      self, {other});
  EXPECT_TRUE(result.balanced);
  EXPECT_EQ(seen.words[0], 1u);
  EXPECT_EQ(seen.blocks[0], nullptr);
  EXPECT_EQ(seen.words[1], 512u + 2);  // two argument slots lie below the frame pointer
  EXPECT_EQ(seen.blocks[1], vmhost::fieldBlock(other));
  EXPECT_EQ(seen.spInside, seen.spBefore);
  EXPECT_EQ(seen.words[2], other);
  EXPECT_EQ(seen.blocks[2], vmhost::fieldBlock(other));
  EXPECT_EQ(seen.words[3], 1u);
}

TEST_F(CallFrameTest, IntResultGoesToTheFirstValueWordEvenWithoutScalars) {
  const vmhost::CallResult result = runAsNative([] { returnInt(-42); }, makeObject(kArc), {}, {});
  EXPECT_TRUE(result.balanced);
  EXPECT_EQ(static_cast<int32_t>(result.value), -42);
}

TEST_F(CallFrameTest, ScalarsAreReadInDeclaredOrderWithByteSigns) {
  runAsNative(
      [] {
        seen.words[0] = static_cast<jword>(intArg(0));
        seen.words[1] = static_cast<jword>(static_cast<int32_t>(byteArg(1)));
        seen.words[2] = boolArg(2) ? 1 : 0;
      },
      makeObject(kArc), {}, {7, 0xFF, 0x100});
  EXPECT_EQ(seen.words[0], 7u);
  EXPECT_EQ(static_cast<int32_t>(seen.words[1]), -1);
  EXPECT_EQ(seen.words[2], 0u);  // only the lowest byte of a boolean counts
}

TEST_F(CallFrameTest, ObjectResultOverwritesThis) {
  const jword self = makeObject(kArc);
  const jword other = makeObject(kArc);
  const vmhost::CallResult result = runAsNative(
      [] {
        const LocalRef second = LocalRef::argument(1);
        returnObject(second);
      },
      self, {other});
  EXPECT_EQ(result.reference, other);
}

// The host side of a VM method that answers an object: the receiver itself.
jword answerReceiver(jword self, std::span<const uint32_t>) { return self; }

TEST_F(CallFrameTest, CallbacksRegisterTheirIdentifierOnceAndBalanceTheStacks) {
  vmhost::setHostMethod("gpclasses/graphics/CgpComplexObj",
                        "updateBoundingRectangle()Lgpclasses/baseclasses/CgpGraphics;",
                        answerReceiver);
  const jword self = makeObject("gpclasses/graphics/CgpComplexObj");
  const bool boundBefore = vm_methods::updateBoundingRectangle.identifier >= 0;
  const vmhost::CallResult result = runAsNative(
      [] {
        const LocalRef me = LocalRef::argument(0);
        seen.spBefore = *get_psp();
        seen.words[0] = callObjectMethod(vm_methods::updateBoundingRectangle, Dispatch::Direct, me);
        seen.words[1] = callObjectMethod(vm_methods::updateBoundingRectangle, Dispatch::Direct, me);
        callVoidMethod(vm_methods::setPosition, Dispatch::Direct, me, {3, 4});
        seen.spAfter = *get_psp();
      },
      self);
  EXPECT_TRUE(result.balanced);
  EXPECT_EQ(seen.spAfter, seen.spBefore);
  EXPECT_EQ(seen.words[0], self);
  EXPECT_EQ(seen.words[1], self);
  EXPECT_EQ(tamri_test::traceWith("RegisterMethod(\"gpclasses/graphics/CgpComplexObj\"").size(),
            boundBefore ? 0u : 1u);
  EXPECT_GE(vm_methods::updateBoundingRectangle.identifier, 0);
  EXPECT_EQ(vmhost::getField(self, "x1"), 3);
  EXPECT_EQ(vmhost::getField(self, "y1"), 4);
}

}  // namespace
