// The module's exported entry points: the version query and one
// initialisation per VM class whose natives the module implements.
#pragma once

#include <cstdint>

extern "C" {
const char* GetDLMAppVersion(void);
int32_t gpclasses_graphics_CgpCanvas_init(void);
int32_t gpclasses_graphics_CgpPolyLine_init(void);
int32_t gpclasses_graphics_CgpScale_init(void);
}

namespace tamri {

using ClassInit = int32_t (*)(void);

struct ClassInitExport {
  const char* exportName;
  ClassInit init;
};

// Every class initialisation, for hosts that link the module statically, in
// the order of the export table.
inline constexpr ClassInitExport kClassInits[] = {
    {"gpclasses_graphics_CgpCanvas_init", gpclasses_graphics_CgpCanvas_init},
    {"gpclasses_graphics_CgpPolyLine_init", gpclasses_graphics_CgpPolyLine_init},
    {"gpclasses_graphics_CgpScale_init", gpclasses_graphics_CgpScale_init},
};

}  // namespace tamri
