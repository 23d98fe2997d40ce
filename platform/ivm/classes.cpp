// Class lookup by path, field lookup through superclasses, and the VM class
// objects with their static field blocks.
#include "vm_classes.h"

#include <memory>
#include <string>
#include <vector>

struct IvmClass {
  const vmhost::ClassDef* def;
  int32_t index;
  std::vector<uint8_t> statics;
};

namespace vmhost {
namespace {

std::vector<std::unique_ptr<IvmClass>>& classObjects() {
  static std::vector<std::unique_ptr<IvmClass>> objects = [] {
    std::vector<std::unique_ptr<IvmClass>> all;
    const auto layouts = classLayouts();
    for (size_t i = 0; i < layouts.size(); ++i) {
      auto cls = std::make_unique<IvmClass>();
      cls->def = &layouts[i];
      cls->index = static_cast<int32_t>(i);
      cls->statics.assign(
          static_cast<size_t>(layouts[i].staticSize > 0 ? layouts[i].staticSize : 4), 0);
      all.push_back(std::move(cls));
    }
    return all;
  }();
  return objects;
}

}  // namespace

const ClassDef* classByPath(std::string_view path) {
  for (const ClassDef& cls : classLayouts()) {
    if (path == cls.path) return &cls;
  }
  return nullptr;
}

IvmClass* classObject(std::string_view path) {
  for (auto& cls : classObjects()) {
    if (path == cls->def->path) return cls.get();
  }
  return nullptr;
}

IvmClass* classObjectAt(int32_t index) {
  auto& all = classObjects();
  if (index < 0 || static_cast<size_t>(index) >= all.size()) return nullptr;
  return all[static_cast<size_t>(index)].get();
}

const ClassDef* classDefOf(const IvmClass* cls) { return cls ? cls->def : nullptr; }
int32_t classIndexOf(const IvmClass* cls) { return cls ? cls->index : -1; }
uint8_t* staticBlockOf(IvmClass* cls) { return cls ? cls->statics.data() : nullptr; }

const FieldDef* findField(const ClassDef& cls, std::string_view name) {
  for (const ClassDef* c = &cls; c; c = c->superPath ? classByPath(c->superPath) : nullptr) {
    for (const FieldDef& f : c->fields) {
      if (name == f.name) return &f;
    }
  }
  return nullptr;
}

const FieldDef* findStaticField(const ClassDef& cls, std::string_view name) {
  for (const FieldDef& f : cls.staticFields) {
    if (name == f.name) return &f;
  }
  return nullptr;
}

bool isSubclassOf(const ClassDef& cls, std::string_view ancestorPath) {
  for (const ClassDef* c = &cls; c; c = c->superPath ? classByPath(c->superPath) : nullptr) {
    if (ancestorPath == c->path) return true;
  }
  return false;
}

void resetStatics() {
  for (auto& cls : classObjects()) std::fill(cls->statics.begin(), cls->statics.end(), 0);
}

}  // namespace vmhost
