// The CgpFont and CgpText natives' calls, results and stored fields are pinned
// by the scene tests/scenes/font_natives.json. The report of a null string
// carries the source line it comes from, which a scene's trace would hold
// against every edit of that file: it is checked here.
#include "vm_test_support.h"

#include <regex>

namespace {

using tamri_test::callOn;
using tamri_test::traceWith;

class FontTest : public tamri_test::VmTest {};

TEST_F(FontTest, ANullStringIsReportedAndMeasuresNothing) {
  const jword font = tamri_test::makeObject(
      "gpclasses/graphics/CgpFont",
      {{"fontHandle", 1}, {"textWidth", 40}, {"textHeight", 19}, {"thirdMetric", 15}});
  callOn(font, "calcTextMetrics(Ljava/lang/String;)V", {}, {0});
  EXPECT_EQ((std::vector<int64_t>{vmhost::getField(font, "textWidth"),
                                  vmhost::getField(font, "textHeight"),
                                  vmhost::getField(font, "thirdMetric")}),
            (std::vector<int64_t>{40, 19, 15}));
  std::vector<std::string> lines = traceWith("");
  for (std::string& line : lines)
    line = std::regex_replace(line, std::regex("\\d+(, \"CgpFont)"), "#$1");
  EXPECT_EQ(lines, (std::vector<std::string>{
                       R"(osERfatalError("TamriGraphics", "gpClasses_Graphics_CgpFont", #, )"
                       R"("CgpFont :: Unexpected null character"))"}));
}

}  // namespace
