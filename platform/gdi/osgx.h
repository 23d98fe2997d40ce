// GDI: the platform drawing layer. Plain C operations with int coordinates,
// 32-bit colours (top bit set = no colour) and small packed records.
#pragma once

#include "platform_export.h"

#include <stdbool.h>

#if defined(GDI_BUILD)
#define GDI_API PLATFORM_EXPORT
#else
#define GDI_API PLATFORM_IMPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

#pragma pack(push, 1)
typedef struct POINTRECT {
  int32_t left, top, right, bottom;
} POINTRECT;
typedef struct POINTLINE {
  int32_t x1, y1, x2, y2;
} POINTLINE;
typedef struct APOINT {
  int32_t x, y;
} APOINT;
typedef struct PLANECOL {
  int32_t lineColor, backColor, fillColor;
} PLANECOL;
typedef struct PLANEATTRIB {
  int8_t lineWidth, lineStyle, fillStyle, extra;
} PLANEATTRIB;
typedef struct TEXTCOL {
  int32_t textColor, backColor, secondColor;
} TEXTCOL;
typedef struct TEXTATTRIB {
  int32_t layout;
  uint8_t attributes[20];
} TEXTATTRIB;
#pragma pack(pop)

// Images and fonts are kept by the drawing layer and named by 32-bit handles,
// so that VM objects can hold them in int fields.
typedef uint32_t stImageHandle;
typedef uint32_t FONTHANDLE;

GDI_API void osGXdrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int16_t lineWidth,
                          int16_t lineStyle, int32_t lineColor, int32_t backColor,
                          uint8_t lineEnds);
GDI_API void osGXdrawPolyline(int32_t count, const APOINT* points, int16_t lineWidth,
                              int16_t lineStyle, int32_t lineColor, int32_t backColor,
                              uint8_t lineEnds);
GDI_API void osGXdrawBezierLine(int32_t count, const APOINT* points, int16_t lineWidth,
                                int16_t lineStyle, int32_t lineColor, int32_t backColor,
                                uint8_t lineEnds);
GDI_API void osGXdrawArc(const POINTRECT* ellipse, const POINTLINE* startEnd, int32_t lineColor,
                         int32_t backColor, int8_t lineStyle, int16_t lineWidth,
                         const POINTRECT* bounds, bool flag);
GDI_API void osGXpie(int32_t surface, const POINTRECT* ellipse, const POINTLINE* startEnd,
                     const PLANECOL* colours, const PLANEATTRIB* attributes,
                     const POINTRECT* bounds, bool flag);
GDI_API void osGXdrawEllipse(int32_t left, int32_t top, int32_t right, int32_t bottom,
                             int32_t lineColor, int16_t lineStyle, int16_t lineWidth,
                             int32_t backColor);
GDI_API void osGXfillEllipse(int32_t left, int32_t top, int32_t right, int32_t bottom,
                             int32_t fillColor, int16_t fillStyle, int32_t backColor);
GDI_API void osGXdrawRectangle(int32_t left, int32_t top, int32_t right, int32_t bottom,
                               int16_t lineWidth, int16_t lineStyle, int32_t lineColor,
                               int32_t backColor, uint8_t rounded, int32_t cornerWidth,
                               int32_t cornerHeight);
GDI_API void osGXfillRectangle(int32_t left, int32_t top, int32_t right, int32_t bottom,
                               int16_t lineWidth, int32_t fillColor, int8_t fillStyle,
                               int32_t backColor, uint8_t rounded, int32_t cornerWidth,
                               int32_t cornerHeight);
GDI_API void osGXdrawPolygon(int32_t count, const APOINT* points, int16_t lineWidth,
                             int32_t lineColor, int32_t backColor, int16_t lineStyle);
GDI_API void osGXfillPolygon(int32_t count, const APOINT* points, int32_t fillColor,
                             int32_t backColor, int8_t fillStyle, bool flag);
GDI_API void osGXdrawTriangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3,
                              int32_t y3, int32_t lineColor, int32_t backColor, int16_t lineStyle,
                              int16_t lineWidth);
GDI_API void osGXfillTriangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3,
                              int32_t y3, int32_t fillColor, int32_t backColor, int8_t fillStyle);
// Paths: translation, scale in 1/256 (256 = 1.0), path text of `count` UTF-16 characters.
GDI_API void osGXdrawPath(int32_t translateX, int32_t translateY, int32_t scaleX, int32_t scaleY,
                          const unichar* path, int32_t count, int32_t lineColor, int16_t lineWidth);
GDI_API void osGXfillPath(int32_t translateX, int32_t translateY, int32_t scaleX, int32_t scaleY,
                          const unichar* path, int32_t count, int32_t fillColor);

GDI_API bool osGXgetClipArea(int32_t* left, int32_t* top, int32_t* right, int32_t* bottom,
                             int32_t surface);
GDI_API void osGXsetClipArea(int32_t left, int32_t top, int32_t right, int32_t bottom,
                             int32_t surface);
GDI_API void osGXremoveClipArea(int32_t surface);
GDI_API void osGXsetClipFillAnimation(uint8_t on);
GDI_API void osGXgetLineBoundingRect(APOINT first, APOINT second, int8_t lineWidth, POINTRECT* out);

GDI_API void osGXtext(int32_t surface, const POINTRECT* rect, const TEXTCOL* colours,
                      const TEXTATTRIB* attributes, FONTHANDLE font, const unichar* text,
                      int32_t count, bool flag);
GDI_API void osGXsimpleText(int32_t surface, const POINTRECT* rect, FONTHANDLE font,
                            const unichar* text, TEXTCOL colours, int32_t code1, int32_t code2,
                            int32_t count);
GDI_API void osGXscrollMarquee(int32_t surface, const POINTRECT* rect, const TEXTCOL* colours,
                               const TEXTATTRIB* attributes, FONTHANDLE font, const unichar* text,
                               int32_t count, bool flag, int32_t step);
GDI_API void osGXgetTextMetrics(FONTHANDLE font, const unichar* text, int32_t count, int32_t* width,
                                int32_t* height, int32_t* third);
GDI_API FONTHANDLE osGXloadFont(const unichar* name, uint8_t param1, uint8_t param2,
                                uint8_t param3);
GDI_API void osGXunloadFont(FONTHANDLE font);
GDI_API bool osGXisAgfaFont(const unichar* name);

// Images. Handles are 1, 2, 3, ... in the order images are made and are never
// given out twice, so a freed or unknown handle is recognised and ignored;
// 0 is no image. The load and create operations store one of these codes in
// `status` (when it is not null) and return 0 on every failure.
#define OS_GX_IMAGE_OK 0
#define OS_GX_IMAGE_FILE_MISSING 1     // no file at the path (an empty path included)
#define OS_GX_IMAGE_FILE_UNREADABLE 2  // not a regular file, or reading it failed
#define OS_GX_IMAGE_UNSUPPORTED 3      // neither PNG, BMP nor JPEG
#define OS_GX_IMAGE_DAMAGED 4          // a known kind whose data is corrupt or cut short
#define OS_GX_IMAGE_TOO_LARGE 5        // beyond a limit below: side, pixels or file size
#define OS_GX_IMAGE_NO_SURFACE 6       // the source of a capture is no surface
#define OS_GX_IMAGE_REGION_EMPTY 7     // a capture region with right < left or bottom < top
#define OS_GX_IMAGE_REGION_OUTSIDE 8   // a capture region not wholly on the surface
#define OS_GX_IMAGE_NO_ROOM 9          // the image table is full
#define OS_GX_IMAGE_BAD_PATH 10        // a path that names no file: unpaired surrogates, or cut
#define OS_GX_IMAGE_MAX_SIDE 4096
#define OS_GX_IMAGE_MAX_PIXELS (OS_GX_IMAGE_MAX_SIDE * OS_GX_IMAGE_MAX_SIDE)
#define OS_GX_IMAGE_MAX_FILE_BYTES (64 * 1024 * 1024)

// Loads a PNG, BMP or JPEG file.
GDI_API stImageHandle osGXloadImage(const unichar* path, int32_t* status);
// Copies the inclusive region of surface `source` (the whole surface for a
// null region) into a new image.
GDI_API stImageHandle osGXcreateImage(int32_t source, const POINTRECT* region, int32_t* status);
// Draws an image with its top-left corner at `position` into a box of
// width x height pixels. `option` 0 scales the image to the box (nearest
// pixel), 1 draws it at its own size cropped to the box, 2 at its own size
// centred in the box and cropped to it; other values scale. `flag` is
// recorded only.
GDI_API void osGXimage(int32_t surface, APOINT position, int16_t width, int16_t height,
                       stImageHandle image, int32_t option, uint8_t flag);
GDI_API void osGXunloadImage(stImageHandle image);

#ifdef __cplusplus
}
#endif
