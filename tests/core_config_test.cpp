#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "core_host.h"
#include "host_trace.h"

namespace {

const unichar* U(const char16_t* text) { return reinterpret_cast<const unichar*>(text); }
std::u16string text(const unichar* buffer) {
  return std::u16string(reinterpret_cast<const char16_t*>(buffer));
}

const unichar* const kLanguage = U(u"Language");

std::string readFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

class CoreConfig : public ::testing::Test {
 protected:
  void SetUp() override {
    corehost::resetConfiguration();
    host::traceClear();
    // One file per test and process: ctest runs tests side by side.
    path_ = std::filesystem::temp_directory_path() /
            (std::string("core_config_") +
             ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
             std::to_string(getpid()) + ".ini");
  }
  void TearDown() override {
    corehost::resetConfiguration();
    std::filesystem::remove(path_);
  }
  std::filesystem::path path_;
};

TEST_F(CoreConfig, IntegersAndTextsAreStoredAndTraced) {
  int32_t value = -5;
  EXPECT_FALSE(osCGgetINT32(kLanguage, U(u"UserApplicationLanguageElements"), false, &value));
  EXPECT_EQ(value, 0);
  EXPECT_TRUE(osCGsetINT32(kLanguage, U(u"UserApplicationLanguageElements"), 3));
  EXPECT_TRUE(osCGgetINT32(kLanguage, U(u"UserApplicationLanguageElements"), false, &value));
  EXPECT_EQ(value, 3);
  EXPECT_TRUE(osCGsetUNICHAR(kLanguage, U(u"UserApplicationLanguageName0"), U(u"Français")));
  unichar name[40] = {u'x', 0};
  EXPECT_TRUE(osCGgetUNICHAR(kLanguage, U(u"UserApplicationLanguageName0"), false, 40, name));
  EXPECT_EQ(text(name), u"Français");
  EXPECT_FALSE(osCGgetUNICHAR(kLanguage, U(u"UserApplicationLanguageName1"), false, 40, name));
  EXPECT_EQ(text(name), u"");
  EXPECT_EQ(host::traceLines(),
            (std::vector<std::string>{
                "osCGgetINT32(\"Language\", \"UserApplicationLanguageElements\", false) -> false",
                "osCGsetINT32(\"Language\", \"UserApplicationLanguageElements\", 3) -> true",
                "osCGgetINT32(\"Language\", \"UserApplicationLanguageElements\", false) -> true 3",
                "osCGsetUNICHAR(\"Language\", \"UserApplicationLanguageName0\", \"Français\") -> "
                "true",
                "osCGgetUNICHAR(\"Language\", \"UserApplicationLanguageName0\", false, 40) -> "
                "true \"Français\"",
                "osCGgetUNICHAR(\"Language\", \"UserApplicationLanguageName1\", false, 40) -> "
                "false"}));
}

TEST_F(CoreConfig, TextsAreCutToTheCapacity) {
  const std::u16string fifty(50, u'n');
  ASSERT_TRUE(osCGsetUNICHAR(kLanguage, U(u"Name"), U(fifty.c_str())));
  unichar name[40];
  EXPECT_TRUE(osCGgetUNICHAR(kLanguage, U(u"Name"), false, 40, name));
  EXPECT_EQ(text(name), std::u16string(39, u'n'));
  EXPECT_FALSE(osCGgetUNICHAR(kLanguage, U(u"Name"), false, 0, name));
  EXPECT_FALSE(osCGgetUNICHAR(kLanguage, U(u"Name"), false, 40, nullptr));
}

TEST_F(CoreConfig, IntegersMustBeWholeThirtyTwoBitNumbers) {
  int32_t value = 1;
  osCGsetINT32(kLanguage, U(u"Low"), INT32_MIN);
  EXPECT_TRUE(osCGgetINT32(kLanguage, U(u"Low"), false, &value));
  EXPECT_EQ(value, INT32_MIN);
  osCGsetUNICHAR(kLanguage, U(u"Big"), U(u"2147483648"));
  EXPECT_FALSE(osCGgetINT32(kLanguage, U(u"Big"), false, &value));
  EXPECT_EQ(value, 0);
  osCGsetUNICHAR(kLanguage, U(u"Word"), U(u"12a"));
  EXPECT_FALSE(osCGgetINT32(kLanguage, U(u"Word"), false, &value));
  osCGsetINT32(kLanguage, U(u"Number"), -42);
  unichar buffer[8];
  EXPECT_TRUE(osCGgetUNICHAR(kLanguage, U(u"Number"), false, 8, buffer));
  EXPECT_EQ(text(buffer), u"-42");
  EXPECT_FALSE(osCGgetINT32(kLanguage, U(u"Number"), false, nullptr));
}

TEST_F(CoreConfig, CreateIfMissingStoresTheDefault) {
  int32_t value = 9;
  EXPECT_TRUE(osCGgetINT32(kLanguage, U(u"Fresh"), true, &value));
  EXPECT_EQ(value, 0);
  EXPECT_EQ(corehost::configurationValue("Language", "Fresh"), "0");
  unichar buffer[4] = {u'x', 0};
  EXPECT_TRUE(osCGgetUNICHAR(kLanguage, U(u"FreshName"), true, 4, buffer));
  EXPECT_EQ(text(buffer), u"");
  EXPECT_EQ(corehost::configurationValue("Language", "FreshName"), "");
}

TEST_F(CoreConfig, NamesThatCannotBeWrittenAreRefused) {
  EXPECT_FALSE(osCGsetINT32(kLanguage, U(u"a=b"), 1));
  EXPECT_FALSE(osCGsetINT32(kLanguage, U(u""), 1));
  EXPECT_FALSE(osCGsetINT32(kLanguage, U(u" padded"), 1));
  EXPECT_FALSE(osCGsetINT32(kLanguage, U(u"line\nbreak"), 1));
  EXPECT_FALSE(osCGsetINT32(U(u"Sec]tion"), U(u"Key"), 1));
  EXPECT_FALSE(osCGsetINT32(nullptr, U(u"Key"), 1));
  EXPECT_FALSE(osCGsetUNICHAR(kLanguage, nullptr, U(u"x")));
  int32_t value = 0;
  EXPECT_FALSE(osCGgetINT32(nullptr, nullptr, true, &value));
  EXPECT_EQ(host::traceLines().back(), "osCGgetINT32(null, null, true) -> false");
}

TEST_F(CoreConfig, RoundTripThroughAFile) {
  ASSERT_FALSE(corehost::loadConfiguration(path_.string()));
  EXPECT_TRUE(osCGsetINT32(kLanguage, U(u"UserApplicationLanguageNum2"), 5));
  EXPECT_TRUE(osCGsetUNICHAR(kLanguage, U(u"Tricky"), U(u" a\\b\nc😀 ")));
  EXPECT_TRUE(osCGsetINT32(U(u"Other"), U(u"Key"), -1));
  EXPECT_TRUE(osCGsetINT32(kLanguage, U(u"UserApplicationLanguageNum2"), 6));
  EXPECT_EQ(readFile(path_),
            "[Language]\nUserApplicationLanguageNum2=6\nTricky=\\u0020a\\\\b\\nc😀\\u0020\n"
            "\n[Other]\nKey=-1\n");

  corehost::resetConfiguration();
  EXPECT_EQ(corehost::configurationValue("Language", "UserApplicationLanguageNum2"), std::nullopt);
  ASSERT_TRUE(corehost::loadConfiguration(path_.string()));
  EXPECT_EQ(corehost::configurationPath(), path_.string());
  int32_t value = 0;
  EXPECT_TRUE(osCGgetINT32(kLanguage, U(u"UserApplicationLanguageNum2"), false, &value));
  EXPECT_EQ(value, 6);
  unichar buffer[16];
  EXPECT_TRUE(osCGgetUNICHAR(kLanguage, U(u"Tricky"), false, 16, buffer));
  EXPECT_EQ(text(buffer), u" a\\b\nc😀 ");
  EXPECT_EQ(corehost::configurationValue("Other", "Key"), "-1");
}

TEST_F(CoreConfig, HandWrittenFilesAreRead) {
  std::ofstream(path_, std::ios::binary)
      << "\xEF\xBB\xBF; settings\r\n[ Language ]\r\n  SystemLanguageElements = 4 \r\n"
         "# comment\r\nnot a pair\r\nName=\\q\\u00e9\r\n";
  ASSERT_TRUE(corehost::loadConfiguration(path_.string()));
  int32_t value = 0;
  EXPECT_TRUE(osCGgetINT32(kLanguage, U(u"SystemLanguageElements"), false, &value));
  EXPECT_EQ(value, 4);
  EXPECT_EQ(corehost::configurationValue("Language", "Name"), "\\qé");
}

TEST_F(CoreConfig, SettingAPathWritesTheCurrentValues) {
  osCGsetINT32(kLanguage, U(u"Kept"), 1);
  EXPECT_TRUE(corehost::setConfigurationPath(path_.string()));
  EXPECT_EQ(readFile(path_), "[Language]\nKept=1\n");
  EXPECT_FALSE(corehost::setConfigurationPath((path_ / "no" / "such.ini").string()));
  EXPECT_FALSE(osCGsetINT32(kLanguage, U(u"Kept"), 2));  // the file cannot be written
}

TEST(CoreSystemLanguages, CodesByPositionAndEmptyBeyond) {
  host::traceClear();
  unichar code[OS_BL_LANGUAGE_CODE_CAPACITY] = {u'x', 0};
  EXPECT_TRUE(osBLgetSystemLanguageCode(0, code));
  EXPECT_EQ(text(code), u"en");
  EXPECT_TRUE(osBLgetSystemLanguageCode(2, code));
  EXPECT_EQ(text(code), u"fr");
  EXPECT_FALSE(osBLgetSystemLanguageCode(3, code));
  EXPECT_EQ(text(code), u"");

  corehost::setSystemLanguages({"de", "", "", "it", "a-code-longer-than-fifteen"});
  EXPECT_FALSE(osBLgetSystemLanguageCode(1, code));
  EXPECT_TRUE(osBLgetSystemLanguageCode(3, code));
  EXPECT_EQ(text(code), u"it");
  EXPECT_TRUE(osBLgetSystemLanguageCode(4, code));
  EXPECT_EQ(text(code), u"a-code-longer-t");
  EXPECT_FALSE(osBLgetSystemLanguageCode(-1, code));
  EXPECT_FALSE(osBLgetSystemLanguageCode(9, nullptr));
  corehost::setSystemLanguages({"en", "de", "fr"});
  EXPECT_EQ(host::traceLines()[0], "osBLgetSystemLanguageCode(0) -> true \"en\"");
  EXPECT_EQ(host::traceLines()[2], "osBLgetSystemLanguageCode(3) -> false");
}

TEST(CoreTimeZone, PinnedOffset) {
  host::traceClear();
  corehost::setTimeZoneOffset(std::chrono::minutes(-60));
  int32_t offset = 9999;
  EXPECT_TRUE(osTMgetGMTTimeZoneOffset(&offset));
  EXPECT_EQ(offset, -60);
  EXPECT_EQ(host::traceLines(),
            (std::vector<std::string>{"osTMgetGMTTimeZoneOffset() -> true -60"}));
  corehost::setTimeZoneOffset(std::nullopt);
}

#if !defined(_WIN32)
TEST(CoreTimeZone, LibraryOffsetIsGmtMinusLocalTime) {
  const char* saved = std::getenv("TZ");
  const std::string previous = saved != nullptr ? saved : "";
  setenv("TZ", "XYZ-5:30", 1);  // five and a half hours east of Greenwich, no summer time
  tzset();
  int32_t offset = 9999;
  EXPECT_TRUE(osTMgetGMTTimeZoneOffset(&offset));
  EXPECT_EQ(offset, -330);
  setenv("TZ", "XYZ3", 1);
  tzset();
  EXPECT_TRUE(osTMgetGMTTimeZoneOffset(&offset));
  EXPECT_EQ(offset, 180);
  if (saved != nullptr) {
    setenv("TZ", previous.c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();
}
#endif

}  // namespace
