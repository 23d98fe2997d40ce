// JivoTamri: binds VM method names to identifiers and method pointers.
#include "host_trace.h"
#include "jivo.h"
#include "vm_host.h"

#include <string>

extern "C" {

JIVO_API void RegisterMethod(int16_t* identifier, const char* classPath,
                             const char* nameAndSignature) {
  host::PlatformScope scope;
  if (!identifier || !classPath || !nameAndSignature) return;
  *identifier = vmhost::methodIdentifier(classPath, nameAndSignature);
  if (host::traceRecording()) {
    host::traceLine(std::string("RegisterMethod(\"") + classPath + "\", \"" + nameAndSignature +
                    "\") -> " + std::to_string(*identifier));
  }
}

JIVO_API IvmMethod* GetMethodPtr(int16_t identifier) {
  host::PlatformScope scope;
  return vmhost::methodByIdentifier(identifier);
}

}  // extern "C"
