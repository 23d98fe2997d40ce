// CgpLanguageMgr natives through the VM frame: the keys they build, the
// values they store in and read from the configuration, refused indexes,
// and the system-language callbacks.
#include "platform/core/core_host.h"
#include "vm_test_support.h"

#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

using tamri_test::callOn;
using tamri_test::traceWith;
using Lines = std::vector<std::string>;

uint32_t u(int32_t value) { return static_cast<uint32_t>(value); }

class LanguageManagerTest : public tamri_test::VmTest {
 protected:
  void SetUp() override {
    VmTest::SetUp();
    TearDown();
    manager_ = tamri_test::makeObject("gpclasses/baseclasses/CgpLanguageMgr");
  }
  void TearDown() override {
    corehost::resetConfiguration();
    corehost::useConfiguredSystemLanguages();
  }

  int32_t call(const char* nameSig, std::vector<uint32_t> scalars = {},
               std::vector<jword> refs = {}) {
    return static_cast<int32_t>(callOn(manager_, nameSig, scalars, refs).value);
  }
  bool setNum(int32_t index, int32_t value) {
    return call("setUserApplicationLanguageNum(II)Z", {u(index), u(value)}) != 0;
  }
  int32_t getNum(int32_t index) { return call("getUserApplicationLanguageNum(I)I", {u(index)}); }
  // A null name is the null string.
  bool setName(int32_t index, const char16_t* name) {
    const jword text = name ? vmhost::newString(name) : 0;
    return call("setUserApplicationLanguageName(ILjava/lang/String;)Z", {u(index)}, {text}) != 0;
  }
  std::u16string getName(int32_t index) {
    const vmhost::CallResult result =
        callOn(manager_, "getUserApplicationLanguageName(I)Ljava/lang/String;", {u(index)});
    EXPECT_EQ(vmhost::kindOf(result.reference), "java/lang/String");
    return vmhost::stringText(result.reference);
  }

  jword manager_ = 0;
};

constexpr const char* kSystemLanguageNum = "getUserApplicationLanguageSystemLanguageNum(I)I";

TEST_F(LanguageManagerTest, IndexesAreWrittenInDecimalAfterTheKeyNameAndCountsUnderTheirOwn) {
  EXPECT_EQ(std::vector({setNum(0, 7), setNum(10, -9)}), std::vector({true, true}));
  EXPECT_EQ(std::vector({getNum(0), getNum(10), getNum(1)}), std::vector({7, -9, 0}));
  // The writes' calls: the panel scene.
  EXPECT_EQ(traceWith("osCGget"),
            (Lines{"osCGgetINT32(\"Language\", \"UserApplicationLanguageNum0\", false) -> true 7",
                   "osCGgetINT32(\"Language\", \"UserApplicationLanguageNum10\", false) -> true -9",
                   "osCGgetINT32(\"Language\", \"UserApplicationLanguageNum1\", false) -> false"}));
  // Counts are stored under their own keys.
  const char* elements = "getUserApplicationLanguageElements()I";
  const char* systemCount = "getNumberOfSystemLanguages()I";
  EXPECT_EQ(std::vector({call(elements), call(systemCount)}), std::vector({0, 0}));
  EXPECT_EQ(call("setUserApplicationLanguageElements(I)Z", {3}), 1);
  osCGsetINT32(u"Language", u"SystemLanguageElements", 5);
  osCGsetINT32(u"Language", u"UserApplicationLanguageSystemLang2", 6);
  // getNum(2) does not read the system-language key of the same index.
  EXPECT_EQ(
      std::vector({call(elements), call(systemCount), call(kSystemLanguageNum, {2}), getNum(2)}),
      std::vector({3, 5, 6, 0}));
  EXPECT_EQ(corehost::configurationValue("Language", "UserApplicationLanguageElements"), "3");
}

TEST_F(LanguageManagerTest, IndexesThatMakeNoKeyAreRefusedWithoutAConfigurationCall) {
  corehost::setSystemLanguages({});
  osCGsetINT32(u"Language", u"UserApplicationLanguageSystemLang999999", 4);
  host::traceClear();
  EXPECT_EQ(std::vector({setNum(-1, 5), setName(-2, u"Deutsch")}), std::vector({false, false}));
  EXPECT_EQ(getName(INT32_MIN), u"");
  // 1000000 would make a key of 40 characters.
  EXPECT_EQ(std::vector({getNum(-1), call(kSystemLanguageNum, {u(-1)}),
                         call(kSystemLanguageNum, {1000000})}),
            std::vector({0, 0, 0}));
  EXPECT_TRUE(traceWith("osCG").empty());
  // The longest keys still fit: 39 characters.
  EXPECT_EQ(call(kSystemLanguageNum, {999999}), 4);
  EXPECT_TRUE(setNum(INT32_MAX, 1));
  EXPECT_EQ(
      traceWith("osCG"),
      (Lines{"osCGgetINT32(\"Language\", \"UserApplicationLanguageSystemLang999999\", false) "
             "-> true 4",
             "osCGsetINT32(\"Language\", \"UserApplicationLanguageNum2147483647\", 1) -> true"}));
}

TEST_F(LanguageManagerTest, NamesAreCutTo39CharactersAndMissingOnesReadEmpty) {
  const std::u16string fifty = u"Sprache-" + std::u16string(42, u'x');
  EXPECT_EQ(std::vector({setName(3, fifty.c_str()), setName(4, u"Français")}),
            std::vector({true, true}));
  EXPECT_EQ(std::vector({getName(3), getName(5)}),
            std::vector({fifty.substr(0, 39), std::u16string()}));
  EXPECT_EQ(corehost::configurationValue("Language", "UserApplicationLanguageName3"),
            "Sprache-" + std::string(31, 'x'));
  EXPECT_EQ(traceWith("osCGgetUNICHAR").back(),
            "osCGgetUNICHAR(\"Language\", \"UserApplicationLanguageName5\", false, 40) -> false");
  // A null name keeps the stored one.
  EXPECT_EQ(std::pair(setName(4, nullptr), getName(4)),
            std::pair(false, std::u16string(u"Français")));
}

// A write the configuration refuses answers false.
TEST_F(LanguageManagerTest, FailedWritesAnswerFalseAndChangeNothing) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("language_manager_" + std::to_string(getpid()));
  EXPECT_FALSE(corehost::loadConfiguration((folder / "config.ini").string()));
  EXPECT_EQ(std::vector({setNum(0, 5), setName(1, u"English"),
                         call("setUserApplicationLanguageElements(I)Z", {3}) != 0}),
            std::vector({false, false, false}));
}

TEST_F(LanguageManagerTest, EachPresentSystemLanguageIsReportedOnceInOrder) {
  corehost::setSystemLanguages({"en", "", "", "fr", "", "", "", "", "it", "es"});
  call("initSystemLanguagesFromConfig()V");
  const std::string callback =
      "callback virtual gpclasses/baseclasses/CgpLanguageMgr.addSystemLanguageFromNative(I)V on #" +
      std::to_string(manager_);
  EXPECT_EQ(traceWith("callback"),
            (Lines{callback + " (0)", callback + " (3)", callback + " (8)"}));
  const Lines asked = traceWith("osBLgetSystemLanguageCode");
  EXPECT_EQ(std::pair(asked.size(), asked.back()),
            std::pair(size_t{9}, std::string("osBLgetSystemLanguageCode(8) -> true \"it\"")));
}

}  // namespace
