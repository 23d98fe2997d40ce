// CgpLanguageMgr: the user application's languages, kept in the platform
// configuration (section "Language"), and the system's languages, reported
// back to the VM object one position at a time.
#include "language/language_keys.h"
#include "module/call_frame.h"
#include "module/module_export.h"
#include "module/native_registration.h"
#include "module/vm_callback.h"
#include "module/vm_strings.h"
#include "platform/core/morvcore.h"

namespace tamri {
namespace {

constexpr const unichar* kLanguageNum = u"UserApplicationLanguageNum";
constexpr const unichar* kLanguageName = u"UserApplicationLanguageName";
constexpr const unichar* kLanguageSystemLang = u"UserApplicationLanguageSystemLang";
constexpr const unichar* kLanguageElements = u"UserApplicationLanguageElements";
constexpr const unichar* kSystemLanguageElements = u"SystemLanguageElements";

// Names are stored cut to 39 characters.
constexpr int32_t kNameCapacity = 40;
// The system's language positions, 0 to 8.
constexpr int32_t kSystemLanguagePositions = 9;

// The stored int, or 0 when it cannot be read.
int32_t storedInt(const unichar* key) {
  int32_t value = 0;
  return osCGgetINT32(kLanguageSection, key, false, &value) ? value : 0;
}

int32_t storedIndexedInt(const unichar* name, int32_t index) {
  LanguageKey key;
  return buildIndexedKey(key, name, index) ? storedInt(key.text) : 0;
}

void setUserApplicationLanguageNum() {
  LanguageKey key;
  returnBool(buildIndexedKey(key, kLanguageNum, intArg(0)) &&
             osCGsetINT32(kLanguageSection, key.text, intArg(1)));
}

void getUserApplicationLanguageNum() { returnInt(storedIndexedInt(kLanguageNum, intArg(0))); }

void setUserApplicationLanguageName() {
  const LocalRef name = LocalRef::argument(1);
  LanguageKey key;
  // A missing name stores nothing: it would wipe the one kept.
  if (name.isNull() || !buildIndexedKey(key, kLanguageName, intArg(0))) {
    returnBool(false);
    return;
  }
  unichar text[kNameCapacity];
  copyText(name.value(), text, kNameCapacity);
  returnBool(osCGsetUNICHAR(kLanguageSection, key.text, text));
}

void getUserApplicationLanguageName() {
  unichar text[kNameCapacity] = {0};
  LanguageKey key;
  if (!buildIndexedKey(key, kLanguageName, intArg(0)) ||
      !osCGgetUNICHAR(kLanguageSection, key.text, false, kNameCapacity, text)) {
    text[0] = 0;
  }
  returnReference(uni2Jstring(text, osUTustrlen(text)));
}

void setUserApplicationLanguageElements() {
  returnBool(osCGsetINT32(kLanguageSection, kLanguageElements, intArg(0)));
}

void getUserApplicationLanguageElements() { returnInt(storedInt(kLanguageElements)); }

void getUserApplicationLanguageSystemLanguageNum() {
  returnInt(storedIndexedInt(kLanguageSystemLang, intArg(0)));
}

void initSystemLanguagesFromConfig() {
  const LocalRef self = LocalRef::argument(0);
  unichar code[OS_BL_LANGUAGE_CODE_CAPACITY] = {0};
  for (int32_t position = 0; position < kSystemLanguagePositions; ++position) {
    osBLgetSystemLanguageCode(position, code);
    if (code[0] != 0) {
      callVoidMethod(vm_methods::addSystemLanguageFromNative, Dispatch::Virtual, self, {position});
    }
    osUTustrcpy(code, nullptr);  // empties the code for the next position
  }
}

void getNumberOfSystemLanguages() { returnInt(storedInt(kSystemLanguageElements)); }

constexpr NativeMethod kNatives[] = {
    {"setUserApplicationLanguageNum(II)Z", setUserApplicationLanguageNum},
    {"getUserApplicationLanguageNum(I)I", getUserApplicationLanguageNum},
    {"setUserApplicationLanguageName(ILjava/lang/String;)Z", setUserApplicationLanguageName},
    {"getUserApplicationLanguageName(I)Ljava/lang/String;", getUserApplicationLanguageName},
    {"setUserApplicationLanguageElements(I)Z", setUserApplicationLanguageElements},
    {"getUserApplicationLanguageElements()I", getUserApplicationLanguageElements},
    {"getUserApplicationLanguageSystemLanguageNum(I)I",
     getUserApplicationLanguageSystemLanguageNum},
    {"initSystemLanguagesFromConfig()V", initSystemLanguagesFromConfig},
    {"getNumberOfSystemLanguages()I", getNumberOfSystemLanguages},
};

}  // namespace
}  // namespace tamri

TAMRI_EXPORT int32_t gpclasses_baseclasses_CgpLanguageMgr_init(void) {
  static constexpr tamri::NativeClass kClass{
      "gpclasses/baseclasses/CgpLanguageMgr", "gpclasses.baseclasses.CgpLanguageMgr",
      "gpClasses_BaseClasses_CgpLanguageMgr", tamri::kNatives};
  return tamri::registerNativeClass(kClass, __LINE__);
}
