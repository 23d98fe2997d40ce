// JivoTamri: the VM's method lookup.
#pragma once

#include "ivm.h"

#if defined(JIVO_BUILD)
#define JIVO_API PLATFORM_EXPORT
#else
#define JIVO_API PLATFORM_IMPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Stores a non-negative identifier for the method into *identifier.
JIVO_API void RegisterMethod(int16_t* identifier, const char* classPath,
                             const char* nameAndSignature);
JIVO_API IvmMethod* GetMethodPtr(int16_t identifier);

#ifdef __cplusplus
}
#endif
