// Draw natives of the retained shapes, driven through the VM frame: the
// exact drawing-layer calls for the plain shape, its fallbacks and its
// bad input.
#include "vm_test_support.h"

namespace {

using tamri_test::callOn;
using tamri_test::FieldValues;
using tamri_test::joined;
using tamri_test::makeIntArray;
using tamri_test::makeObject;
using tamri_test::traceWith;
using Lines = std::vector<std::string>;

// Colours, widths and styles that cannot be mistaken for each other.
const FieldValues kLook{{"fillColor", 0x0000F1}, {"backColor", 0x0000B2}, {"lineColor", 0x0000C3},
                        {"lineWidth", 3},        {"lineStyle", 2},        {"fillStyle", 4}};

// What a level adds around its second drawing step on surface 5.
const std::string kLevelStart =
    "osGXsetClipFillAnimation(1)\nosGXgetClipArea(5) -> false\nosGXsetClipArea(";
const std::string kLevelEnd[] = {"osGXremoveClipArea(5)", "osGXsetClipFillAnimation(0)"};

struct DrawRow {
  const char* cls;
  FieldValues fields;
  Lines expected;
};

class ShapeTest : public tamri_test::VmTest {
 protected:
  static jword shape(const char* cls, const FieldValues& fields) {
    return makeObject((std::string("gpclasses/graphics/") + cls).c_str(), joined(kLook, fields));
  }
  static Lines drawn(jword object, const char* native = "draw(I)V") {
    host::traceClear();
    callOn(object, native, {5});
    return traceWith("osGX");
  }
  // Each row's shape drawn; the lines joined with newlines compare with the
  // expected ones, so that kLevelStart stands for its three calls.
  static void expectDraws(const std::vector<DrawRow>& rows) {
    for (size_t i = 0; i < rows.size(); ++i) {
      std::string drawnText, expectedText;
      const char* native =
          std::string_view(rows[i].cls) == "CgpPolygon" ? "drawPolygon(I)V" : "draw(I)V";
      for (const std::string& line : drawn(shape(rows[i].cls, rows[i].fields), native))
        drawnText += line + "\n";
      for (const std::string& line : rows[i].expected) expectedText += line + "\n";
      EXPECT_EQ(drawnText, expectedText) << rows[i].cls << " row " << i;
    }
  }
};

const FieldValues kArc{{"x1", 10},     {"y1", 20},     {"x2", 60},    {"y2", 45},
                       {"arcX1", 10},  {"arcY1", 20},  {"arcX2", 60}, {"arcY2", 70},
                       {"startX", 60}, {"startY", 45}, {"endX", 10},  {"endY", 44}};

TEST_F(ShapeTest, ArcAndBezierPassTheirPointsAndFlatArcsAndEllipsesBecomeLines) {
  const std::string arc =
      "osGXdrawArc({10, 20, 60, 70}, {60, 45, 10, 44}, 0x000000C3, "
      "0x000000B2, 2, 3, {10, 20, 60, 45}, ";
  const Lines line{"osGXdrawLine(10, 20, 10, 45, 3, 2, 0x000000C3, 0x000000B2, 0)"};
  const FieldValues curve{
      {"pointCount", 4}, {"points", makeIntArray({1, 2, 3, 4, 5, 6, 7, 8, 9})}, {"lineEnds", 3}};
  const Lines bezier{
      "osGXdrawBezierLine(4, [{1, 2}, {3, 4}, {5, 6}, {7, 8}], 3, 2, 0x000000C3, 0x000000B2, 3)"};
  // A Bezier line needs four points that the array holds: five of which it
  // holds four whole ones draw four; three points, an array of three and a
  // half points or none draw nothing.
  expectDraws({{"CgpArc", joined(kArc, {{"boundsFlag", 2}}), {arc + "true)"}},
               {"CgpArc", joined(kArc, {{"x2", 10}}), line},
               {"CgpEllipse", {{"x1", 10}, {"y1", 20}, {"x2", 10}, {"y2", 45}}, line},
               {"CgpEllipse",
                {{"x1", 10}, {"y1", 45}, {"x2", 60}, {"y2", 45}},
                {"osGXdrawLine(10, 45, 60, 45, 3, 2, 0x000000C3, 0x000000B2, 0)"}},
               {"CgpBezier", joined(curve, {{"pointCount", 5}}), bezier},
               {"CgpBezier", joined(curve, {{"pointCount", 3}}), {}},
               {"CgpBezier", joined(curve, {{"points", makeIntArray({1, 2, 3, 4, 5, 6, 7})}}), {}},
               {"CgpBezier", joined(curve, {{"points", 0}}), {}}});
}

TEST_F(ShapeTest, EllipseFillsOnlyForAPositiveStyleAndAlwaysOutlines) {
  const FieldValues disc{{"x1", 10}, {"y1", 20}, {"x2", 60}, {"y2", 45}};
  const std::string fill = "osGXfillEllipse(10, 20, 60, 45, ";
  const std::string outline = "osGXdrawEllipse(10, 20, 60, 45, 0x000000C3, 2, 3, 0x000000B2)";
  const FieldValues level{{"levelDirX", 1}, {"levelPctX", 50}, {"levelBackStyle", 1}};
  // A level on a flat ellipse draws nothing.
  expectDraws({{"CgpEllipse",
                joined(disc, {{"fillStyle", -1}, {"lineWidth", 0}}),
                {"osGXdrawEllipse(10, 20, 60, 45, 0x000000C3, 2, 0, 0x000000B2)"}},
               {"CgpEllipse", joined(joined(disc, level), {{"x2", 10}}), {}},
               {"CgpEllipse",
                joined(joined(disc, level), {{"levelBackColor", 7}}),
                {fill + "0x00000007, 1, 0x000000B2)", outline, kLevelStart + "10, 20, 35, 45, 5)",
                 fill + "0x000000F1, 4, 0x000000B2)", outline, kLevelEnd[0], kLevelEnd[1]}}});
}

const FieldValues kBox{{"x1", 10},     {"y1", 20},         {"x2", 60},
                       {"y2", 45},     {"rectWidth", 51},  {"rectHeight", 26},
                       {"rounded", 1}, {"cornerWidth", 6}, {"cornerHeight", 4}};

TEST_F(ShapeTest, RectangleOutlinesForAWidthAndStyleAndHidesAtZeroSize) {
  const std::string fill = "osGXfillRectangle(10, 20, 60, 45, ";
  const std::string outline = "osGXdrawRectangle(10, 20, 60, 45, ";
  const FieldValues thin = joined(kBox, {{"lineWidth", 0}, {"fillStyle", 1}});
  const FieldValues wide = joined(kBox, {{"lineWidth", 255}, {"x1", 60}, {"x2", 10}});
  // A width byte of 255 is -1 and reversed corners pass as stored; the
  // level's formulas run on the reversed extent: x1 + (-50 x 50) / 100.
  expectDraws(
      {{"CgpRectangle", joined(kBox, {{"rectWidth", 0}}), {}},
       {"CgpRectangle", joined(kBox, {{"rectHeight", 0}}), {}},
       {"CgpRectangle", thin, {fill + "0, 0x000000F1, 1, 0x000000B2, 1, 6, 4)"}},
       {"CgpRectangle",
        joined(kBox, {{"lineWidth", 1}, {"lineStyle", 1}, {"fillStyle", 0}}),
        {outline + "1, 1, 0x000000C3, 0x000000B2, 1, 6, 4)"}},
       {"CgpRectangle",
        joined(kBox, {{"lineStyle", 0}}),
        {fill + "3, 0x000000F1, 4, 0x000000B2, 1, 6, 4)"}},
       {"CgpRectangle",
        joined(thin, {{"levelDirY", 12}, {"levelPctY", 40}}),
        {outline + "0, 2, 0x000000C3, 0x000000B2, 1, 6, 4)", kLevelStart + "10, 20, 60, 30, 5)",
         fill + "0, 0x000000F1, 1, 0x000000B2, 1, 6, 4)",
         outline + "0, 2, 0x000000C3, 0x000000B2, 1, 6, 4)", kLevelEnd[0], kLevelEnd[1]}},
       {"CgpRectangle",
        wide,
        {"osGXfillRectangle(60, 20, 10, 45, -1, 0x000000F1, 4, 0x000000B2, 1, 6, 4)"}},
       {"CgpRectangle",
        joined(wide, {{"levelDirX", 1}, {"levelPctX", 50}}),
        {"osGXdrawRectangle(60, 20, 10, 45, -1, 2, 0x000000C3, 0x000000B2, 1, 6, 4)",
         kLevelStart + "60, 20, 35, 45, 5)",
         "osGXfillRectangle(60, 20, 10, 45, -1, 0x000000F1, 4, 0x000000B2, 1, 6, 4)",
         "osGXdrawRectangle(60, 20, 10, 45, -1, 2, 0x000000C3, 0x000000B2, 1, 6, 4)", kLevelEnd[0],
         kLevelEnd[1]}}});
}

const FieldValues kPie{{"x1", 10},     {"y1", 20},     {"x2", 60},    {"y2", 45},
                       {"arcX1", 11},  {"arcY1", 21},  {"arcX2", 61}, {"arcY2", 71},
                       {"startX", 61}, {"startY", 46}, {"endX", 11},  {"endY", 47}};

TEST_F(ShapeTest, PieHandsFillAndOutlineToOneCall) {
  const std::string pie =
      "osGXpie(5, {11, 21, 61, 71}, {61, 46, 11, 47}, {0x000000C3, 0x000000B2, ";
  const std::string flat =
      "osGXdrawRectangle(10, 20, 60, 20, 3, 2, 0x000000C3, 0x000000B2, 0, 0, 0)";
  // A flat pie outlines its rectangle in both level steps; the level
  // background is drawn whatever its style.
  expectDraws({{"CgpPie",
                joined(kPie, {{"boundsFlag", 1}}),
                {pie + "0x000000F1}, {3, 2, 4, 1}, {10, 20, 60, 45}, true)"}},
               {"CgpPie",
                joined(kPie, {{"y2", 20}, {"levelDirY", 4}, {"levelPctY", 50}}),
                {flat, kLevelStart + "10, 20, 60, 20, 5)", flat, kLevelEnd[0], kLevelEnd[1]}},
               {"CgpPie",
                joined(kPie, {{"levelDirX", 3}, {"levelPctX", 20}, {"levelBackColor", 0x99}}),
                {pie + "0x00000099}, {3, 2, 0, 1}, {10, 20, 60, 45}, false)",
                 kLevelStart + "50, 20, 60, 45, 5)",
                 pie + "0x000000F1}, {3, 2, 4, 1}, {10, 20, 60, 45}, false)", kLevelEnd[0],
                 kLevelEnd[1]}}});
}

TEST_F(ShapeTest, PolygonFillsThenOutlinesTheCornersTheArrayHolds) {
  const FieldValues triangle{{"pointCount", 3}, {"points", makeIntArray({1, 2, 30, 4, 5, 60})}};
  const std::string corners = "3, [{1, 2}, {30, 4}, {5, 60}]";
  const std::string fill = "osGXfillPolygon(" + corners + ", 0x000000F1, 0x000000B2, ";
  const std::string outline = "osGXdrawPolygon(" + corners + ", ";
  // A solid fill without a visible outline has its edges in the fill colour.
  const Lines edges{fill + "1, false)", outline + "1, 0x000000F1, 0x00000000, 1)"};
  const std::vector<std::pair<FieldValues, Lines>> rows{
      {{{"fillFlag", 1}}, {fill + "4, true)", outline + "3, 0x000000C3, 0x000000B2, 2)"}},
      {{{"fillStyle", 2}, {"lineWidth", 0}}, {fill + "2, false)"}},
      {{{"fillStyle", 0}, {"lineStyle", -1}}, {}},
      // Width and style 1 are the thinnest outline.
      {{{"fillStyle", 0}, {"lineStyle", 1}, {"lineWidth", 1}},
       {outline + "1, 0x000000C3, 0x000000B2, 1)"}},
      {{{"fillStyle", 1}, {"lineStyle", 0}, {"lineWidth", 0}}, edges},
      {{{"fillStyle", 1}, {"lineColor", INT32_MIN}}, edges},
      {{{"fillStyle", 1}, {"lineColor", -2}}, edges},
      {{{"fillStyle", 2}, {"lineStyle", 0}}, {fill + "2, false)"}},
      // A level outlines twice through the record's rectangle.
      {{{"fillStyle", 1},
        {"lineStyle", 0},
        {"x1", 0},
        {"y1", 0},
        {"x2", 100},
        {"y2", 60},
        {"levelDirY", 40},
        {"levelPctY", -50},
        {"levelBackColor", 0xAB}},
       {edges[1], kLevelStart + "0, 30, 100, 45, 5)", edges[0], edges[1], kLevelEnd[0],
        kLevelEnd[1]}},
      // Counts are limited to the corners the array holds.
      {{{"pointCount", 300}}, {fill + "4, false)", outline + "3, 0x000000C3, 0x000000B2, 2)"}},
      {{{"pointCount", 2}}, {}},
      {{{"pointCount", -3}}, {}},
      {{{"points", 0}}, {}},
      {{{"points", makeIntArray({1, 2, 3, 4, 5})}}, {}}};
  std::vector<DrawRow> draws;
  for (const auto& [fields, expected] : rows)
    draws.push_back({"CgpPolygon", joined(triangle, fields), expected});
  expectDraws(draws);
}

}  // namespace
