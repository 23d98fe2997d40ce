// Angles of the canvas: whole degrees (360 to a turn) or tenths of a degree
// (3600 to a turn), the unit of the platform's sine and cosine.
#pragma once

#include <cstdint>

namespace tamri {

inline constexpr int32_t kFullTurnDegrees = 360;
inline constexpr int32_t kFullTurnTenths = 3600;
inline constexpr int32_t kHalfTurnTenths = kFullTurnTenths / 2;

// Into 0 .. turn - 1, for any int (no loop over whole turns).
inline int32_t reducedAngle(int32_t angle, int32_t turn) {
  angle %= turn;
  return angle < 0 ? angle + turn : angle;
}

}  // namespace tamri
