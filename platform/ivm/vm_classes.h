// Internal: the VM's class objects behind findClass and staticDataFromClass.
#pragma once

#include "vm_host.h"

namespace vmhost {

IvmClass* classObject(std::string_view path);
IvmClass* classObjectAt(int32_t index);
const ClassDef* classDefOf(const IvmClass* cls);
int32_t classIndexOf(const IvmClass* cls);
uint8_t* staticBlockOf(IvmClass* cls);
void resetStatics();

}  // namespace vmhost

namespace vmhost {
// A VM string for a narrow text, made once per distinct text.
jword internedString(std::string_view text);
}  // namespace vmhost

namespace vmhost {
// Forgets which native or host method each VM method resolved to.
void invalidateMethodResolutions();
}  // namespace vmhost
