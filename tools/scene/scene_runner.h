// Running a loaded scene: a fresh VM heap and drawing layer, the scene's
// surface as drawing target, its strings, arrays and objects on the heap
// under their names, then every call through the VM's argument stacks.
#pragma once

#include "tools/scene/scene.h"

#include <string>
#include <vector>

namespace scene {

struct SceneRun {
  // The platform's trace lines of each call followed by its result line,
  // then the printed fields.
  std::vector<std::string> trace;
  int32_t surface = 0;   // the scene's surface handle; 0 without one
  bool balanced = true;  // every native left both stacks as it found them
  std::string error;     // set when the VM heap cannot hold the scene
  bool ok() const { return error.empty() && balanced; }
};

// The module's natives must be registered (registerModuleNatives).
SceneRun runScene(const Scene& scene);

}  // namespace scene
