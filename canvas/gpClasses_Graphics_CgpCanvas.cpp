// CgpCanvas: immediate drawing. Each native here only takes its arguments
// and hands them to the drawing work, which lives in files by subject; the
// table registers them in the VM class's order.
#include "canvas/arcs.h"
#include "canvas/bevel_button.h"
#include "canvas/canvas_text.h"
#include "canvas/canvas_transform.h"
#include "canvas/clipping.h"
#include "canvas/lines.h"
#include "canvas/marks.h"
#include "canvas/ovals.h"
#include "canvas/paths.h"
#include "canvas/pies.h"
#include "canvas/polygons.h"
#include "canvas/polylines.h"
#include "canvas/rectangles.h"
#include "canvas/rotation.h"
#include "canvas/scales.h"
#include "canvas/strings.h"
#include "canvas/thick_arcs.h"
#include "canvas/triangles.h"
#include "images/image_natives.h"
#include "module/call_frame.h"
#include "module/module_export.h"
#include "module/native_registration.h"
#include "text/font_record.h"
#include "valuedisplay/value_display.h"

namespace tamri {
namespace {

// ---- thick arcs ----------------------------------------------------------------

void drawThickArc() {
  tamri::drawThickArc({intArg(0), intArg(1), intArg(2), intArg(3), intArg(4), intArg(5), intArg(6)},
                      thisCanvasPen().surface);
}

// ---- rectangles, ovals and lines -------------------------------------------

void drawRect() { drawCanvasRect(thisCanvasPen(), placedSizeArg(0)); }
void drawRoundRect() {
  drawCanvasRoundRect(thisCanvasPen(), placedSizeArg(0), intArg(4), intArg(5));
}
void fillRect() { fillCanvasRect(thisCanvasPen(), placedSizeArg(0)); }
void fillRectGiven() {
  fillRectStyled(placedSizeArg(0), intArg(4), intArg(5), byteArg(6), intArg(7));
}
void fillRectWithBorder() {
  fillCanvasRectWithBorder(thisCanvasPen(), intArg(0), intArg(1), placedSizeArg(2));
}
void fillRectWithBorderGiven() {
  fillTranslatedRectWithBorder({intArg(0), intArg(1), intArg(2), placedSizeArg(3), intArg(7),
                                intArg(8), intArg(9), intArg(10), intArg(11), intArg(12)});
}
void fillRoundRect() {
  fillCanvasRoundRect(thisCanvasPen(), placedSizeArg(0), intArg(4), intArg(5));
}
void drawOval() { drawCanvasOval(thisCanvasPen(), placedSizeArg(0)); }
void fillOvalWithBorder() {
  fillTranslatedOvalWithBorder(
      {placedSizeArg(0), intArg(4), intArg(5), intArg(6), intArg(7), intArg(8), intArg(9)});
}
void fillOval() { fillCanvasOval(thisCanvasPen(), placedSizeArg(0)); }
// The eighth argument, a line width, has no use on an outline-less oval.
void fillOvalGiven() { fillOvalStyled(placedSizeArg(0), intArg(4), intArg(5), byteArg(6)); }
void drawLine() { drawCanvasLine(thisCanvasPen(), segmentArg(0)); }
void drawLineGiven() { drawLineStyled(segmentArg(0), intArg(4), intArg(5), byteArg(6), intArg(7)); }
void drawLineWithEnds() {
  drawTranslatedLine(segmentArg(0), intArg(4), intArg(5), intArg(6), intArg(7), intArg(8));
}

// ---- polygons ----------------------------------------------------------------

void drawPolygon() { drawCanvasPolygon(thisCanvasPen(), splitPointsArg(0)); }
void fillPolygon() { fillCanvasPolygon(thisCanvasPen(), splitPointsArg(0)); }
// The fifth argument, a line width, is not used: the rim is one pixel.
void fillPolygonGiven() { fillPolygonStyled(splitPointsArg(0), intArg(1), intArg(2), byteArg(3)); }
void fillPolygonMoved() {
  fillMovedPolygon(splitPointsArg(0), intArg(1), intArg(2), intArg(3), intArg(4), byteArg(5),
                   intArg(6));
}
PolygonLook polygonLookArg() {
  return {intArg(1), intArg(2), intArg(3), {intArg(4), intArg(5), intArg(6)}};
}
void fillPolygonWithBorder() { fillBorderedPolygon(interleavedPointsArg(0), polygonLookArg()); }
void fillPolygonWithBorderMoved() {
  fillTranslatedBorderedPolygon(interleavedPointsArg(0), polygonLookArg(), byteArg(7));
}

// ---- polylines, Bezier lines, triangles and bevel buttons --------------------

LineLook lineLookArg() { return {intArg(1), intArg(2), intArg(3), intArg(4)}; }
void drawPolylineSplit() { drawSplitPolyline(splitPointsArg(0), lineLookArg(), intArg(5)); }
void drawPolyline() { drawTranslatedPolyline(interleavedPointsArg(0), lineLookArg(), intArg(5)); }
void drawBezier() { drawTranslatedBezier(interleavedPointsArg(0), lineLookArg()); }
void fillTriangleWithBorder() {
  fillBorderedTriangle({intArg(0), intArg(1), intArg(2), intArg(3), intArg(4), intArg(5)},
                       intArg(6), intArg(7), byteArg(8), {intArg(10), intArg(9), intArg(11)});
}
void drawBevelButton() {
  paintBevelButton({intArg(0), intArg(1), intArg(2), intArg(3), intArg(4), intArg(5), intArg(6),
                    intArg(7), intArg(8), intArg(9)});
}

// ---- strings ---------------------------------------------------------------

void drawStringAt() { drawMeasuredString(canvasStringArguments(), intArg(0), intArg(1)); }
void drawStringInBox() { tamri::drawStringInBox(canvasStringArguments(), placedSizeArg(0), true); }
void drawStringInColour() {
  tamri::drawStringInColour(canvasStringArguments(), placedSizeArg(0), intArg(4), fontArgument());
}
void drawStringInBoxFlagged() {
  tamri::drawStringInBox(canvasStringArguments(), placedSizeArg(0), boolArg(4));
}
void drawStringWithCode() {
  drawSimpleString(canvasStringArguments(), placedSizeArg(0), intArg(4), fontArgument(), intArg(5));
}
void drawStringMarquee() {
  drawMarqueeString(canvasStringArguments(), placedSizeArg(0), boolArg(4), intArg(5));
}
void drawStringStyled() {
  drawStyledString(canvasStringArguments(), placedSizeArg(0), intArg(4), attributeByteArguments(5),
                   fontArgument(), boolArg(9));
}
void drawStringBordered() {
  tamri::drawStringWithBorder(canvasStringArguments(), intArg(0), intArg(1), intArg(2),
                              placedSizeArg(3));
}
void drawStringBorderedTranslated() {
  drawStringWithTranslatedBorder(
      canvasStringArguments(),
      {intArg(0), intArg(1), intArg(2), intArg(3), intArg(4), intArg(5), placedSizeArg(6),
       attributeByteArguments(10), intArg(14), fontArgument()});
}
void drawStringOnBackground() {
  tamri::drawStringWithBackground(canvasStringArguments(), intArg(0), placedSizeArg(1));
}

// ---- arcs and pies -------------------------------------------------------------

void drawArc() { drawCanvasArc(thisCanvasPen(), placedSizeArg(0), intArg(4), intArg(5)); }
void drawArcGiven() {
  drawArcStyled(placedSizeArg(0), intArg(4), intArg(5),
                {intArg(6), intArg(7), intArg(8), intArg(9)});
}
void drawArcBetween() {
  drawTranslatedArcBetween(placedSizeArg(0), segmentArg(4),
                           {intArg(8), intArg(9), intArg(10), intArg(11)});
}
void fillArc() { fillCanvasArc(thisCanvasPen(), placedSizeArg(0), intArg(4), intArg(5)); }
void drawPie() { drawCanvasPie(thisCanvasPen(), placedSizeArg(0), intArg(4), intArg(5)); }
PieLook pieLookArg(int32_t first) {
  return {intArg(first),     intArg(first + 1), intArg(first + 2),
          intArg(first + 3), intArg(first + 4), intArg(first + 5)};
}
void fillPieWithBorder() {
  fillPieSlice(placedSizeArg(0), intArg(4), intArg(5), pieLookArg(6), thisCanvasPen().surface);
}
void fillPieWithBorderBetween() {
  fillTranslatedPieBetween(placedSizeArg(0), segmentArg(4), pieLookArg(8), thisCanvasPen().surface);
}
void fillPieWithBorderFromPoint() {
  fillPieFromPoint(placedSizeArg(0), {intArg(4), intArg(5)}, intArg(6), intArg(7), pieLookArg(8),
                   boolArg(14), thisCanvasPen().surface);
}

// ---- images ------------------------------------------------------------------

void drawImage() {
  drawGraphicFileOnCanvas(LocalRef::argument(0), LocalRef::argument(1), intArg(0), intArg(1));
}

// ---- numbers, floats, dates and times ------------------------------------------

// The value natives' font is the first reference after `this`, a unit text
// the second.
FONTHANDLE valueFontArg() { return font::handleOf(kFirstArgumentHandle + 1); }
jword unitArg() { return kFirstArgumentHandle + 2; }

void drawNumber() { drawPlainNumber(intArg(0), intArg(1), placedSizeArg(2)); }
void drawNumberWindowed() {
  drawWindowedNumber(intArg(0), intArg(1), intArg(2), intArg(3), boolArg(4), placedSizeArg(5));
}
void drawNumberInColour() {
  drawPlainNumberInColour(intArg(0), intArg(1), placedSizeArg(2), intArg(6), valueFontArg());
}
void drawNumberSigned() {
  drawNumberField({intArg(0), intArg(1), intArg(2), intArg(3), false, false, boolArg(6)},
                  {intArg(7), intArg(8), intArg(4), intArg(5)}, placedSizeArg(9), valueFontArg());
}
void drawNumberFixedPoint() {
  drawFixedPointNumber({intArg(0), intArg(1), intArg(2), intArg(6), boolArg(5)},
                       {intArg(7), intArg(8), intArg(3), intArg(4)}, placedSizeArg(9));
}
NumberField numberFieldArg() {
  return {intArg(0), intArg(1), intArg(2), intArg(3), boolArg(6), boolArg(7), boolArg(8)};
}
void drawNumberField() {
  tamri::drawNumberField(numberFieldArg(), {intArg(9), intArg(10), intArg(4), intArg(5)},
                         placedSizeArg(11), valueFontArg());
}
void drawNumberFieldWithUnit() {
  tamri::drawNumberField(numberFieldArg(), {intArg(9), intArg(10), intArg(4), intArg(5)},
                         placedSizeArg(11), valueFontArg(), unitArg());
}
FloatField floatFieldArg() {
  return {floatArg(0), intArg(1), intArg(2), boolArg(7), boolArg(5), boolArg(6)};
}
void drawFloat() {
  drawFloatField(floatFieldArg(), {intArg(8), intArg(9), intArg(3), intArg(4)}, placedSizeArg(10),
                 valueFontArg());
}
void drawFloatWithUnit() {
  drawFloatField(floatFieldArg(), {intArg(8), intArg(9), intArg(3), intArg(4)}, placedSizeArg(10),
                 valueFontArg(), unitArg());
}
FloatField plainFloatFieldArg() {
  return {floatArg(0), intArg(1), intArg(5), boolArg(4), false, false};
}
void drawFloatInCanvasFont() {
  drawFloatField(plainFloatFieldArg(), {intArg(6), intArg(7), intArg(2), intArg(3)},
                 placedSizeArg(8), canvasFont(thisCanvasRecord()));
}
void drawFloatInFont() {
  drawFloatField(plainFloatFieldArg(), {intArg(6), intArg(7), intArg(2), intArg(3)},
                 placedSizeArg(8), valueFontArg());
}
void drawFloatAutoDecimals() {
  drawFloatField({floatArg(0), intArg(1), 0, boolArg(5), boolArg(4), false},
                 {intArg(6), intArg(7), intArg(2), intArg(3)}, placedSizeArg(8), valueFontArg());
}
void drawDateTime() {
  tamri::drawDateTime(intArg(0), intArg(1), placedSizeArg(2), intArg(6), valueFontArg());
}
void onTimeChange() { forgetTimeZone(); }

// ---- scales ------------------------------------------------------------------

void drawScaleStraight() {
  drawCanvasStraightScale(scaleBoxArg(0), boolArg(4), tickPenArg(5), intArg(9));
}
void drawScaleRound() {
  drawCanvasRoundScale(scaleBoxArg(0), {intArg(4), intArg(5), intArg(6)}, tickPenArg(7),
                       intArg(11));
}
void drawScaleWithSubDivision() {
  drawCanvasSubdividedScale(scaleBoxArg(0), intArg(4), {intArg(5), intArg(6), intArg(7)},
                            tickPenArg(8), intArg(12), intArg(13));
}

// ---- rotation and marks --------------------------------------------------------

void rotatePtX() { returnInt(rotatedX(intArg(0), intArg(1))); }
void rotatePtY() { returnInt(rotatedY(intArg(0), intArg(1))); }
void preciseRotatePtX() { returnInt(preciseRotatedX(intArg(0), intArg(1))); }
void preciseRotatePtY() { returnInt(preciseRotatedY(intArg(0), intArg(1))); }
// A class native: its four arrays are its only references.
void preCalculatePolygonParams() {
  computePolarForm(intArg(0), {LocalRef::argument(0).value(), LocalRef::argument(1).value(),
                               LocalRef::argument(2).value(), LocalRef::argument(3).value()});
}
void fillRotatingPolygon() {
  fillTurnedPolygon(
      {intArg(0), intArg(1), intArg(2), intArg(3), intArg(4), intArg(5), boolArg(6), boolArg(7)},
      {LocalRef::argument(1).value(), LocalRef::argument(2).value(), LocalRef::argument(3).value(),
       LocalRef::argument(4).value()});
}
void drawMarks() {
  drawPointMarks(LocalRef::argument(1).value(), LocalRef::argument(2).value(), intArg(0), intArg(1),
                 {intArg(2), intArg(3), intArg(4)});
}

// ---- state and transform ---------------------------------------------------

void setTransformScaled() {
  setCanvasTransform(intArg(0), intArg(1), canvasScaleOf(floatArg(2)), canvasScaleOf(floatArg(3)));
}
void setTransform() { setCanvasTransform(intArg(0), intArg(1), 256, 256); }
void resetTransform() { resetCanvasTransform(); }

// ---- paths and clipping --------------------------------------------------------

// The path natives are class natives: the path is the first reference.
void fillPath() { fillCanvasPath(LocalRef::argument(0).value(), intArg(0)); }
void drawPath() { strokeCanvasPath(LocalRef::argument(0).value(), intArg(0), intArg(1)); }
void fillAndDrawPath() {
  fillAndStrokeCanvasPath(LocalRef::argument(0).value(), intArg(0), intArg(1), intArg(2));
}
void setClip() { setCanvasClip(placedSizeArg(0)); }
void clipRect() { narrowCanvasClip(placedSizeArg(0)); }
void getClipBounds() { returnCanvasClipBounds(); }
void getClipBoundsInto() { returnCanvasClipBoundsInto(); }
void removeClipArea() { removeCanvasClip(); }

constexpr NativeMethod kNatives[] = {
    {"drawThickArc(IIIIIII)V", drawThickArc},
    {"drawRect(IIII)V", drawRect},
    {"drawRoundRect(IIIIII)V", drawRoundRect},
    {"fillRect(IIII)V", fillRect},
    {"fillRect(IIIIIIBI)V", fillRectGiven},
    {"fillRectWithBorder(IIIIII)V", fillRectWithBorder},
    {"fillRectWithBorder(IIIIIIIIIIIII)V", fillRectWithBorderGiven},
    {"fillRoundRect(IIIIII)V", fillRoundRect},
    {"drawOval(IIII)V", drawOval},
    {"fillOvalWithBorder(IIIIIIIIII)V", fillOvalWithBorder},
    {"fillOval(IIII)V", fillOval},
    {"fillOval(IIIIIIBI)V", fillOvalGiven},
    {"drawLine(IIII)V", drawLine},
    {"drawLine(IIIIIIBI)V", drawLineGiven},
    {"drawLine(IIIIIIIII)V", drawLineWithEnds},
    {"drawPolygon([I[II)V", drawPolygon},
    {"fillPolygon([I[II)V", fillPolygon},
    {"fillPolygon([I[IIIIBI)V", fillPolygonGiven},
    {"fillPolygon([I[IIIIIIBI)V", fillPolygonMoved},
    {"fillPolygonWithBorder([IIIIIIII)V", fillPolygonWithBorder},
    {"fillPolygonWithBorder([IIIIIIIIB)V", fillPolygonWithBorderMoved},
    {"drawString(Ljava/lang/String;II)V", drawStringAt},
    {"drawString(Ljava/lang/String;IIII)V", drawStringInBox},
    {"drawString(Ljava/lang/String;IIIIILgpclasses/graphics/CgpFont;)V", drawStringInColour},
    {"drawString(Ljava/lang/String;IIIIZ)V", drawStringInBoxFlagged},
    {"drawString(Ljava/lang/String;IIIIILgpclasses/graphics/CgpFont;I)V", drawStringWithCode},
    {"drawString(Ljava/lang/String;IIIIZI)V", drawStringMarquee},
    {"drawString(Ljava/lang/String;IIIIIIIIILgpclasses/graphics/CgpFont;Z)V", drawStringStyled},
    {"drawStringWithBorder(IIILjava/lang/String;IIII)V", drawStringBordered},
    {"drawStringWithBorder(IIIIIILjava/lang/String;IIIIIIIIILgpclasses/graphics/CgpFont;)V",
     drawStringBorderedTranslated},
    {"drawStringWithBackground(ILjava/lang/String;IIII)V", drawStringOnBackground},
    {"drawArc(IIIIII)V", drawArc},
    {"drawArc(IIIIIIIIII)V", drawArcGiven},
    {"drawArc(IIIIIIIIIIII)V", drawArcBetween},
    {"fillArc(IIIIII)V", fillArc},
    {"drawPie(IIIIII)V", drawPie},
    {"fillPieWithBorder(IIIIIIIIIIII)V", fillPieWithBorder},
    {"fillPieWithBorder(IIIIIIIIIIIIII)V", fillPieWithBorderBetween},
    {"fillPieWithBorder(IIIIIIIIIIIIIIZ)V", fillPieWithBorderFromPoint},
    {"drawImage(Lgpclasses/graphics/CgpGraphicFile;II)V", drawImage},
    {"drawNumber(IIIIII)V", drawNumber},
    {"drawNumber(IIIIZIIII)V", drawNumberWindowed},
    {"drawNumber(IIIIIIILgpclasses/graphics/CgpFont;)V", drawNumberInColour},
    {"drawNumber(IIIIIIZIIIIIILgpclasses/graphics/CgpFont;)V", drawNumberSigned},
    {"drawNumber(IIIIIZIIIIIII)V", drawNumberFixedPoint},
    {"drawNumber(IIIIIIZZZIIIIIILgpclasses/graphics/CgpFont;)V", drawNumberField},
    {"drawNumber(IIIIIIZZZIIIIIILgpclasses/graphics/CgpFont;Ljava/lang/String;)V",
     drawNumberFieldWithUnit},
    {"nativeDrawFloat(FIIIIZZZIIIIIILgpclasses/graphics/CgpFont;)V", drawFloat},
    {"nativeDrawFloat(FIIIIZZZIIIIIILgpclasses/graphics/CgpFont;Ljava/lang/String;)V",
     drawFloatWithUnit},
    {"nativeDrawFloat(FIIIZIIIIIII)V", drawFloatInCanvasFont},
    {"nativeDrawFloat(FIIIZIIIIIIILgpclasses/graphics/CgpFont;)V", drawFloatInFont},
    {"nativeDrawFloat(FIIIZZIIIIIILgpclasses/graphics/CgpFont;)V", drawFloatAutoDecimals},
    {"drawDateTime(IIIIIIILgpclasses/graphics/CgpFont;)V", drawDateTime},
    {"onTimeChange()V", onTimeChange},
    {"drawPolyline([I[IIIIIII)V", drawPolylineSplit},
    {"drawPolyline([IIIIIII)V", drawPolyline},
    {"drawBezier([IIIIII)V", drawBezier},
    {"drawScale(IIIIZIIIII)V", drawScaleStraight},
    {"drawScale(IIIIIIIIIIII)V", drawScaleRound},
    {"drawScaleWithSubDivision(IIIIIIIIIIIIII)V", drawScaleWithSubDivision},
    {"fillTriangleWithBorder(IIIIIIIIBIII)V", fillTriangleWithBorder},
    {"drawBevelButton(IIIIIIIIII)V", drawBevelButton},
    {"rotatePtX(II)I", rotatePtX},
    {"rotatePtY(II)I", rotatePtY},
    {"preciseRotatePtX(II)I", preciseRotatePtX},
    {"preciseRotatePtY(II)I", preciseRotatePtY},
    {"preCalculatePolygonParams(I[I[I[I[I)V", preCalculatePolygonParams},
    {"fillRotatingPolygon(I[I[I[I[IIIIIIZZ)V", fillRotatingPolygon},
    {"drawMarks([I[IIIIII)V", drawMarks},
    {"setTransform(IIFF)V", setTransformScaled},
    {"setTransform(II)V", setTransform},
    {"resetTransform()V", resetTransform},
    {"fillPath(Ljava/lang/String;I)V", fillPath},
    {"drawPath(Ljava/lang/String;II)V", drawPath},
    {"fillAndDrawPath(Ljava/lang/String;III)V", fillAndDrawPath},
    {"setClip(IIII)V", setClip},
    {"clipRect(IIII)V", clipRect},
    {"getClipBounds()Lgpclasses/graphics/CgpArea;", getClipBounds},
    {"getClipBounds(Lgpclasses/graphics/CgpArea;)Z", getClipBoundsInto},
    {"removeClipArea()V", removeClipArea},
};

}  // namespace
}  // namespace tamri

TAMRI_EXPORT int32_t gpclasses_graphics_CgpCanvas_init(void) {
  static constexpr tamri::NativeClass kClass{"gpclasses/graphics/CgpCanvas",
                                             "gpclasses.graphics.CgpCanvas",
                                             "gpClasses_Graphics_CgpCanvas", tamri::kNatives};
  return tamri::registerNativeClass(kClass, __LINE__);
}
