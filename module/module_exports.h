// The module's exported entry points: the version query and one
// initialisation per VM class whose natives the module implements.
#pragma once

#include <cstdint>

extern "C" {
const char* GetDLMAppVersion(void);
int32_t gpclasses_graphics_CgpArc_init(void);
int32_t gpclasses_graphics_CgpBezier_init(void);
int32_t gpclasses_graphics_CgpCanvas_init(void);
int32_t gpclasses_graphics_CgpComplexObj_init(void);
int32_t gpclasses_graphics_CgpEllipse_init(void);
int32_t gpclasses_graphics_CgpFont_init(void);
int32_t gpclasses_graphics_CgpGraphicFile_init(void);
int32_t gpclasses_graphics_CgpListBox_init(void);
int32_t gpclasses_graphics_CgpPie_init(void);
int32_t gpclasses_graphics_CgpPolyLine_init(void);
int32_t gpclasses_graphics_CgpPolygon_init(void);
int32_t gpclasses_graphics_CgpRectangle_init(void);
int32_t gpclasses_graphics_CgpScale_init(void);
int32_t gpclasses_graphics_CgpScreenCapture_init(void);
int32_t gpclasses_graphics_CgpText_init(void);
int32_t gpclasses_baseclasses_CgpLanguageMgr_init(void);
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
    {"gpclasses_graphics_CgpArc_init", gpclasses_graphics_CgpArc_init},
    {"gpclasses_graphics_CgpBezier_init", gpclasses_graphics_CgpBezier_init},
    {"gpclasses_graphics_CgpCanvas_init", gpclasses_graphics_CgpCanvas_init},
    {"gpclasses_graphics_CgpComplexObj_init", gpclasses_graphics_CgpComplexObj_init},
    {"gpclasses_graphics_CgpEllipse_init", gpclasses_graphics_CgpEllipse_init},
    {"gpclasses_graphics_CgpFont_init", gpclasses_graphics_CgpFont_init},
    {"gpclasses_graphics_CgpGraphicFile_init", gpclasses_graphics_CgpGraphicFile_init},
    {"gpclasses_graphics_CgpListBox_init", gpclasses_graphics_CgpListBox_init},
    {"gpclasses_graphics_CgpPie_init", gpclasses_graphics_CgpPie_init},
    {"gpclasses_graphics_CgpPolyLine_init", gpclasses_graphics_CgpPolyLine_init},
    {"gpclasses_graphics_CgpPolygon_init", gpclasses_graphics_CgpPolygon_init},
    {"gpclasses_graphics_CgpRectangle_init", gpclasses_graphics_CgpRectangle_init},
    {"gpclasses_graphics_CgpScale_init", gpclasses_graphics_CgpScale_init},
    {"gpclasses_graphics_CgpScreenCapture_init", gpclasses_graphics_CgpScreenCapture_init},
    {"gpclasses_graphics_CgpText_init", gpclasses_graphics_CgpText_init},
    {"gpclasses_baseclasses_CgpLanguageMgr_init", gpclasses_baseclasses_CgpLanguageMgr_init},
};

}  // namespace tamri
