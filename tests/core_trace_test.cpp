#include <gtest/gtest.h>

#include "host_trace.h"

namespace {

const unichar* U(const char16_t* text) { return reinterpret_cast<const unichar*>(text); }

class CoreTrace : public ::testing::Test {
 protected:
  void SetUp() override { host::traceClear(); }
  void TearDown() override { host::setTraceRecording(true); }
};

TEST_F(CoreTrace, RecordsInOrderUnlessSwitchedOffAndCountsNestedPlatformScopes) {
  EXPECT_TRUE(host::traceRecording());
  host::traceLine("first");
  host::setTraceRecording(false);
  host::traceLine("ignored");
  EXPECT_FALSE(host::traceRecording());
  host::setTraceRecording(true);
  host::traceLine("second");
  EXPECT_EQ(host::traceLines(), (std::vector<std::string>{"first", "second"}));
  host::traceClear();
  EXPECT_TRUE(host::traceLines().empty());
  const int before = host::platformDepth();
  {
    host::PlatformScope outer;
    host::PlatformScope inner;
    EXPECT_EQ(host::platformDepth(), before + 2);
  }
  EXPECT_EQ(host::platformDepth(), before);
  osUTfastsin(10);
  EXPECT_EQ(host::platformDepth(), before);
}

TEST_F(CoreTrace, QuotedEscapesAndEncodesUtf8AndColoursAreHex) {
  EXPECT_EQ(host::quoted(U(u"plain"), 5), "\"plain\"");
  EXPECT_EQ(host::quoted(U(u"a\"b\\c\nd"), 7), "\"a\\\"b\\\\c\\nd\"");
  EXPECT_EQ(host::quoted(U(u"\x01\x7F\t"), 3), "\"\\u0001\\u007F\\u0009\"");
  EXPECT_EQ(host::quoted(U(u"é€😀"), 4), "\"é€😀\"");
  EXPECT_EQ(host::quoted(U(u"\xD800x"), 2), "\"\\uD800x\"");
  EXPECT_EQ(host::quoted(U(u"abc"), 2), "\"ab\"");
  EXPECT_EQ(host::quoted(U(u"abc"), 0), "\"\"");
  EXPECT_EQ(host::quoted(nullptr, 3), "null");
  EXPECT_EQ(host::hexColour(0x00FF8000), "0x00FF8000");
  EXPECT_EQ(host::hexColour(static_cast<int32_t>(0x80000000)), "0x80000000");
  EXPECT_EQ(host::hexColour(-1), "0xFFFFFFFF");
}

TEST_F(CoreTrace, FatalErrorWritesOneTraceAndOneErrorLineAndToleratesNullTexts) {
  ::testing::internal::CaptureStderr();
  osERfatalError(U(u"TamriGraphics"), "gpClasses_Graphics_CgpArc", 42,
                 U(u"Failed to init native support for gpclasses.graphics.CgpArc : %s"),
                 U(u"bad \"class\""));
  const std::string errorOutput = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(host::traceLines(),
            (std::vector<std::string>{
                "osERfatalError(\"TamriGraphics\", \"gpClasses_Graphics_CgpArc\", 42, \"Failed to "
                "init native support for gpclasses.graphics.CgpArc : bad \\\"class\\\"\")"}));
  EXPECT_EQ(errorOutput,
            "TamriGraphics: fatal error in gpClasses_Graphics_CgpArc line 42: Failed to init "
            "native support for gpclasses.graphics.CgpArc : bad \"class\"\n");
  ::testing::internal::CaptureStderr();
  osERfatalError(nullptr, nullptr, 7, nullptr);
  ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(host::traceLines().back(), "osERfatalError(null, null, 7, \"\")");
}

}  // namespace
