// The graphic file's own fields, after the graphic object record: the image
// it draws in its bounding rectangle.
#pragma once

#include "module/graphic_record.h"

namespace tamri::graphic_file {

// Handle of the drawing layer's image (0: none).
inline constexpr IntField imageHandle{140};
// How the image fills the rectangle; the drawing layer's option, passed on.
inline constexpr IntField imageOption{144};

// Every field above by its VM name.
inline constexpr NamedField kFields[] = {
    {"imageHandle", imageHandle},
    {"imageOption", imageOption},
};

}  // namespace tamri::graphic_file
