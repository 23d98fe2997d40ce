// Loading the "calls" and "print" entries of a scene, once every name is known.
#pragma once

#include "tools/scene/scene_names.h"

namespace scene {

NativeCall loadCall(const Json& json, const std::string& place, const NameTable& names,
                    const Scene& scene);
PrintRequest loadPrint(const Json& json, const std::string& place, const NameTable& names);

}  // namespace scene
