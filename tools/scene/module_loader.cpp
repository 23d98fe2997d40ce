#include "tools/scene/module_loader.h"

#include "platform/core/host_trace.h"

#include <algorithm>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace scene {
namespace {

bool hasNatives(std::string_view classPath) {
  const auto& table = vmhost::natives();
  return std::any_of(table.begin(), table.end(),
                     [&](const vmhost::NativeRecord& r) { return r.classPath == classPath; });
}

}  // namespace

std::unique_ptr<LibraryModule> LibraryModule::open(const std::string& path, std::string& error) {
#if defined(_WIN32)
  void* handle = reinterpret_cast<void*>(LoadLibraryA(path.c_str()));
  if (!handle) error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
#else
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* reason = dlerror();
    error = reason ? reason : "cannot load " + path;
  }
#endif
  if (!handle) return nullptr;
  return std::unique_ptr<LibraryModule>(new LibraryModule(handle));
}

void* LibraryModule::symbol(const std::string& name) const {
#if defined(_WIN32)
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name.c_str()));
#else
  return dlsym(handle_, name.c_str());
#endif
}

InitExport LibraryModule::init(const std::string& exportName) const {
  return reinterpret_cast<InitExport>(symbol(exportName));
}

VersionExport LibraryModule::version() const {
  return reinterpret_cast<VersionExport>(symbol("GetDLMAppVersion"));
}

InitExport LinkedModule::init(const std::string& exportName) const {
  const auto it = inits_.find(exportName);
  return it == inits_.end() ? nullptr : it->second;
}

std::string initExportName(std::string_view classPath) {
  const size_t lastSlash = classPath.rfind('/');
  if (lastSlash == std::string_view::npos || lastSlash == 0) return {};
  const size_t previousSlash = classPath.rfind('/', lastSlash - 1);
  const size_t packageStart = previousSlash == std::string_view::npos ? 0 : previousSlash + 1;
  const std::string_view package = classPath.substr(packageStart, lastSlash - packageStart);
  const std::string_view className = classPath.substr(lastSlash + 1);
  return "gpclasses_" + std::string(package) + "_" + std::string(className) + "_init";
}

std::vector<std::string> registerModuleNatives(const ModuleExports& module) {
  host::setTraceRecording(true);
  const size_t traceStart = host::traceLines().size();
  for (const vmhost::ClassDef& cls : vmhost::classLayouts()) {
    const InitExport init = module.init(initExportName(cls.path));
    if (init && !hasNatives(cls.path)) init();
  }
  const auto& lines = host::traceLines();
  return {lines.begin() + static_cast<std::ptrdiff_t>(std::min(traceStart, lines.size())),
          lines.end()};
}

std::vector<std::string> nativeTableLines() {
  std::vector<std::string> lines;
  for (const vmhost::NativeRecord& native : vmhost::natives())
    lines.push_back(native.classPath + " " + native.nameAndSignature);
  return lines;
}

}  // namespace scene
