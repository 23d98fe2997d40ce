// Library entry and the version query of the module.
#include "module/module_export.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

// Read by the runtime's tools from the file itself; no code reads it.
[[gnu::used]] const char kVersionMarker[] = "##DLM_AppVersion##1.2.0.2004";
constexpr const char* kVersion = kVersionMarker + sizeof("##DLM_AppVersion##") - 1;

}  // namespace

TAMRI_EXPORT const char* GetDLMAppVersion(void) { return kVersion; }

#if defined(_WIN32)
// The module does no work on process or thread attach or detach.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
#endif
