// Walking Cairo's current path as straight pieces, for the strokes the
// raster draws itself (thin stepped lines, dashes of wide lines).
#pragma once

#include <cairo.h>

namespace gdi::raster {

struct PathPoint {
  double x, y;
};

// Takes the current path off the context, flattened; calls startSubpath()
// at every move and segment(from, to) for every straight piece, closing
// pieces included.
template <typename StartSubpath, typename Segment>
void walkFlatPath(cairo_t* cr, StartSubpath startSubpath, Segment segment) {
  cairo_path_t* path = cairo_copy_path_flat(cr);
  cairo_new_path(cr);
  if (path->status == CAIRO_STATUS_SUCCESS) {
    PathPoint current{0, 0}, subpathStart{0, 0};
    for (int i = 0; i < path->num_data; i += path->data[i].header.length) {
      const cairo_path_data_t* data = &path->data[i];
      const PathPoint point{data[1].point.x, data[1].point.y};
      switch (data->header.type) {
        case CAIRO_PATH_MOVE_TO:
          current = subpathStart = point;
          startSubpath();
          break;
        case CAIRO_PATH_LINE_TO:
          segment(current, point);
          current = point;
          break;
        case CAIRO_PATH_CLOSE_PATH:
          segment(current, subpathStart);
          current = subpathStart;
          break;
        default:  // a flattened path has no curves
          break;
      }
    }
  }
  cairo_path_destroy(path);
}

}  // namespace gdi::raster
