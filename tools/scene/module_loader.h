// The module as the runtime sees it: a set of C exports, one initialisation
// per VM class and the version query. The command-line runner loads the
// library at run time; tests hand in the exports of the module linked into
// them.
#pragma once

#include "platform/ivm/vm_host.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace scene {

using InitExport = int32_t (*)();
using VersionExport = const char* (*)();

class ModuleExports {
 public:
  virtual ~ModuleExports() = default;
  // The named initialisation export, or nullptr when the module has none.
  virtual InitExport init(const std::string& exportName) const = 0;
  virtual VersionExport version() const = 0;
};

// A module library opened with the system's loader. It stays loaded for the
// rest of the process, since the registered natives point into it.
class LibraryModule final : public ModuleExports {
 public:
  // nullptr and the loader's message in `error` when the library cannot be opened.
  static std::unique_ptr<LibraryModule> open(const std::string& path, std::string& error);
  InitExport init(const std::string& exportName) const override;
  VersionExport version() const override;

 private:
  explicit LibraryModule(void* handle) : handle_(handle) {}
  void* symbol(const std::string& name) const;
  void* handle_;
};

// Exports of a module linked into the process, given by name.
class LinkedModule final : public ModuleExports {
 public:
  LinkedModule(VersionExport version, std::map<std::string, InitExport> inits)
      : version_(version), inits_(std::move(inits)) {}
  InitExport init(const std::string& exportName) const override;
  VersionExport version() const override { return version_; }

 private:
  VersionExport version_;
  std::map<std::string, InitExport> inits_;
};

// "gpclasses_" + the package's last component + "_" + the class name +
// "_init"; empty for a path without a package.
std::string initExportName(std::string_view classPath);

// Calls the initialisation of every VM class the module has one for, in the
// order of the class layouts, as the runtime does when it loads the module.
// A class that already has natives registered is skipped, so a process
// registers each class once however often it loads. Returns the trace lines
// the initialisations wrote (a failed native-support check reports one).
std::vector<std::string> registerModuleNatives(const ModuleExports& module);

// The registration table, one native a line: class path, a space, the name
// with its signature.
std::vector<std::string> nativeTableLines();

}  // namespace scene
