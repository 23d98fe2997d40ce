// The module's exported entry points: the version query and one
// initialisation per VM class whose natives the module implements.
#pragma once

#include <cstdint>

extern "C" {
const char* GetDLMAppVersion(void);
int32_t gpclasses_graphics_CgpPolyLine_init(void);
}
