// Loading a scene from its JSON text. Everything is checked here, against
// the VM's class layouts and the natives registered so far, so that a scene
// that loads runs without surprises; the first problem is reported as
// "<source>: <place>: <message>", the place being the JSON path
// ("objects.line1.fields.pointz", "calls[2].args[0]").
#pragma once

#include "tools/scene/scene.h"

#include <string>
#include <string_view>

namespace scene {

struct SceneLoad {
  Scene scene;
  std::string error;  // empty when the scene loaded
  bool ok() const { return error.empty(); }
};

// The module's natives must be registered first: calls are checked against them.
SceneLoad loadScene(std::string_view jsonText, const std::string& sourceName);

}  // namespace scene
