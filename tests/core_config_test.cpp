#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>

#include <unistd.h>

#include "core_host.h"
#include "host_trace.h"
#include "vm_test_support.h"

namespace {

using namespace std::string_literals;

const unichar* U(const char16_t* text) { return reinterpret_cast<const unichar*>(text); }
std::u16string text(const unichar* buffer) {
  return std::u16string(reinterpret_cast<const char16_t*>(buffer));
}

const unichar* const kLanguage = U(u"Language");

void setVariable(const char* name, const char* value) {
  value != nullptr ? setenv(name, value, 1) : unsetenv(name);
}

// Sets an environment variable (or removes it, for null) for one scope.
struct ScopedVariable {
  ScopedVariable(const char* name, const char* value) : name(name) {
    if (const char* old = std::getenv(name)) saved = old;
    setVariable(name, value);
  }
  ~ScopedVariable() { setVariable(name, saved ? saved->c_str() : nullptr); }
  const char* name;
  std::optional<std::string> saved;
};

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
    std::filesystem::remove(path_.string() + ".lock");
  }
  std::filesystem::path path_;
};

TEST_F(CoreConfig, IntegersAndTextsAreStoredCutAndTraced) {
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
  const std::u16string fifty(50, u'n');  // texts are cut to the capacity
  ASSERT_TRUE(osCGsetUNICHAR(kLanguage, U(u"Name"), U(fifty.c_str())));
  EXPECT_TRUE(osCGgetUNICHAR(kLanguage, U(u"Name"), false, 40, name));
  EXPECT_EQ(text(name), std::u16string(39, u'n'));
  EXPECT_FALSE(osCGgetUNICHAR(kLanguage, U(u"Name"), false, 0, name));
  EXPECT_FALSE(osCGgetUNICHAR(kLanguage, U(u"Name"), false, 40, nullptr));
  // Integers must be whole 32-bit numbers.
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

TEST_F(CoreConfig, CreateIfMissingStoresTheDefaultAndBadNamesAreRefused) {
  int32_t value = 9;
  EXPECT_TRUE(osCGgetINT32(kLanguage, U(u"Fresh"), true, &value));
  EXPECT_EQ(value, 0);
  EXPECT_EQ(corehost::configurationValue("Language", "Fresh"), "0");
  unichar buffer[4] = {u'x', 0};
  EXPECT_TRUE(osCGgetUNICHAR(kLanguage, U(u"FreshName"), true, 4, buffer));
  EXPECT_EQ(text(buffer), u"");
  EXPECT_EQ(corehost::configurationValue("Language", "FreshName"), "");
  for (const char16_t* name : {u"a=b", u"", u" padded", u"line\nbreak"})
    EXPECT_FALSE(osCGsetINT32(kLanguage, U(name), 1));
  EXPECT_FALSE(osCGsetINT32(U(u"Sec]tion"), U(u"Key"), 1));
  EXPECT_FALSE(osCGsetINT32(nullptr, U(u"Key"), 1));
  EXPECT_FALSE(osCGsetUNICHAR(kLanguage, nullptr, U(u"x")));
  EXPECT_FALSE(osCGgetINT32(nullptr, nullptr, true, &value));
  EXPECT_EQ(host::traceLines().back(), "osCGgetINT32(null, null, true) -> false");
}

TEST_F(CoreConfig, RoundTripThroughAFile) {
  ASSERT_FALSE(corehost::loadConfiguration(path_.string()));
  EXPECT_TRUE(osCGsetINT32(kLanguage, U(u"UserApplicationLanguageNum2"), 5));
  EXPECT_TRUE(osCGsetUNICHAR(kLanguage, U(u"Tricky"), U(u" a\\b\nc😀 ")));
  EXPECT_TRUE(osCGsetINT32(U(u"Other"), U(u"Key"), -1));
  EXPECT_TRUE(osCGsetINT32(kLanguage, U(u"UserApplicationLanguageNum2"), 6));
  EXPECT_EQ(tamri_test::fileText(path_),
            "[Language]\nUserApplicationLanguageNum2=6\nTricky=\\u0020a\\\\b\\nc😀\\u0020\n"
            "\n[Other]\nKey=-1\n");

  corehost::resetConfiguration();
  EXPECT_EQ(corehost::configurationValue("Language", "UserApplicationLanguageNum2"), std::nullopt);
  ASSERT_TRUE(corehost::loadConfiguration(path_.string()));
  EXPECT_EQ(corehost::configurationPath(), path_.string());
  unichar buffer[16];
  EXPECT_TRUE(osCGgetUNICHAR(kLanguage, U(u"Tricky"), false, 16, buffer));
  EXPECT_EQ(text(buffer), u" a\\b\nc😀 ");
  EXPECT_EQ(corehost::configurationValue("Language", "UserApplicationLanguageNum2"), "6");
  EXPECT_EQ(corehost::configurationValue("Other", "Key"), "-1");
}

// A file from another editor keeps every byte but the value set: its byte
// order mark, comment in Latin-1, CRLF line breaks, spacing and escapes.
TEST_F(CoreConfig, HandWrittenFilesAreReadAndKeptByteForByte) {
  const std::string written =
      "\xEF\xBB\xBF; Konfiguration f\xFCr Panel\r\n[ Language ]\r\n"
      "  SystemLanguageElements = 4 \r\n# comment\r\n\r\nName=\\q\\u00e9\\u00g1\r\n"
      "Replacement=\xEF\xBF\xBD\r\n\r\n[Other]\r\nX=1";
  std::ofstream(path_, std::ios::binary) << written;
  ASSERT_TRUE(corehost::loadConfiguration(path_.string()));
  int32_t value = 0;
  EXPECT_TRUE(osCGgetINT32(kLanguage, U(u"SystemLanguageElements"), false, &value));
  EXPECT_EQ(value, 4);
  EXPECT_EQ(corehost::configurationValue("Language", "Name"), "\\qé\\u00g1");
  EXPECT_EQ(corehost::configurationValue("Language", "Replacement"), "\xEF\xBF\xBD");
  EXPECT_TRUE(osCGsetINT32(kLanguage, U(u"SystemLanguageElements"), 5));
  EXPECT_TRUE(osCGsetINT32(kLanguage, U(u"New"), 6));
  EXPECT_TRUE(osCGsetINT32(U(u"Other"), U(u"Y"), 7));
  EXPECT_EQ(tamri_test::fileText(path_),
            "\xEF\xBB\xBF; Konfiguration f\xFCr Panel\r\n[ Language ]\r\n"
            "  SystemLanguageElements = 5 \r\n# comment\r\n\r\nName=\\q\\u00e9\\u00g1\r\n"
            "Replacement=\xEF\xBF\xBD\r\nNew=6\r\n\r\n[Other]\r\nX=1\r\nY=7");
  EXPECT_TRUE(tamri_test::traceWith("osERfatalError").empty());
}

struct DamagedFile {
  const char* name;
  std::string content;
  std::optional<std::string> b;  // what B reads as
  int firstDamaged;              // the line the report names
  std::string afterSettingC;     // the file once C is set to 3
};

// Binary garbage ahead of a sound section: no line of it is lost or read.
std::string garbageThenSection() {
  std::mt19937 random(19);
  std::string garbage(64 * 1024, '\0');
  for (char& byte : garbage) byte = static_cast<char>(random());
  return garbage + "\n[Language]\nA=1\nB=2\n";
}

// Ten MiB of other sections after the one that is changed.
std::string tenMebibytes() {
  std::string text = "[Language]\nA=1\nB=2\n[Bulk]\n";
  for (int i = 0; text.size() < 10u << 20; ++i) text += "Key" + std::to_string(i) + "=value\n";
  return text + "not a pair\n";
}

std::vector<DamagedFile> damagedFiles() {
  const std::string megabyte(1 << 20, 'x');
  const std::string bulk = tenMebibytes();
  const std::string garbage = garbageThenSection();
  return {
      {"no equals sign", "[Language]\nA=1\nnot a pair\nB=2\n", "2", 3,
       "[Language]\nA=1\nnot a pair\nB=2\nC=3\n"},
      // Entries under a broken header belong to no section.
      {"header without ]", "[Language]\nA=1\n[Broken\nB=2\n", std::nullopt, 3,
       "[Language]\nA=1\nC=3\n[Broken\nB=2\n"},
      {"header with more", "[Language]\nA=1\n[Language] trailing\nB=2\n", std::nullopt, 3,
       "[Language]\nA=1\nC=3\n[Language] trailing\nB=2\n"},
      {"no key", "[Language]\nA=1\n=2\nB=2\n", "2", 3, "[Language]\nA=1\n=2\nB=2\nC=3\n"},
      {"not UTF-8", "[Language]\nA=1\nB=\xC3\x28\n", std::nullopt, 3,
       "[Language]\nA=1\nB=\xC3\x28\nC=3\n"},
      {"zero bytes", "[Language]\nA=1\nB=2\0\0\0\n"s, std::nullopt, 3,
       "[Language]\nA=1\nB=2\0\0\0\nC=3\n"s},
      {"zero bytes, no last break", "[Language]\nA=1\n\0\0\0\0"s, std::nullopt, 3,
       "[Language]\nA=1\n\0\0\0\0\nC=3"s},
      // The last of two keys of a section named twice holds, and is the one set.
      {"section twice", "[Language]\nA=1\nC=0\n[Other]\nbad\n[Language]\nC=9\n", std::nullopt, 5,
       "[Language]\nA=1\nC=0\n[Other]\nbad\n[Language]\nC=3\n"},
      {"1 MiB line", "[Language]\nA=1\n" + megabyte + "\nB=2\n", "2", 3,
       "[Language]\nA=1\n" + megabyte + "\nB=2\nC=3\n"},
      {"1 MiB value", "[Language]\nA=1\nbad\nB=" + megabyte, megabyte, 3,
       "[Language]\nA=1\nbad\nB=" + megabyte + "\nC=3"},
      {"10 MiB", bulk, "2", static_cast<int>(std::count(bulk.begin(), bulk.end(), '\n')),
       "[Language]\nA=1\nB=2\nC=3\n" + bulk.substr(19)},
      {"binary garbage", garbage, "2", 1, garbage + "C=3\n"},
  };
}

// The reader skips each damaged line and the writer keeps it; the damage is
// reported once, naming its first line.
TEST_F(CoreConfig, DamagedLinesAreSkippedReportedOnceAndKept) {
  for (const DamagedFile& file : damagedFiles()) {
    SCOPED_TRACE(file.name);
    std::ofstream(path_, std::ios::binary | std::ios::trunc) << file.content;
    host::traceClear();
    EXPECT_TRUE(corehost::loadConfiguration(path_.string()));
    EXPECT_EQ(corehost::configurationValue("Language", "A"), "1");
    EXPECT_TRUE(corehost::configurationValue("Language", "B") == file.b);
    EXPECT_TRUE(osCGsetINT32(kLanguage, U(u"C"), 3));
    EXPECT_TRUE(tamri_test::fileText(path_) == file.afterSettingC);
    const std::vector<std::string> reports = tamri_test::traceWith("osERfatalError(\"MORVcore\"");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find(path_.string() + " is damaged at line " +
                              std::to_string(file.firstDamaged) + " "),
              std::string::npos)
        << reports[0];
  }
}

// Changes would lose a file that cannot be read: they fail, and the file stays.
TEST_F(CoreConfig, AFileThatCannotBeReadIsReportedOnceAndKept) {
  std::filesystem::create_directory(path_);
  host::traceClear();
  EXPECT_FALSE(corehost::loadConfiguration(path_.string()));
  int32_t value = 0;
  EXPECT_FALSE(osCGgetINT32(kLanguage, U(u"A"), true, &value));
  EXPECT_FALSE(osCGsetINT32(kLanguage, U(u"A"), 1));
  const std::vector<std::string> reports = tamri_test::traceWith("osERfatalError");
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find("cannot be read"), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_directory(path_));
  std::filesystem::remove(path_);
}

// A set replaces the file whole, through a link to it, keeping its mode and
// leaving no temporary file; the lock is the real file's.
TEST_F(CoreConfig, WritesReplaceTheFileWholeThroughALinkKeepingItsMode) {
  const std::filesystem::path real = path_.string() + ".real";
  const auto mode = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
  std::ofstream(real) << "[Language]\nA=1\n";
  std::filesystem::permissions(real, mode);
  std::filesystem::create_symlink(real, path_);
  ASSERT_TRUE(corehost::loadConfiguration(path_.string()));
  EXPECT_TRUE(osCGsetINT32(kLanguage, U(u"A"), 2));
  EXPECT_TRUE(std::filesystem::is_symlink(path_));
  EXPECT_EQ(std::filesystem::status(real).permissions(), mode);
  EXPECT_EQ(tamri_test::fileText(real), "[Language]\nA=2\n");
  EXPECT_TRUE(std::filesystem::exists(real.string() + ".lock"));
  for (const auto& entry : std::filesystem::directory_iterator(path_.parent_path())) {
    const std::string name = entry.path().filename().string();
    EXPECT_FALSE(name.rfind(path_.filename().string(), 0) == 0 && name.find(".tmp") != name.npos);
  }
  std::filesystem::remove(real);
  std::filesystem::remove(real.string() + ".lock");
}

TEST_F(CoreConfig, TheFileIsNamedByTamriConfigElseItLiesInTheUsersFolderOrIsSet) {
  const std::filesystem::path folder = path_.string() + ".d";
  {
    const ScopedVariable config("TAMRI_CONFIG", nullptr);
    const ScopedVariable xdg("XDG_CONFIG_HOME", (folder / "xdg").c_str());
    EXPECT_FALSE(corehost::reopenConfiguration());
    EXPECT_EQ(corehost::configurationPath(), (folder / "xdg/tamri/config.ini").string());
    EXPECT_TRUE(osCGsetINT32(kLanguage, U(u"A"), 1));  // the folder is made
    EXPECT_EQ(tamri_test::fileText(folder / "xdg/tamri/config.ini"), "[Language]\nA=1\n");
  }
  {
    const ScopedVariable config("TAMRI_CONFIG", nullptr);
    const ScopedVariable xdg("XDG_CONFIG_HOME", nullptr);
    const ScopedVariable home("HOME", (folder / "home").c_str());
    corehost::reopenConfiguration();
    EXPECT_EQ(corehost::configurationPath(), (folder / "home/.config/tamri/config.ini").string());
  }
  {
    const ScopedVariable config("TAMRI_CONFIG", (folder / "xdg/tamri/config.ini").c_str());
    EXPECT_TRUE(corehost::reopenConfiguration());
    EXPECT_EQ(corehost::configurationValue("Language", "A"), "1");
    // An explicit file's folder is not made.
    const ScopedVariable missing("TAMRI_CONFIG", (folder / "none/config.ini").c_str());
    EXPECT_FALSE(corehost::reopenConfiguration());
    EXPECT_FALSE(osCGsetINT32(kLanguage, U(u"A"), 2));
  }
  {
    const ScopedVariable config("TAMRI_CONFIG", "");
    EXPECT_FALSE(corehost::reopenConfiguration());
    EXPECT_EQ(corehost::configurationPath(), "");
    EXPECT_TRUE(osCGsetINT32(kLanguage, U(u"A"), 3));
    corehost::reopenConfiguration();  // values kept in memory are forgotten
    EXPECT_EQ(corehost::configurationValue("Language", "A"), std::nullopt);
  }
  // Setting a path writes the values kept so far.
  osCGsetINT32(kLanguage, U(u"Kept"), 1);
  EXPECT_TRUE(corehost::setConfigurationPath(path_.string()));
  EXPECT_EQ(tamri_test::fileText(path_), "[Language]\nKept=1\n");
  EXPECT_FALSE(corehost::setConfigurationPath((path_ / "no" / "such.ini").string()));
  EXPECT_FALSE(osCGsetINT32(kLanguage, U(u"Kept"), 2));  // the file cannot be written
  std::filesystem::remove_all(folder);
}

// The codes at positions -1 to 9, joined by "|".
std::u16string codes() {
  std::u16string joined;
  for (int32_t position = -1; position <= 9; ++position) {
    unichar code[OS_BL_LANGUAGE_CODE_CAPACITY] = {u'x', 0};
    const bool present = osBLgetSystemLanguageCode(position, code);
    EXPECT_EQ(present, code[0] != 0) << position;
    joined += (position < 0 ? u"" : u"|") + text(code);
  }
  return joined;
}

class CoreSystemLanguages : public ::testing::Test {
 protected:
  void SetUp() override {
    corehost::resetConfiguration();
    corehost::useConfiguredSystemLanguages();
    host::traceClear();
  }
  void TearDown() override {
    corehost::useConfiguredSystemLanguages();
    corehost::resetConfiguration();
  }
};

// Nine positions; a code is cut to fifteen characters.
TEST_F(CoreSystemLanguages, AHostListGivesCodesByPosition) {
  corehost::setSystemLanguages(
      {"de", "", "", "it", "a-code-longer-than-fifteen", "", "", "", "fr", "es"});
  EXPECT_EQ(codes(), u"|de|||it|a-code-longer-t||||fr|");
  EXPECT_TRUE(osBLgetSystemLanguageCode(0, nullptr));  // a null buffer is left alone
  EXPECT_EQ(host::traceLines()[1], "osBLgetSystemLanguageCode(0) -> true \"de\"");
  EXPECT_EQ(host::traceLines()[2], "osBLgetSystemLanguageCode(1) -> false");
}

// The environment's list before the configured positions, those before the
// locale, whose language (LC_ALL, LC_MESSAGES, LANG) is at position zero.
TEST_F(CoreSystemLanguages, TheEnvironmentListTheConfigurationAndTheLocaleInThatOrder) {
  osCGsetUNICHAR(kLanguage, U(u"SystemLanguage3"), U(u"nl"));
  osCGsetUNICHAR(kLanguage, U(u"SystemLanguage5"), U(u"pt"));
  const ScopedVariable all("LC_ALL", ""), messages("LC_MESSAGES", nullptr);
  const ScopedVariable lang("LANG", "sv_SE.UTF-8");
  EXPECT_EQ(codes(), u"||||nl||pt||||");
  {
    const ScopedVariable list("TAMRI_SYSTEM_LANGUAGES", "en, ,fr,,,,,,it,xx");
    EXPECT_EQ(codes(), u"|en||fr||||||it|");
  }
  corehost::resetConfiguration();
  const struct {
    const char *lang, *messages;
    std::u16string expected;
  } locales[] = {{"de_AT.UTF-8@euro", nullptr, u"|de|||||||||"},
                 {"C.UTF-8", nullptr, u"|en|||||||||"},
                 {"POSIX", "fi_FI", u"|fi|||||||||"}};
  for (const auto& row : locales) {
    const ScopedVariable locale("LANG", row.lang), overriding("LC_MESSAGES", row.messages);
    EXPECT_EQ(codes(), row.expected) << row.lang;
  }
}

// A pinned offset, else GMT minus local time from the C library.
TEST(CoreTimeZone, OffsetIsPinnedOrGmtMinusLocalTime) {
  host::traceClear();
  corehost::setTimeZoneOffset(std::chrono::minutes(-60));
  int32_t offset = 9999;
  EXPECT_TRUE(osTMgetGMTTimeZoneOffset(&offset));
  EXPECT_EQ(offset, -60);
  EXPECT_EQ(host::traceLines(),
            (std::vector<std::string>{"osTMgetGMTTimeZoneOffset() -> true -60"}));
  corehost::setTimeZoneOffset(std::nullopt);
#if !defined(_WIN32)
  for (const auto& [zone, expected] :
       {std::pair{"XYZ-5:30", -330}, std::pair{"XYZ3", 180}}) {  // east, west, no summer time
    const ScopedVariable tz("TZ", zone);
    tzset();
    EXPECT_TRUE(osTMgetGMTTimeZoneOffset(&offset));
    EXPECT_EQ(offset, expected) << zone;
  }
  tzset();
#endif
}

}  // namespace
