// Mathematics of the platform core. The fast sine and cosine read a table of
// whole tenths of a degree, so the drawing code gets identical values for
// identical angles on every host.
#include <array>
#include <cmath>

#include "host_trace.h"

namespace {

constexpr int kFullTurn = 3600;
constexpr int kQuarterTurn = 900;
constexpr double kPi = 3.14159265358979323846;

using SineTable = std::array<double, kFullTurn>;

// The first quadrant is computed once and mirrored, so that symmetric angles
// give exactly equal magnitudes and the axes give exactly 0 and 1.
SineTable buildSineTable() {
  SineTable table{};
  for (int t = 0; t <= kQuarterTurn; ++t) {
    double value;
    if (t == 0) {
      value = 0.0;
    } else if (t == kQuarterTurn) {
      value = 1.0;
    } else if (t == 300) {
      value = 0.5;  // sin 30 degrees, which the library misses by one unit
    } else if (t <= kQuarterTurn / 2) {
      value = std::sin(t * kPi / 1800.0);
    } else {
      value = std::cos((kQuarterTurn - t) * kPi / 1800.0);
    }
    table[t] = value;
    table[1800 - t] = value;
    table[1800 + t] = -value;
    if (t != 0) table[kFullTurn - t] = -value;
  }
  table[1800] = 0.0;  // not -0.0
  return table;
}

const SineTable& sineTable() {
  static const SineTable table = buildSineTable();
  return table;
}

int reduceAngle(int tenths) {
  int reduced = tenths % kFullTurn;
  return reduced < 0 ? reduced + kFullTurn : reduced;
}

}  // namespace

extern "C" {

double osUTfastsin(int16_t tenthsOfDegree) {
  host::PlatformScope scope;
  return sineTable()[reduceAngle(tenthsOfDegree)];
}

double osUTfastcos(int16_t tenthsOfDegree) {
  host::PlatformScope scope;
  return sineTable()[reduceAngle(tenthsOfDegree + kQuarterTurn)];
}

double osUTsqrt(double value) {
  host::PlatformScope scope;
  return std::sqrt(value);
}

double osUTpow(double base, double exponent) {
  host::PlatformScope scope;
  return std::pow(base, exponent);
}

// The most negative value has no positive counterpart and comes back as is.
int32_t osUTabs(int32_t value) {
  host::PlatformScope scope;
  const uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : value;
  return static_cast<int32_t>(magnitude);
}

double osUTatan(double value) {
  host::PlatformScope scope;
  return std::atan(value);
}

double osUTfabs(double value) {
  host::PlatformScope scope;
  return std::fabs(value);
}

double osUTlog10(double value) {
  host::PlatformScope scope;
  return std::log10(value);
}

}  // extern "C"
