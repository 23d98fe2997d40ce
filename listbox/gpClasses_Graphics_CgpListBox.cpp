// CgpListBox: a grid of text rows and columns with an optional title, frame,
// rules and a cursor row, kept in a native model that the object reaches
// through its `listHandle`. Every native but constructListBox,
// deleteListBox and move does nothing while the object has no model.
#include "listbox/list_box_cursor.h"
#include "listbox/list_box_drawing.h"
#include "listbox/list_box_record.h"
#include "listbox/list_box_table.h"
#include "listbox/list_box_texts.h"
#include "module/call_frame.h"
#include "module/clip_area.h"
#include "module/module_export.h"
#include "module/native_registration.h"
#include "text/font_record.h"

namespace tamri {
namespace {

namespace lb = list_box;

// `this` and its model, when it has one the module gave out.
struct ListBoxCall {
  LocalRef self = LocalRef::argument(0);
  uint8_t* block = self.resolve();
  ListBoxModel* model = listBoxModel(read(block, lb::listHandle));
};

// The string array in reference argument `argument`, as the model's columns.
ColumnTextList textsArgument(const ListBoxModel& model, int32_t argument) {
  return columnTextsOf(LocalRef::argument(argument).value(), model.columnCount);
}

ListLine lineArguments() { return {intArg(0), intArg(1), byteArg(2), byteArg(3)}; }

void setTitle() {
  const ListBoxCall call;
  if (!call.model) return;
  write(call.block, lb::titleFlag, 1);
  const FONTHANDLE font = font::handleOf(LocalRef::argument(2).value());
  setListTitle(*call.model, textsArgument(*call.model, 1).texts(), font, intArg(0), intArg(1),
               intArg(2));
}

void setFrame() {
  const ListBoxCall call;
  if (!call.model) return;
  const ListLine frame = lineArguments();
  write(call.block, lb::frameWidthByte, frame.width);
  setListFrame(*call.model, frame);
}

void setRule() {
  const ListBoxCall call;
  if (call.model) setListRules(*call.model, lineArguments());
}

void insertRow() {
  const ListBoxCall call;
  if (call.model) insertListRow(*call.model, textsArgument(*call.model, 1).texts(), boolArg(1));
}

void setRowContent() {
  const ListBoxCall call;
  if (call.model) setListRowContent(*call.model, intArg(0), textsArgument(*call.model, 1).texts());
}

void setContents() {
  const ListBoxCall call;
  if (call.model) setListContents(*call.model, textsArgument(*call.model, 1).texts(), intArg(1));
}

void wipeOut() {
  const ListBoxCall call;
  if (call.model) wipeOutList(*call.model);
}

void setRowColor() {
  const ListBoxCall call;
  if (call.model) setListRowColor(*call.model, intArg(0), intArg(1), intArg(2));
}

void getRowPos() {
  const ListBoxCall call;
  if (!call.model) {
    returnInt(0);
    return;
  }
  const int64_t offset = int64_t{read(call.block, lb::pointY)} - read(call.block, lb::y1);
  returnInt(rowPositionAt(*call.model, offset, read(call.block, lb::titleFlag) != 0,
                          read(call.block, lb::rowLimit)));
}

void setCursor() {
  const ListBoxCall call;
  if (call.model) setListCursor(*call.model, cutTo16Bits(intArg(0)));
}

void resetCursor() {
  const ListBoxCall call;
  if (call.model) resetListCursor(*call.model);
}

void removeRow() {
  const ListBoxCall call;
  if (call.model) removeListRow(*call.model, intArg(0));
}

// A positive dy moves the list up.
void move() {
  const ListBoxCall call;
  const int32_t dx = intArg(0);
  const int32_t dy = intArg(1);
  uint8_t* block = call.block;
  write(block, lb::x1, read(block, lb::homeX1) + dx);
  write(block, lb::x2, read(block, lb::homeX2) + dx);
  write(block, lb::y1, read(block, lb::homeY1) - dy);
  write(block, lb::y2, read(block, lb::homeY2) - dy);
  if (call.model) {
    moveList(*call.model, read(block, lb::x1), read(block, lb::y1), read(block, lb::x2),
             read(block, lb::y2));
  }
}

// Drawn under the list's rectangle widened by half the frame width, so that
// a thick frame is not cut; the surface's clip area is left as it was found.
void draw() {
  const ListBoxCall call;
  if (!call.model) return;
  const int32_t surface = intArg(0);
  const int32_t half = call.model->frame.width / 2;
  const uint8_t* block = call.block;
  const SavedClipArea saved = saveClipArea(surface);
  osGXsetClipArea(read(block, lb::x1) - half, read(block, lb::y1) - half,
                  read(block, lb::x2) + half, read(block, lb::y2) + half, surface);
  drawListBox(*call.model, surface);
  restoreClipArea(saved, surface);
}

void constructListBox() {
  const ListBoxCall call;
  uint8_t* block = call.block;
  // A second construction replaces the first model.
  freeListBoxModel(read(block, lb::listHandle));
  const IntArrayView widths = intArrayOf(LocalRef::argument(1).value());
  const IntArrayView maxLengths = intArrayOf(LocalRef::argument(2).value());
  ListBoxSetup setup;
  setup.firstColor = read(block, lb::firstColor);
  setup.columnCount = intArg(0);
  setup.rowCount = intArg(1);
  setup.x1 = read(block, lb::x1);
  setup.y1 = read(block, lb::y1);
  setup.x2 = read(block, lb::x2);
  setup.y2 = read(block, lb::y2);
  setup.font = font::handleOf(read(block, lb::listFont));
  setup.textColor = read(block, lb::textColor);
  setup.backColor = read(block, lb::backColor);
  setup.columnWidths = {widths.elements, static_cast<size_t>(widths.length)};
  setup.maxLengths = {maxLengths.elements, static_cast<size_t>(maxLengths.length)};
  write(block, lb::listHandle, keepListBoxModel(makeListBoxModel(setup)));
}

// The handle is cleared with the model, so no later call reaches freed memory.
void deleteListBox() {
  const ListBoxCall call;
  freeListBoxModel(read(call.block, lb::listHandle));
  write(call.block, lb::listHandle, 0);
}

constexpr NativeMethod kNatives[] = {
    {"setTitle([Ljava/lang/String;Lgpclasses/graphics/CgpFont;III)V", setTitle},
    {"setFrame(IIBB)V", setFrame},
    {"setRule(IIBB)V", setRule},
    {"insertRow([Ljava/lang/String;IZ)V", insertRow},
    {"setRowContent(I[Ljava/lang/String;)V", setRowContent},
    {"setContents([Ljava/lang/String;II)V", setContents},
    {"wipeOut()V", wipeOut},
    {"setRowColor(III)V", setRowColor},
    {"getRowPos()I", getRowPos},
    {"setCursor(I)V", setCursor},
    {"resetCursor()V", resetCursor},
    {"removeRow(I)V", removeRow},
    {"move(II)V", move},
    {"draw(I)V", draw},
    {"constructListBox(II[I[I)V", constructListBox},
    {"deleteListBox()V", deleteListBox},
};

}  // namespace
}  // namespace tamri

TAMRI_EXPORT int32_t gpclasses_graphics_CgpListBox_init(void) {
  static constexpr tamri::NativeClass kClass{"gpclasses/graphics/CgpListBox",
                                             "gpclasses.graphics.CgpListBox",
                                             "gpClasses_Graphics_CgpListBox", tamri::kNatives};
  return tamri::registerNativeClass(kClass, __LINE__);
}
