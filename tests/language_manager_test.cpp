// CgpLanguageMgr natives through the VM frame: the keys they build, the
// values they store in and read from the configuration, refused indexes,
// and the system-language callbacks.
#include "platform/core/core_host.h"
#include "vm_test_support.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

using tamri_test::callOn;
using tamri_test::makeObject;
using tamri_test::traceWith;

constexpr const char* kLanguageMgr = "gpclasses/baseclasses/CgpLanguageMgr";

uint32_t u(int32_t value) { return static_cast<uint32_t>(value); }

class LanguageManagerTest : public tamri_test::VmTest {
 protected:
  void SetUp() override {
    VmTest::SetUp();
    corehost::resetConfiguration();
    corehost::useConfiguredSystemLanguages();
    manager_ = makeObject(kLanguageMgr);
  }
  void TearDown() override {
    corehost::resetConfiguration();
    corehost::useConfiguredSystemLanguages();
  }

  bool setNum(int32_t index, int32_t value) {
    return callOn(manager_, "setUserApplicationLanguageNum(II)Z", {u(index), u(value)}).value != 0;
  }
  int32_t getNum(int32_t index) {
    return static_cast<int32_t>(
        callOn(manager_, "getUserApplicationLanguageNum(I)I", {u(index)}).value);
  }
  bool setName(int32_t index, jword name) {
    return callOn(manager_, "setUserApplicationLanguageName(ILjava/lang/String;)Z", {u(index)},
                  {name})
               .value != 0;
  }
  std::u16string getName(int32_t index) {
    const vmhost::CallResult result =
        callOn(manager_, "getUserApplicationLanguageName(I)Ljava/lang/String;", {u(index)});
    EXPECT_EQ(vmhost::kindOf(result.reference), "java/lang/String");
    return vmhost::stringText(result.reference);
  }
  int32_t getInt(const char* nameSig, std::vector<uint32_t> scalars = {}) {
    return static_cast<int32_t>(callOn(manager_, nameSig, scalars).value);
  }

  jword manager_ = 0;
};

TEST_F(LanguageManagerTest, IndexesAreWrittenInDecimalAfterTheKeyName) {
  EXPECT_TRUE(setNum(0, 7));
  EXPECT_TRUE(setNum(10, -9));
  EXPECT_EQ(getNum(0), 7);
  EXPECT_EQ(getNum(10), -9);
  EXPECT_EQ(getNum(1), 0);
  EXPECT_EQ(traceWith("osCG"),
            (std::vector<std::string>{
                "osCGsetINT32(\"Language\", \"UserApplicationLanguageNum0\", 7) -> true",
                "osCGsetINT32(\"Language\", \"UserApplicationLanguageNum10\", -9) -> true",
                "osCGgetINT32(\"Language\", \"UserApplicationLanguageNum0\", false) -> true 7",
                "osCGgetINT32(\"Language\", \"UserApplicationLanguageNum10\", false) -> true -9",
                "osCGgetINT32(\"Language\", \"UserApplicationLanguageNum1\", false) -> false"}));
}

TEST_F(LanguageManagerTest, IndexesThatMakeNoKeyAreRefusedWithoutAConfigurationCall) {
  corehost::setSystemLanguages({});
  osCGsetINT32(u"Language", u"UserApplicationLanguageSystemLang999999", 4);
  host::traceClear();
  EXPECT_FALSE(setNum(-1, 5));
  EXPECT_FALSE(setName(-2, vmhost::newString(u"Deutsch")));
  EXPECT_EQ(getNum(-1), 0);
  EXPECT_EQ(getName(INT32_MIN), u"");
  const char* systemLang = "getUserApplicationLanguageSystemLanguageNum(I)I";
  EXPECT_EQ(getInt(systemLang, {u(-1)}), 0);
  EXPECT_EQ(getInt(systemLang, {1000000}), 0);  // the key would be 40 characters
  EXPECT_TRUE(traceWith("osCG").empty());
  // The longest keys still fit: 39 characters.
  EXPECT_EQ(getInt(systemLang, {999999}), 4);
  EXPECT_TRUE(setNum(INT32_MAX, 1));
  EXPECT_EQ(
      traceWith("osCG"),
      (std::vector<std::string>{
          "osCGgetINT32(\"Language\", \"UserApplicationLanguageSystemLang999999\", false) -> "
          "true 4",
          "osCGsetINT32(\"Language\", \"UserApplicationLanguageNum2147483647\", 1) -> true"}));
}

TEST_F(LanguageManagerTest, NamesAreCutTo39CharactersAndMissingOnesReadEmpty) {
  const std::u16string fifty = u"Sprache-" + std::u16string(42, u'x');
  ASSERT_EQ(fifty.size(), 50u);
  EXPECT_TRUE(setName(3, vmhost::newString(fifty)));
  EXPECT_TRUE(setName(4, vmhost::newString(u"Français")));
  EXPECT_EQ(getName(3), fifty.substr(0, 39));
  EXPECT_EQ(getName(4), u"Français");
  EXPECT_EQ(getName(5), u"");
  EXPECT_EQ(corehost::configurationValue("Language", "UserApplicationLanguageName3"),
            "Sprache-" + std::string(31, 'x'));
  EXPECT_EQ(traceWith("osCGgetUNICHAR").back(),
            "osCGgetUNICHAR(\"Language\", \"UserApplicationLanguageName5\", false, 40) -> false");
  // A null name keeps the stored one.
  EXPECT_FALSE(setName(4, 0));
  EXPECT_EQ(getName(4), u"Français");
}

TEST_F(LanguageManagerTest, CountsAreStoredUnderTheirOwnKeys) {
  EXPECT_EQ(getInt("getUserApplicationLanguageElements()I"), 0);
  EXPECT_EQ(getInt("getNumberOfSystemLanguages()I"), 0);
  EXPECT_EQ(callOn(manager_, "setUserApplicationLanguageElements(I)Z", {3}).value, 1u);
  osCGsetINT32(u"Language", u"SystemLanguageElements", 5);
  osCGsetINT32(u"Language", u"UserApplicationLanguageSystemLang2", 6);
  EXPECT_EQ(getInt("getUserApplicationLanguageElements()I"), 3);
  EXPECT_EQ(getInt("getNumberOfSystemLanguages()I"), 5);
  EXPECT_EQ(getInt("getUserApplicationLanguageSystemLanguageNum(I)I", {2}), 6);
  EXPECT_EQ(getNum(2), 0);  // not the system-language key of the same index
  EXPECT_EQ(corehost::configurationValue("Language", "UserApplicationLanguageElements"), "3");
}

// A file from another tool, with a line the reader cannot read and a comment
// in Latin-1, keeps every line but the one the native adds; LF or CRLF.
TEST_F(LanguageManagerTest, AFileWithDamagedLinesKeepsThemAndItsValues) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                     ("language_manager_" + std::to_string(getpid()) + ".ini");
  for (const std::string lineBreak : {"\n", "\r\n"}) {
    std::vector<std::string> lines = {"; Konfiguration f\xFCr Panel",
                                      "[Other]",
                                      "A=1",
                                      "this line has no equals sign",
                                      "B=2",
                                      "[Language]",
                                      "UserApplicationLanguageNum1=11",
                                      "UserApplicationLanguageNum2=22",
                                      "[Network]",
                                      "IP=10.0.0.1"};
    const auto joined = [&lineBreak](const std::vector<std::string>& parts) {
      std::string text;
      for (const std::string& part : parts) text += part + lineBreak;
      return text;
    };
    std::ofstream(path, std::ios::binary | std::ios::trunc) << joined(lines);
    ASSERT_TRUE(corehost::loadConfiguration(path.string()));
    EXPECT_EQ(getNum(1), 11);
    EXPECT_EQ(getNum(2), 22);
    EXPECT_TRUE(setNum(0, 5));
    EXPECT_EQ(getNum(0), 5);
    lines.insert(lines.begin() + 8, "UserApplicationLanguageNum0=5");
    EXPECT_EQ(tamri_test::fileText(path), joined(lines));
  }
  std::filesystem::remove(path);
  std::filesystem::remove(path.string() + ".lock");
}

// A write that fails changes nothing: not the file, not what the getters
// read, not what the next write that succeeds stores.
TEST_F(LanguageManagerTest, FailedWritesAnswerFalseAndChangeNothing) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("language_manager_" + std::to_string(getpid()));
  EXPECT_FALSE(corehost::loadConfiguration((folder / "config.ini").string()));
  EXPECT_FALSE(setNum(0, 5));
  EXPECT_FALSE(setName(1, vmhost::newString(u"English")));
  EXPECT_EQ(callOn(manager_, "setUserApplicationLanguageElements(I)Z", {3}).value, 0u);
  EXPECT_EQ(getNum(0), 0);
  EXPECT_EQ(getName(1), u"");
  std::filesystem::create_directory(folder);
  EXPECT_TRUE(setNum(1, 7));
  EXPECT_EQ(tamri_test::fileText(folder / "config.ini"),
            "[Language]\nUserApplicationLanguageNum1=7\n");
  std::filesystem::remove_all(folder);
}

TEST_F(LanguageManagerTest, EachPresentSystemLanguageIsReportedOnceInOrder) {
  corehost::setSystemLanguages({"en", "", "", "fr", "", "", "", "", "it", "es"});
  callOn(manager_, "initSystemLanguagesFromConfig()V");
  const std::vector<std::string> callbacks = traceWith("callback");
  ASSERT_EQ(callbacks.size(), 3u);
  EXPECT_NE(callbacks[0].find("addSystemLanguageFromNative(I)V on "), std::string::npos);
  EXPECT_EQ(callbacks[0].substr(callbacks[0].size() - 3), "(0)");
  EXPECT_EQ(callbacks[1].substr(callbacks[1].size() - 3), "(3)");
  EXPECT_EQ(callbacks[2].substr(callbacks[2].size() - 3), "(8)");
  const std::vector<std::string> asked = traceWith("osBLgetSystemLanguageCode");
  ASSERT_EQ(asked.size(), 9u);
  EXPECT_EQ(asked[8], "osBLgetSystemLanguageCode(8) -> true \"it\"");
}

TEST_F(LanguageManagerTest, RegistersItsNineNativesInOrder) {
  std::vector<std::string> registered;
  for (const vmhost::NativeRecord& native : vmhost::natives())
    if (native.classPath == kLanguageMgr) registered.push_back(native.nameAndSignature);
  EXPECT_EQ(registered, (std::vector<std::string>{
                            "setUserApplicationLanguageNum(II)Z",
                            "getUserApplicationLanguageNum(I)I",
                            "setUserApplicationLanguageName(ILjava/lang/String;)Z",
                            "getUserApplicationLanguageName(I)Ljava/lang/String;",
                            "setUserApplicationLanguageElements(I)Z",
                            "getUserApplicationLanguageElements()I",
                            "getUserApplicationLanguageSystemLanguageNum(I)I",
                            "initSystemLanguagesFromConfig()V",
                            "getNumberOfSystemLanguages()I",
                        }));
}

}  // namespace
