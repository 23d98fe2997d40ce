// Drawing-layer calls read back from their trace lines and made again,
// straight into the drawing layer: the drawing of a frame without the module
// and the VM frame around it. The trace gives every argument as received, so
// the replay draws exactly what the recorded run drew.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace bench {

class TraceReplay {
 public:
  // Reads the drawing-layer lines; other lines (VM callbacks, method lookups)
  // are skipped. False, with the line in `error`, when a drawing-layer line
  // cannot be read back, or when it makes or frees a font or an image: a
  // replay made again and again must leave the layer's tables as it found them.
  bool load(const std::vector<std::string>& lines, std::string& error);
  // Makes every call again, in the recorded order.
  void run() const;
  size_t size() const { return calls_.size(); }

 private:
  std::vector<std::function<void()>> calls_;
};

}  // namespace bench
