// CgpLanguageMgr natives through the VM frame. The keys they build, the values
// they store and read back and the refused indexes are pinned by the scene
// tests/scenes/languages.json; here is what needs the host's hand: values
// only the platform writes, a configuration that refuses writes, and the
// system languages.
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

  jword manager_ = 0;
};

// The system-language count and numbers are written by the platform, not by
// these natives.
TEST_F(LanguageManagerTest, SystemLanguageValuesAreReadFromTheConfiguration) {
  osCGsetINT32(u"Language", u"SystemLanguageElements", 5);
  osCGsetINT32(u"Language", u"UserApplicationLanguageSystemLang2", 6);
  EXPECT_EQ(std::vector({call("getNumberOfSystemLanguages()I"),
                         call("getUserApplicationLanguageSystemLanguageNum(I)I", {2})}),
            std::vector({5, 6}));
}

// A write the configuration refuses answers false.
TEST_F(LanguageManagerTest, FailedWritesAnswerFalseAndChangeNothing) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("language_manager_" + std::to_string(getpid()));
  EXPECT_FALSE(corehost::loadConfiguration((folder / "config.ini").string()));
  EXPECT_EQ(std::vector({call("setUserApplicationLanguageNum(II)Z", {0, 5}),
                         call("setUserApplicationLanguageName(ILjava/lang/String;)Z", {1},
                              {vmhost::newString(u"English")}),
                         call("setUserApplicationLanguageElements(I)Z", {3})}),
            std::vector({0, 0, 0}));
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
