// The native call frame: reference resolution, local references, results
// and VM callbacks, driven through the stand-in VM's stacks.
#include "module/call_frame.h"
#include "module/graphic_record.h"
#include "vm_test_support.h"

namespace {

using namespace tamri;
using tamri_test::makeObject;

// What the test natives saw, read after the call.
struct Observed {
  std::vector<FieldBlock> blocks;
  std::vector<jword> words;  // and the slots pushed between two points of a native
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

// Handles 256 on are argument slots; a word below is a direct reference. A
// held reference takes a slot, released on every path.
TEST_F(CallFrameTest, ArgumentHandlesAndDirectReferencesResolveAlikeAndHeldOnesTakeASlot) {
  runAsNative(
      [] {
        const jword direct = tendPtr(fieldBlockOf(256));
        seen.blocks = {fieldBlockOf(256), fieldBlockOf(257), fieldBlockOf(258),
                       fieldBlockOf(direct)};
        jword* const before = *get_psp();
        const LocalRef held(direct, true);
        seen.blocks.push_back(held.resolve());
        seen.words = {resolveWord(0), resolveWord(200), held.value(),
                      LocalRef(direct, false).value()};
        const LocalRef empty = LocalRef::empty();
        seen.words.push_back(jword(before - *get_psp()));
        if (held.resolve()) return;  // an early return still releases both
      },
      self, {other, 0});
  // 258 is the null argument. Three argument slots lie below the frame pointer:
  // the first own slot is 515.
  EXPECT_EQ(seen.blocks,
            (std::vector<FieldBlock>{selfBlock, otherBlock, nullptr, selfBlock, selfBlock}));
  EXPECT_EQ(seen.words, (std::vector<jword>{0, 200, 512 + 3, self, 2}));
}

// An argument handle assigned to gets a new slot, an empty reference keeps
// its own, a direct one takes the other object's word.
TEST_F(CallFrameTest, AssigningIntoLocalRefs) {
  runAsNative(
      [] {
        LocalRef arg = LocalRef::argument(0);
        LocalRef slot = LocalRef::empty();
        LocalRef direct(tendPtr(fieldBlockOf(256)), false);
        seen.words = {slot.isNull(), slot.resolve() == nullptr};
        jword* const before = *get_psp();
        arg = 257;
        const jword pushedByArgument = jword(before - *get_psp());
        slot = 257;
        direct = 257;
        seen.words.insert(seen.words.end(), {pushedByArgument, jword(before - *get_psp())});
        seen.blocks = {arg.resolve(), slot.resolve(), direct.resolve()};
        // The argument slot itself keeps its object.
        seen.words.insert(seen.words.end(),
                          {arg.value(), (*get_pfp())[-1], slot.value(), direct.value()});
        direct = 0;
        seen.words.push_back(direct.isNull());
      },
      self, {other});
  // Two argument slots lie below the frame pointer: the empty reference takes
  // 514, the argument's new slot 515.
  EXPECT_EQ(seen.words, (std::vector<jword>{1, 1, 1, 1, 512 + 3, self, 512 + 2, other, 1}));
  EXPECT_EQ(seen.blocks, (std::vector<FieldBlock>{otherBlock, otherBlock, otherBlock}));
}

TEST_F(CallFrameTest, ScalarsInDeclaredOrderWithByteSigns) {
  runAsNative(
      [] {
        // Only the lowest byte of a boolean counts.
        seen.words = {jword(intArg(0)), jword(int32_t{byteArg(1)}), boolArg(2)};
      },
      self, {}, {7, 0xFF, 0x100});
  EXPECT_EQ(seen.words, (std::vector<jword>{7, jword(-1), 0}));
}

}  // namespace
