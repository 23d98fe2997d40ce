// The one namespace of a scene's strings, arrays and objects, which fields,
// array elements and arguments reach as "@name", and the type check of
// those references against the VM types that receive them.
#pragma once

#include "tools/scene/scene_values.h"

#include <map>
#include <string>
#include <vector>

namespace scene {

enum class ItemKind { String, IntArray, RefArray, Object };

struct NamedItem {
  ItemKind kind = ItemKind::String;
  std::string place;                      // where it was declared
  const vmhost::ClassDef* cls = nullptr;  // objects
  size_t refArrayIndex = 0;               // reference arrays: declaration order
  std::vector<std::string> elements;      // reference arrays, once loaded
};

class NameTable {
 public:
  // Fails on a malformed or already used name.
  NamedItem& declare(const std::string& name, ItemKind kind, const std::string& place);
  const NamedItem* find(const std::string& name) const;
  NamedItem* find(const std::string& name);

  // The name a "@name" reference or null gives (empty for null); the name
  // must be declared.
  std::string referenceName(const Json& json, const std::string& place) const;
  // Fails unless the named item (or null) can be stored where `vmType`
  // ("[I", "Ljava/lang/String;", "Lgpclasses/graphics/CgpFont;", "[L...;")
  // is expected.
  void checkFits(const std::string& name, const std::string& vmType,
                 const std::string& place) const;

 private:
  std::string misfit(const std::string& name, std::string_view vmType) const;
  std::map<std::string, NamedItem, std::less<>> items_;
};

// "a string", "an int array", "a reference array", "a <class path> object".
std::string kindText(const NamedItem& item);

}  // namespace scene
