// Running a loaded scene: a fresh VM heap and drawing layer, the scene's
// surface as drawing target, its strings, arrays and objects on the heap
// under their names, then every call through the VM's argument stacks.
#pragma once

#include "tools/scene/scene.h"

#include <memory>
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

// The module's natives must be registered (registerModuleNatives). Runs the
// scene's `setup`, then its `calls`, then prints.
SceneRun runScene(const Scene& scene);

class Runner;
struct PreparedCall;

// A scene held open as a panel holds its screen: built and set up once, then
// its `calls` run again for every frame. Each call's receiver and arguments
// are turned into VM words beforehand, so that a frame costs what the natives
// and the VM frame cost. The scene must outlive the session.
class SceneSession {
 public:
  // A fresh heap and drawing layer, the scene's items, its `setup` run with
  // the trace recorded into opening().trace.
  explicit SceneSession(const Scene& scene);
  ~SceneSession();
  SceneSession(const SceneSession&) = delete;
  SceneSession& operator=(const SceneSession&) = delete;

  const SceneRun& opening() const;
  // Runs the scene's `calls` once, results into their fields, nothing added
  // to the trace but what the platform records; false when a native left the
  // stacks unbalanced.
  bool runFrame();

 private:
  std::unique_ptr<Runner> runner_;
  std::vector<PreparedCall> frame_;
};

}  // namespace scene
