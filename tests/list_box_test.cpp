// CgpListBox model handles through the VM frame: what only C++ can see, the
// count of live models and handles forged from a live one (the drawn rows,
// cursors, titles and limits are tests/scenes/list_boxes.json).
#include "listbox/list_box_table.h"
#include "vm_test_support.h"

namespace {

using tamri_test::callOn;
using tamri_test::makeIntArray;
using tamri_test::traceWith;
using Lines = std::vector<std::string>;

constexpr const char* kSetTitle = "setTitle([Ljava/lang/String;Lgpclasses/graphics/CgpFont;III)V";

class ListBoxTest : public tamri_test::VmTest {
 protected:
  void TearDown() override {
    for (const jword list : lists_) callOn(list, "deleteListBox()V");
    EXPECT_EQ(tamri::liveListBoxModels(), 0);
  }

  // A list at (10, 20)-(209, 119) on font 4.
  jword list(const tamri_test::FieldValues& extra = {}) {
    const tamri_test::FieldValues own{
        {"x1", 10}, {"y1", 20}, {"x2", 209}, {"y2", 119}, {"listFont", font(4)}};
    lists_.push_back(
        tamri_test::makeObject("gpclasses/graphics/CgpListBox", tamri_test::joined(own, extra)));
    return lists_.back();
  }
  static void construct(jword object, uint32_t columns, uint32_t rows, jword widths,
                        jword maxLengths) {
    callOn(object, "constructListBox(II[I[I)V", {columns, rows}, {widths, maxLengths});
  }
  // A one-column list.
  jword constructed(uint32_t rows) {
    const jword object = list();
    construct(object, 1, rows, makeIntArray({60}), makeIntArray({12}));
    return object;
  }
  static jword font(int64_t handle) {
    return tamri_test::makeObject("gpclasses/graphics/CgpFont", {{"fontHandle", handle}});
  }
  static jword texts(const char* text) {
    return vmhost::newRefArray(std::vector<jword>{vmhost::newStringUtf8(text)});
  }
  static void insert(jword object, const char* text) {
    callOn(object, "insertRow([Ljava/lang/String;IZ)V", {99, 1}, {texts(text)});
  }
  static int64_t field(jword object, const char* name) { return vmhost::getField(object, name); }
  // The texts the list draws.
  static Lines shown(jword object) {
    host::traceClear();
    callOn(object, "draw(I)V", {1});
    Lines all;
    for (const std::string& line : traceWith("osGXtext(")) {
      const size_t open = line.find('"');
      all.push_back(line.substr(open + 1, line.rfind('"') - open - 1));
    }
    return all;
  }

  std::vector<jword> lists_;
};

TEST_F(ListBoxTest, MissingDeletedStaleAndForgedHandlesNeverReachAModel) {
  const jword box = constructed(2);
  const int64_t handle = field(box, "listHandle");
  EXPECT_GT(handle, 0);
  callOn(box, "deleteListBox()V");
  EXPECT_EQ(field(box, "listHandle"), 0);
  callOn(box, "deleteListBox()V");  // twice: nothing
  const jword live = constructed(2);
  insert(live, "kept");
  const int64_t liveHandle = field(live, "listHandle");
  // No handle, the freed one, the live one's slot with another serial, and
  // numbers that were never handed out: nothing draws or changes a field.
  for (const int64_t forged : {int64_t{0}, handle, liveHandle + 1024, liveHandle ^ 1, int64_t{-1},
                               int64_t{0x7FFFFFFF}, int64_t{1}}) {
    const jword other = list({{"listHandle", forged}, {"rowLimit", 3}, {"pointY", 90}});
    host::traceClear();
    callOn(other, kSetTitle, {1, 2, 3}, {texts("T"), font(9)});
    callOn(other, "setFrame(IIBB)V", {1, 2, 3, 4});
    callOn(other, "draw(I)V", {1});
    callOn(other, "wipeOut()V");
    EXPECT_EQ(callOn(other, "getRowPos()I").value, 0u) << forged;
    callOn(other, "deleteListBox()V");
    EXPECT_EQ(traceWith("osGX"), Lines{}) << forged;
    EXPECT_EQ(tamri_test::readFields(other, {"titleFlag", "frameWidthByte", "listHandle"}),
              (std::vector<int64_t>{0, 0, 0}))
        << forged;
  }
  EXPECT_EQ(shown(live), (Lines{"kept"}));
  EXPECT_EQ(tamri::liveListBoxModels(), 1);
}

TEST_F(ListBoxTest, ASecondConstructionFreesTheFirstModelAndAtMost1024Live) {
  const jword box = constructed(2);
  const int64_t first = field(box, "listHandle");
  construct(box, 2, 3, makeIntArray({10, 10}), makeIntArray({2, 2}));
  EXPECT_NE(field(box, "listHandle"), first);
  EXPECT_EQ(tamri::liveListBoxModels(), 1);
  construct(box, 0, 3, 0, 0);  // refused: the old model is gone all the same
  EXPECT_EQ(field(box, "listHandle"), 0);
  EXPECT_EQ(tamri::liveListBoxModels(), 0);
  // At most 1024 live at once.
  std::vector<jword> boxes;
  for (int i = 0; i < tamri::kMaxLiveListBoxes; ++i) boxes.push_back(constructed(1));
  for (const jword one : boxes) ASSERT_NE(field(one, "listHandle"), 0);
  // Slots are given out in turn, so neighbours differ in the slot's low bit.
  insert(boxes[1], "one");
  insert(boxes[2], "two");
  EXPECT_EQ(shown(boxes[1]), Lines{"one"});
  EXPECT_EQ(shown(boxes[2]), Lines{"two"});
  const jword extra = constructed(1);
  EXPECT_EQ(field(extra, "listHandle"), 0);
  callOn(boxes[5], "deleteListBox()V");
  construct(extra, 1, 1, makeIntArray({5}), makeIntArray({5}));
  EXPECT_NE(field(extra, "listHandle"), 0);
}

}  // namespace
