// IVM: the VM's native interface as the module sees it.
//
// References are 32-bit words everywhere. Words 0..255 are not references,
// 256..767 are argument-slot handles (resolved by the module), and 768 and
// above are direct references: the field block of the object lies at the
// word stored 12 bytes before the reference. Words become addresses through
// ivmHeapBase(), so no native pointer is ever stored in a reference word.
#pragma once

#include "platform_export.h"

#if defined(IVM_BUILD)
#define IVM_API PLATFORM_EXPORT
#else
#define IVM_API PLATFORM_IMPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef uint32_t jword;
typedef struct IvmClass IvmClass;
typedef struct IvmMethod IvmMethod;
typedef void (*NativeEntryPoint)(void);

// The two argument stacks grow towards lower addresses. Each accessor gives
// the VM's own pointer variable, so natives can read and move it.
IVM_API jword** get_pfp(void);
IVM_API jword** get_psp(void);
IVM_API jword** get_npfp(void);
IVM_API jword** get_npsp(void);

IVM_API int32_t registerNativeMethod(const char* classPath, const char* nameAndSignature,
                                     NativeEntryPoint entry);

IVM_API IvmClass* findClass(jword classPathString);
IVM_API jword newObject(IvmClass* cls);
IVM_API void* staticDataFromClass(IvmClass* cls);

IVM_API jword c2jString(const char* text);
IVM_API jword uni2Jstring(const unichar* text, int32_t count);
IVM_API const unichar* peekJstring(const void* stringBlock);
IVM_API int32_t numUniChars(const void* stringBlock);
IVM_API void j2wcString(const void* stringBlock, unichar* buffer, int32_t capacity);

// The word to keep in a pointer-stack slot for a resolved field block.
IVM_API jword tendPtr(const void* fieldBlock);

IVM_API void fastInvoke(IvmMethod* method);
IVM_API void fastInvokeVirtual(IvmMethod* method);

// Address of heap word 0: a reference word w is the heap byte at base + w.
IVM_API uint8_t* ivmHeapBase(void);

#ifdef __cplusplus
}
#endif
