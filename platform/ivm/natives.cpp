// The native table that registerNativeMethod fills, and signature parsing.
#include "host_trace.h"
#include "vm_classes.h"
#include "vm_host.h"

namespace vmhost {
namespace {

std::vector<NativeRecord>& table() {
  static std::vector<NativeRecord> records;
  return records;
}

// Length of the one type that starts at `at`, or 0 when it is malformed.
size_t typeLength(std::string_view text, size_t at) {
  size_t i = at;
  while (i < text.size() && text[i] == '[') ++i;
  if (i >= text.size()) return 0;
  if (text[i] == 'L') {
    const size_t end = text.find(';', i);
    return end == std::string_view::npos ? 0 : end + 1 - at;
  }
  return std::string_view("IZBFVCSJD").find(text[i]) == std::string_view::npos ? 0 : i + 1 - at;
}

}  // namespace

const std::vector<NativeRecord>& natives() { return table(); }

const NativeRecord* findNative(std::string_view classPath, std::string_view nameSig) {
  for (const NativeRecord& r : table()) {
    if (r.classPath == classPath && r.nameAndSignature == nameSig) return &r;
  }
  return nullptr;
}

void clearNatives() {
  table().clear();
  invalidateMethodResolutions();
}

Signature parseSignature(std::string_view nameSig) {
  Signature sig;
  const size_t open = nameSig.find('(');
  const size_t close = nameSig.find(')');
  if (open == std::string_view::npos || close == std::string_view::npos || close < open ||
      open == 0)
    return sig;
  sig.name = std::string(nameSig.substr(0, open));
  for (size_t i = open + 1; i < close;) {
    const size_t len = typeLength(nameSig, i);
    if (len == 0 || i + len > close) return sig;
    sig.params.emplace_back(nameSig.substr(i, len));
    i += len;
  }
  const size_t resultLen = typeLength(nameSig, close + 1);
  if (resultLen == 0 || close + 1 + resultLen != nameSig.size()) return sig;
  sig.result = std::string(nameSig.substr(close + 1));
  sig.valid = true;
  return sig;
}

bool isReferenceType(std::string_view type) {
  return !type.empty() && (type[0] == 'L' || type[0] == '[');
}

}  // namespace vmhost

extern "C" IVM_API int32_t registerNativeMethod(const char* classPath, const char* nameAndSignature,
                                                NativeEntryPoint entry) {
  host::PlatformScope scope;
  if (!classPath || !nameAndSignature || !entry) return 0;
  vmhost::table().push_back({classPath, nameAndSignature, entry});
  vmhost::invalidateMethodResolutions();
  return 1;
}
