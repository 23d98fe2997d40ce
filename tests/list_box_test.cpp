// CgpListBox natives driven through the VM frame: scrolling inserts, the
// cursor rules, row positions, the exact drawing-layer calls, and every bad
// input the natives meet (missing or forged models, short arrays, limits).
#include "listbox/list_box_table.h"
#include "vm_test_support.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <tuple>

namespace {

using tamri_test::callOn;
using tamri_test::makeIntArray;
using tamri_test::readFields;
using tamri_test::traceWith;
using Lines = std::vector<std::string>;
using Ints = std::vector<int>;

constexpr const char* kListBox = "gpclasses/graphics/CgpListBox";
constexpr const char* kInsertRow = "insertRow([Ljava/lang/String;IZ)V";
constexpr const char* kSetTitle = "setTitle([Ljava/lang/String;Lgpclasses/graphics/CgpFont;III)V";
constexpr const char* kSetContents = "setContents([Ljava/lang/String;II)V";
constexpr int32_t kText = 0x112233;
constexpr int32_t kCursorText = 0xEEDDCC;  // kText inverted
constexpr uint32_t kSurface = 1;
constexpr uint32_t kMinusOne = static_cast<uint32_t>(-1);

// One drawn column text: where it lies, its colour and characters.
struct ShownText {
  int left = 0, top = 0, right = 0, bottom = 0;
  unsigned colour = 0;
  std::string text;
};

ShownText parseText(const std::string& line) {
  ShownText shown;
  std::sscanf(line.c_str(), "osGXtext(%*d, {%d, %d, %d, %d}, {0x%x", &shown.left, &shown.top,
              &shown.right, &shown.bottom, &shown.colour);
  const size_t open = line.find('"');
  shown.text = line.substr(open + 1, line.rfind('"') - open - 1);
  return shown;
}

class ListBoxTest : public tamri_test::VmTest {
 protected:
  void TearDown() override {
    for (const jword list : lists_) callOn(list, "deleteListBox()V");
    EXPECT_EQ(tamri::liveListBoxModels(), 0);
  }

  // A list at (10, 20)-(209, 119), 100 pixels high, on data-row font 4.
  jword list(const tamri_test::FieldValues& extra = {}) {
    // clang-format off
    const tamri_test::FieldValues own{{"x1", 10}, {"y1", 20}, {"x2", 209}, {"y2", 119},
        {"firstColor", 7}, {"textColor", kText}, {"backColor", 0xF0F0F0}, {"listFont", font(4)}};
    // clang-format on
    lists_.push_back(tamri_test::makeObject(kListBox, tamri_test::joined(own, extra)));
    return lists_.back();
  }
  jword constructed(int32_t columns, int32_t rows, std::vector<int32_t> widths = {60, 60},
                    std::vector<int32_t> maxLengths = {12, 12}) {
    const jword object = list();
    construct(object, columns, rows, makeIntArray(std::move(widths)),
              makeIntArray(std::move(maxLengths)));
    return object;
  }
  static void construct(jword object, int32_t columns, int32_t rows, jword widths,
                        jword maxLengths) {
    callOn(object, "constructListBox(II[I[I)V",
           {static_cast<uint32_t>(columns), static_cast<uint32_t>(rows)}, {widths, maxLengths});
  }
  // A one-column list of 50 pixels and 4 characters.
  jword narrow(int32_t rows, const tamri_test::FieldValues& extra) {
    const jword object = list(extra);
    construct(object, 1, rows, makeIntArray({50}), makeIntArray({4}));
    return object;
  }
  static jword font(int64_t handle) {
    return tamri_test::makeObject("gpclasses/graphics/CgpFont", {{"fontHandle", handle}});
  }
  // A string array; nullptr elements stay null.
  static jword texts(std::vector<const char*> elements) {
    std::vector<jword> strings;
    for (const char* text : elements) strings.push_back(text ? vmhost::newStringUtf8(text) : 0);
    return vmhost::newRefArray(strings);
  }
  static void insert(jword object, std::vector<const char*> rows, bool atTop) {
    for (const char* text : rows)
      callOn(object, kInsertRow, {99, atTop ? 1u : 0u}, {texts({text})});
  }
  static void cursor(jword object, uint32_t index) { callOn(object, "setCursor(I)V", {index}); }
  static void title(jword object, std::vector<const char*> names, int32_t textHeight) {
    callOn(object, kSetTitle, {0xFFFFFF, 0x203040, static_cast<uint32_t>(textHeight)},
           {texts(std::move(names)), font(9)});
  }
  static int64_t field(jword object, const char* name) { return vmhost::getField(object, name); }
  static uint32_t rowAt(jword object, int64_t y) {
    vmhost::setField(object, "pointY", y);
    return callOn(object, "getRowPos()I").value;
  }

  static std::vector<ShownText> drawnTexts(jword object) {
    host::traceClear();
    callOn(object, "draw(I)V", {kSurface});
    std::vector<ShownText> all;
    for (const std::string& line : traceWith("osGXtext(")) all.push_back(parseText(line));
    return all;
  }
  // The drawn texts' tops and bottoms, in drawing order.
  static Ints heights(jword object) {
    Ints values;
    for (const ShownText& t : drawnTexts(object)) values.insert(values.end(), {t.top, t.bottom});
    return values;
  }
  // The first column's texts as drawn, top to bottom; the cursor row's
  // (drawn in inverted colours) marked with '>'.
  static Lines shown(jword object) {
    std::map<int, std::string> byTop;
    for (const ShownText& text : drawnTexts(object)) {
      if (text.left == 21) byTop[text.top] = (text.colour == kCursorText ? ">" : "") + text.text;
    }
    Lines rows;
    for (const auto& [top, text] : byTop) rows.push_back(text);
    return rows;
  }

  std::vector<jword> lists_;
};

TEST_F(ListBoxTest, InsertsAtTheTopScrollAndTheSixthDropsTheOldest) {
  const jword box = constructed(1, 5);
  insert(box, {"A", "B", "C", "D", "E"}, true);
  EXPECT_EQ(shown(box), (Lines{"E", "D", "C", "B", "A"}));
  insert(box, {"F"}, true);
  EXPECT_EQ(shown(box), (Lines{"F", "E", "D", "C", "B"}));
  // A's slot, the first, was freed and holds F: rows draw in storage order,
  // 20 pixels apart from the top edge.
  const ShownText first = drawnTexts(box).front();
  EXPECT_EQ(std::tuple(first.text, first.top), std::tuple("F", 21));
}

TEST_F(ListBoxTest, BottomInsertsUnderATitleMoveOlderRowsUpAndKeepTheTitle) {
  const jword box = constructed(1, 4);
  title(box, {"Alarms"}, 16);
  insert(box, {"A", "B", "C"}, false);
  EXPECT_EQ(shown(box), (Lines{"Alarms", "A", "B", "C"}));
  insert(box, {"D"}, false);  // A moves onto the title's place and drops out
  EXPECT_EQ(shown(box), (Lines{"Alarms", "B", "C", "D"}));
  callOn(box, "wipeOut()V");
  EXPECT_EQ(shown(box), (Lines{"Alarms"}));
}

TEST_F(ListBoxTest, TheCursorFollowsItsRowAndOtherwiseTakesTheSmallestUsedIndex) {
  const jword box = constructed(1, 3);
  insert(box, {"A", "B", "C"}, true);
  cursor(box, 1);
  insert(box, {"D"}, true);  // B moves down with the cursor
  EXPECT_EQ(shown(box), (Lines{"D", "C", ">B"}));
  insert(box, {"E"}, true);  // B drops out: the cursor goes to the new last row
  EXPECT_EQ(shown(box), (Lines{"E", "D", ">C"}));
  cursor(box, 0);
  insert(box, {"F"}, false);  // E drops out at the top: the cursor takes the new first row
  EXPECT_EQ(shown(box), (Lines{">D", "C", "F"}));
  // Unknown indexes.
  const jword five = constructed(1, 5);
  cursor(five, kMinusOne);  // no rows: no cursor
  insert(five, {"A", "B", "C"}, true);
  // No row 4 and no cursor yet: the used row with the smallest index.
  cursor(five, 4);
  EXPECT_EQ(shown(five), (Lines{">C", "B", "A"}));
  cursor(five, 2);
  cursor(five, kMinusOne);  // never a free slot
  EXPECT_EQ(shown(five), (Lines{"C", "B", ">A"}));
  cursor(five, 0x10001);  // the low 16 bits: row 1
  EXPECT_EQ(shown(five), (Lines{"C", ">B", "A"}));
  callOn(five, "resetCursor()V");
  EXPECT_EQ(shown(five), (Lines{"C", "B", "A"}));
  // removeRow and wipeOut take the cursor with the rows.
  const jword four = constructed(1, 4);
  insert(four, {"A", "B", "C"}, true);
  cursor(four, 1);
  callOn(four, "removeRow(I)V", {1});                // B goes, C and A keep their places
  EXPECT_EQ(heights(four), (Ints{71, 96, 21, 46}));  // A at index 2, C at 0: rows of 25
  insert(four, {"D"}, true);
  cursor(four, 9);  // no cursor left: the top row
  EXPECT_EQ(shown(four), (Lines{">D", "C", "A"}));
  callOn(four, "wipeOut()V");
  insert(four, {"E"}, true);
  cursor(four, 9);
  EXPECT_EQ(shown(four), (Lines{">E"}));
}

TEST_F(ListBoxTest, RowsAreFoundByTheirIndexOnlyAmongUsedRows) {
  const jword box = constructed(2, 4);
  callOn(box, kSetContents, {0, 2}, {texts({"X", "x"})});
  const ShownText placed = drawnTexts(box).front();  // place 2 of rows 25 high
  EXPECT_EQ(std::tuple(placed.text, placed.top), std::tuple("X", 71));
  callOn(box, kSetContents, {0, 4}, {texts({"out"})});  // no place 4
  callOn(box, kSetContents, {0, kMinusOne}, {texts({"free"})});
  callOn(box, "setRowContent(I[Ljava/lang/String;)V", {2}, {texts({"Y", nullptr})});
  callOn(box, "setRowContent(I[Ljava/lang/String;)V", {kMinusOne}, {texts({"Z"})});
  callOn(box, "setRowColor(III)V", {kMinusOne, 0x0000FF, 0});
  callOn(box, "setRowColor(III)V", {2, 0x00AA00, 0});
  const std::vector<ShownText> drawn = drawnTexts(box);
  ASSERT_EQ(drawn.size(), 2u);
  // Index 2 of rows 25 high; the null element empties its column.
  EXPECT_EQ(std::tuple(drawn[0].text, drawn[0].top, drawn[0].colour, drawn[1].text),
            std::tuple("Y", 71, 0x00AA00u, ""));
  // A free slot taken next keeps the list's own colours.
  insert(box, {"N"}, true);
  EXPECT_EQ(drawnTexts(box)[2].colour, static_cast<unsigned>(kText));
}

TEST_F(ListBoxTest, TextsAreCutToTheColumnMaximumAndColumnsStopTenPixelsInside) {
  // Columns start 11 pixels after the previous one ends: 21-51, 62-152,
  // then 163 would end at 263 and is cut at 199; the fourth starts beyond it.
  const jword box = constructed(4, 2, {30, 90, 100, 5}, {3, 0, 6, 9});
  callOn(box, kInsertRow, {0, 1}, {texts({"ABCDEFG", "hidden", "Level high", "never"})});
  Ints sides;
  Lines cut;
  for (const ShownText& t : drawnTexts(box)) {
    sides.insert(sides.end(), {t.left, t.right});
    cut.push_back(t.text);
  }
  EXPECT_EQ(sides, (Ints{21, 51, 62, 152, 163, 199}));
  EXPECT_EQ(cut, (Lines{"ABC", "", "Level "}));
  // A removed row's columns hold a space; a row filled without a text
  // array empties every column.
  callOn(box, "removeRow(I)V", {0});
  callOn(box, kSetContents, {0, 1}, {0});
  EXPECT_EQ(drawnTexts(box)[0].text, "");
}

// A frame and rules set after a title of 20 widen the band the rows are
// drawn below (20 + 4 / 2 + 3 / 2 = 23) but not the title height the row
// positions are measured with; the frame makes rows (100 - 4) / 4 = 24 high.
TEST_F(ListBoxTest, AFrameOrRulesSetAfterTheTitleWidenOnlyTheBand) {
  const jword box = narrow(4, {{"rowLimit", 9}});
  title(box, {"T"}, 20);
  callOn(box, "setFrame(IIBB)V", {0x000080, 0, 4, 1});
  callOn(box, "setRule(IIBB)V", {0x404040, 0, 3, 1});
  insert(box, {"B", "A"}, true);
  host::traceClear();
  callOn(box, "draw(I)V", {kSurface});
  EXPECT_EQ(traceWith("osGXdrawRectangle(10, 22")[0],
            "osGXdrawRectangle(10, 22, 209, 45, 1, 0, 0x00203040, 0x00203040, 0, 0, 0)");
  // The title, then B at index 2 and A at 1.
  EXPECT_EQ(heights(box), (Ints{23, 43, 72, 94, 48, 70}));
  EXPECT_EQ(rowAt(box, 20 + 20 + 25), 2u);
  EXPECT_EQ(readFields(box, {"frameWidthByte", "titleFlag"}), (std::vector<int64_t>{4, 1}));
}

TEST_F(ListBoxTest, DrawPutsBackTheClipAreaItFound) {
  const jword box = constructed(1, 2);
  osGXsetClipArea(0, 0, 50, 60, kSurface);
  host::traceClear();
  callOn(box, "draw(I)V", {kSurface});
  EXPECT_EQ(traceWith("osGXsetClip"),
            (Lines{"osGXsetClipArea(10, 20, 209, 119, 1)", "osGXsetClipArea(0, 0, 50, 60, 1)"}));
  EXPECT_EQ(traceWith("osGXremoveClipArea"), Lines{});
}

TEST_F(ListBoxTest, GetRowPosCountsRowsBelowTheTitleUpToTheLimit) {
  const jword box = narrow(5, {{"rowLimit", 4}});
  title(box, {"T"}, 24);  // title 24, rows (100 - 24) / 4 = 19
  // Above the list, the title band's last row and just below it, the first
  // row's last pixel and the next, past the end.
  const std::pair<int64_t, uint32_t> titled[] = {{10, 0}, {44, 0}, {45, 1},
                                                 {63, 1}, {64, 2}, {500, 4}};
  for (const auto& [y, row] : titled) EXPECT_EQ(rowAt(box, y), row) << y;
  // Without the title flag rows count from 0 at the top.
  vmhost::setField(box, "titleFlag", 0);
  for (const auto& [y, row] : {std::pair{39, 0u}, {40, 1u}, {20 + 19 * 60, 4u}})
    EXPECT_EQ(rowAt(box, y), row) << y;
}

TEST_F(ListBoxTest, GetRowPosEndsAtTheLimitWhateverTheRowHeight) {
  // A frame wider than the list leaves rows of negative height.
  const jword box = narrow(2, {{"y2", 21}, {"rowLimit", 0x7FFFFFFF}});
  callOn(box, "setFrame(IIBB)V", {0, 0, 100, 1});
  EXPECT_EQ(rowAt(box, 30), 0x7FFFFFFFu);
  insert(box, {"A"}, true);
  cursor(box, 0);
  EXPECT_EQ(shown(box), (Lines{">A"}));
  // A title in the only slot leaves data rows 0 high: a point on the list's
  // top edge is in no row, one pixel below it runs to the limit.
  const jword single = narrow(1, {{"rowLimit", 6}});
  title(single, {"T"}, 10);
  vmhost::setField(single, "titleFlag", 0);
  EXPECT_EQ(rowAt(single, 20), 0u);
  EXPECT_EQ(rowAt(single, 21), 6u);
  // No slot is left for a data row: an insert changes nothing.
  insert(single, {"A"}, true);
  insert(single, {"B"}, false);
  EXPECT_EQ(shown(single), (Lines{"T"}));
}

TEST_F(ListBoxTest, MoveOffsetsTheHomeRectangleUpwardsForAPositiveDy) {
  const jword box = list({{"homeX1", 10}, {"homeY1", 20}, {"homeX2", 209}, {"homeY2", 119}});
  callOn(box, "move(II)V", {5, 10});  // without a model only the record moves
  EXPECT_EQ(readFields(box, {"x1", "y1", "x2", "y2"}), (std::vector<int64_t>{15, 10, 214, 109}));
  construct(box, 1, 2, makeIntArray({50}), makeIntArray({4}));
  insert(box, {"A"}, true);
  callOn(box, "move(II)V", {0, static_cast<uint32_t>(-32768)});
  EXPECT_EQ(field(box, "y1"), -32748);  // 20 + 32768, cut to 16 bits
  callOn(box, "move(II)V", {0, 10});
  EXPECT_EQ(drawnTexts(box).front().top, 11);  // the model moved with the record
}

TEST_F(ListBoxTest, MissingDeletedStaleAndForgedHandlesNeverReachAModel) {
  const jword box = constructed(1, 2);
  const int64_t handle = field(box, "listHandle");
  EXPECT_GT(handle, 0);
  callOn(box, "deleteListBox()V");
  EXPECT_EQ(field(box, "listHandle"), 0);
  callOn(box, "deleteListBox()V");  // twice: nothing
  const jword live = constructed(1, 2);
  insert(live, {"kept"}, true);
  const int64_t liveHandle = field(live, "listHandle");
  // No handle, the freed one, the live one's slot with another serial, and
  // numbers that were never handed out: nothing draws or changes a field.
  for (const int64_t forged : {int64_t{0}, handle, liveHandle + 1024, liveHandle ^ 1, int64_t{-1},
                               int64_t{0x7FFFFFFF}, int64_t{1}}) {
    const jword other = list({{"listHandle", forged}, {"rowLimit", 3}});
    host::traceClear();
    callOn(other, kSetTitle, {1, 2, 3}, {texts({"T"}), font(9)});
    callOn(other, "setFrame(IIBB)V", {1, 2, 3, 4});
    callOn(other, "draw(I)V", {kSurface});
    callOn(other, "wipeOut()V");
    EXPECT_EQ(rowAt(other, 90), 0u) << forged;
    callOn(other, "deleteListBox()V");
    EXPECT_EQ(traceWith("osGX"), Lines{}) << forged;
    EXPECT_EQ(readFields(other, {"titleFlag", "frameWidthByte", "listHandle"}),
              (std::vector<int64_t>{0, 0, 0}))
        << forged;
  }
  EXPECT_EQ(shown(live), (Lines{"kept"}));
  EXPECT_EQ(tamri::liveListBoxModels(), 1);
}

TEST_F(ListBoxTest, ASecondConstructionFreesTheFirstModelAndAtMost1024Live) {
  const jword box = constructed(1, 2);
  const int64_t first = field(box, "listHandle");
  construct(box, 2, 3, makeIntArray({10, 10}), makeIntArray({2, 2}));
  EXPECT_NE(field(box, "listHandle"), first);
  EXPECT_EQ(tamri::liveListBoxModels(), 1);
  construct(box, 0, 3, 0, 0);  // refused: the old model is gone all the same
  EXPECT_EQ(field(box, "listHandle"), 0);
  EXPECT_EQ(tamri::liveListBoxModels(), 0);
  // At most 1024 live at once.
  std::vector<jword> boxes;
  for (int i = 0; i < tamri::kMaxLiveListBoxes; ++i) boxes.push_back(constructed(1, 1));
  for (const jword one : boxes) ASSERT_NE(field(one, "listHandle"), 0);
  // Slots are given out in turn, so neighbours differ in the slot's low bit.
  insert(boxes[1], {"one"}, true);
  insert(boxes[2], {"two"}, true);
  EXPECT_EQ(shown(boxes[1]), Lines{"one"});
  EXPECT_EQ(shown(boxes[2]), Lines{"two"});
  const jword extra = constructed(1, 1);
  EXPECT_EQ(field(extra, "listHandle"), 0);
  callOn(boxes[5], "deleteListBox()V");
  construct(extra, 1, 1, makeIntArray({5}), makeIntArray({5}));
  EXPECT_NE(field(extra, "listHandle"), 0);
}

TEST_F(ListBoxTest, ConstructionOutsideTheLimitsMakesNoModel) {
  struct Case {
    int32_t columns, rows;
    std::vector<int32_t> maxLengths;
  };
  // The last: 4096 rows of 256 + 1 characters, beyond 2^20.
  const Case refused[] = {{0, 5, {4}}, {-1, 5, {4}},   {2, 0, {4, 4}},       {2, -3, {4, 4}},
                          {65, 2, {}}, {1, 4097, {1}}, {1, 2, {0x7FFFFFFF}}, {2, 4096, {255, 0}}};
  for (const Case& c : refused) {
    const jword box = list({{"listHandle", 0}});
    construct(box, c.columns, c.rows, makeIntArray({5}), makeIntArray(c.maxLengths));
    EXPECT_EQ(field(box, "listHandle"), 0) << c.columns << " x " << c.rows;
  }
  // The largest list: 4096 rows, 64 columns of 3 characters each.
  const jword largest = list();
  construct(largest, 64, 4096, makeIntArray({}), makeIntArray(std::vector<int32_t>(64, 3)));
  EXPECT_NE(field(largest, "listHandle"), 0);
  // Short or missing arrays and negative maximum lengths: empty columns,
  // widths of 0 put them 11 pixels apart.
  const jword loose = list();
  construct(loose, 3, 2, 0, makeIntArray({-5}));
  callOn(loose, kInsertRow, {0, 1}, {texts({"a", "b", "c"})});
  Lines cut;
  Ints lefts;
  for (const ShownText& t : drawnTexts(loose)) cut.push_back(t.text), lefts.push_back(t.left);
  EXPECT_EQ(cut, (Lines{"", "", ""}));
  EXPECT_EQ(lefts, (Ints{21, 32, 43}));
}

TEST_F(ListBoxTest, ATitleSetAgainReplacesItAndAFullListKeepsAllItsRowsAsDataRows) {
  const jword box = constructed(1, 3);
  title(box, {"First"}, 10);
  title(box, {"Second"}, 10);
  EXPECT_EQ(shown(box), (Lines{"Second"}));
  const jword full = constructed(1, 2);
  insert(full, {"A", "B"}, true);
  title(full, {"T"}, 30);  // heights change: the rows now start 30 lower
  EXPECT_EQ(field(full, "titleFlag"), 1);
  // B at index 0 is drawn one row of 70 above: 20 + 30 - 70 + 1. B is a data
  // row, not the title: it takes the cursor as the smallest index.
  cursor(full, 9);
  const std::vector<ShownText> drawn = drawnTexts(full);
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(std::tuple(drawn[0].text, drawn[1].text, drawn[1].top, drawn[1].colour),
            std::tuple("A", "B", -19, static_cast<unsigned>(kCursorText)));
}

}  // namespace
