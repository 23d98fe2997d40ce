#include "path_data.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <numbers>

namespace gdi {
namespace {

struct Point {
  double x, y;
};

Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
Point operator*(double k, Point a) { return {k * a.x, k * a.y}; }

bool isSpace(unichar c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool isDigit(unichar c) { return c >= '0' && c <= '9'; }
bool startsNumber(unichar c) { return isDigit(c) || c == '+' || c == '-' || c == '.'; }

unichar upper(unichar c) { return c >= 'a' && c <= 'z' ? static_cast<unichar>(c - 32) : c; }

// Arguments of one repetition of a command; -1 for a letter that is none.
int argumentCount(unichar command) {
  switch (upper(command)) {
    case 'Z':
      return 0;
    case 'H':
    case 'V':
      return 1;
    case 'M':
    case 'L':
    case 'T':
      return 2;
    case 'S':
    case 'Q':
      return 4;
    case 'C':
      return 6;
    case 'A':
      return 7;
    default:
      return -1;
  }
}

class PathReader {
 public:
  PathReader(const unichar* text, int32_t count, PathSink& sink)
      : text_(text), count_(text && count > 0 ? count : 0), sink_(sink) {}

  PathParse read() {
    skipBlanks();
    if (atEnd()) return {};
    if (upper(text_[at_]) != 'M') return stopped();
    while (!atEnd()) {
      const unichar command = text_[at_];
      if (argumentCount(command) < 0) return stopped();
      ++at_;
      if (!readRepetitions(command)) return stopped();
    }
    return {};
  }

 private:
  bool atEnd() const { return at_ >= count_; }
  PathParse stopped() const { return {false, at_}; }

  void skipBlanks() {
    while (!atEnd() && isSpace(text_[at_])) ++at_;
  }

  // Blanks with at most one comma among them. A comma stands only between
  // two numbers of a command: false, stopped at the comma, when no number
  // follows it.
  bool skipNumberSeparator() {
    skipBlanks();
    if (atEnd() || text_[at_] != ',') return true;
    const int32_t comma = at_++;
    skipBlanks();
    if (!atEnd() && startsNumber(text_[at_])) return true;
    at_ = comma;
    return false;
  }

  // One or more argument sets; Z takes none. False at a fault.
  bool readRepetitions(unichar command) {
    const int arguments = argumentCount(command);
    double values[7];
    skipBlanks();
    if (arguments == 0) {
      apply(command, values);
      return atEnd() || argumentCount(text_[at_]) >= 0;
    }
    for (;;) {
      for (int i = 0; i < arguments; ++i) {
        if (i > 0 && !skipNumberSeparator()) return false;
        const bool isFlag = upper(command) == 'A' && (i == 3 || i == 4);
        if (!(isFlag ? readFlag(values[i]) : readNumber(values[i]))) return false;
      }
      apply(command, values);
      // Further pairs after a move are lines.
      if (upper(command) == 'M') command = command == 'M' ? 'L' : 'l';
      if (!skipNumberSeparator()) return false;
      if (atEnd() || !startsNumber(text_[at_])) return true;
    }
  }

  bool readFlag(double& value) {
    if (atEnd() || (text_[at_] != '0' && text_[at_] != '1')) return false;
    value = text_[at_++] - '0';
    return true;
  }

  // [+-] (digits [. digits] | . digits) [(e|E) [+-] digits], with any number
  // of digits; those past the 20th significant one lie far below a double's
  // precision and are dropped.
  bool readNumber(double& value) {
    constexpr int kSignificantDigits = 20;
    char literal[48];  // sign, significant digits, 'e', exponent
    int length = 0, kept = 0;
    int64_t exponent = 0;
    bool anyDigit = false;
    auto takeDigit = [&](unichar digit, bool fraction) {
      anyDigit = true;
      const bool dropped = kept == kSignificantDigits;
      if (!dropped && (kept > 0 || digit != '0')) {
        literal[length++] = static_cast<char>(digit);
        ++kept;
      }
      if (fraction && !dropped) --exponent;
      if (!fraction && dropped) ++exponent;
    };
    int32_t i = at_;
    if (i < count_ && (text_[i] == '+' || text_[i] == '-')) {
      if (text_[i++] == '-') literal[length++] = '-';
    }
    for (; i < count_ && isDigit(text_[i]); ++i) takeDigit(text_[i], false);
    if (i < count_ && text_[i] == '.') {
      for (++i; i < count_ && isDigit(text_[i]); ++i) takeDigit(text_[i], true);
    }
    if (!anyDigit) {
      at_ = i;
      return false;
    }
    // An "e" without digits after it is not part of the number.
    if (i < count_ && (text_[i] == 'e' || text_[i] == 'E')) {
      int32_t j = i + 1;
      int exponentSign = 1;
      if (j < count_ && (text_[j] == '+' || text_[j] == '-'))
        exponentSign = text_[j++] == '-' ? -1 : 1;
      if (j < count_ && isDigit(text_[j])) {
        int written = 0;
        for (; j < count_ && isDigit(text_[j]); ++j)
          written = std::min(written * 10 + (text_[j] - '0'), 9999);
        exponent += exponentSign * written;
        i = j;
      }
    }
    double result = 0;
    // The kept digits times 10^exponent lies below 10^(exponent + kept).
    if (kept > 0 && exponent + kept > -300) {
      if (exponent + kept > 10) return false;
      literal[length++] = 'e';
      length = static_cast<int>(std::to_chars(literal + length, std::end(literal), exponent).ptr -
                                literal);
      std::from_chars(literal, literal + length, result);
    }
    if (!(std::fabs(result) <= kLargestPathNumber)) return false;
    value = result;
    at_ = i;
    return true;
  }

  void apply(unichar command, const double* v) {
    const bool relative = command >= 'a';
    const Point origin = relative ? current_ : Point{0, 0};
    const unichar kind = upper(command);
    switch (kind) {
      case 'M':
        current_ = start_ = origin + Point{v[0], v[1]};
        sink_.moveTo(current_.x, current_.y);
        break;
      case 'L':
        lineTo(origin + Point{v[0], v[1]});
        break;
      case 'H':
        lineTo({origin.x + v[0], current_.y});
        break;
      case 'V':
        lineTo({current_.x, origin.y + v[0]});
        break;
      case 'C':
        cubicTo(origin + Point{v[0], v[1]}, origin + Point{v[2], v[3]}, origin + Point{v[4], v[5]});
        break;
      case 'S':
        cubicTo(reflected(lastKind_ == 'C' || lastKind_ == 'S'), origin + Point{v[0], v[1]},
                origin + Point{v[2], v[3]});
        break;
      case 'Q':
        quadraticTo(origin + Point{v[0], v[1]}, origin + Point{v[2], v[3]});
        break;
      case 'T':
        quadraticTo(reflected(lastKind_ == 'Q' || lastKind_ == 'T'), origin + Point{v[0], v[1]});
        break;
      case 'A':
        arcTo(v[0], v[1], v[2], v[3] != 0, v[4] != 0, origin + Point{v[5], v[6]});
        break;
      default:  // 'Z'
        sink_.closePath();
        current_ = start_;
        break;
    }
    lastKind_ = kind;
  }

  // The control point mirrored about the current point, when the previous
  // piece was of the same kind; the current point otherwise.
  Point reflected(bool sameKind) const {
    return sameKind ? current_ + (current_ - control_) : current_;
  }

  void lineTo(Point to) {
    sink_.lineTo(to.x, to.y);
    current_ = to;
  }

  void cubicTo(Point c1, Point c2, Point to) {
    sink_.curveTo(c1.x, c1.y, c2.x, c2.y, to.x, to.y);
    control_ = c2;
    current_ = to;
  }

  void quadraticTo(Point q, Point to) {
    const Point c1 = current_ + (2.0 / 3.0) * (q - current_);
    const Point c2 = to + (2.0 / 3.0) * (q - to);
    sink_.curveTo(c1.x, c1.y, c2.x, c2.y, to.x, to.y);
    control_ = q;
    current_ = to;
  }

  // An elliptical arc from the current point, as cubic pieces of at most a
  // quarter turn each. Radii too small for the two ends are grown; a zero
  // radius gives a straight line; equal ends give nothing.
  void arcTo(double rx, double ry, double rotationDegrees, bool largeArc, bool sweep, Point to) {
    const Point from = current_;
    if (from.x == to.x && from.y == to.y) return;
    rx = std::fabs(rx);
    ry = std::fabs(ry);
    if (rx == 0 || ry == 0) return lineTo(to);
    const double phi = rotationDegrees * std::numbers::pi / 180.0;
    const double cosPhi = std::cos(phi), sinPhi = std::sin(phi);
    const Point half = 0.5 * (from - to);
    const Point p{cosPhi * half.x + sinPhi * half.y, -sinPhi * half.x + cosPhi * half.y};
    const double grow = (p.x * p.x) / (rx * rx) + (p.y * p.y) / (ry * ry);
    if (grow > 1) {
      rx *= std::sqrt(grow);
      ry *= std::sqrt(grow);
    }
    const double rx2 = rx * rx, ry2 = ry * ry;
    const double denominator = rx2 * p.y * p.y + ry2 * p.x * p.x;
    double factor = std::sqrt(std::max(0.0, (rx2 * ry2 - denominator) / denominator));
    if (largeArc == sweep) factor = -factor;
    const Point c{factor * rx * p.y / ry, -factor * ry * p.x / rx};
    const Point mid = 0.5 * (from + to);
    const Point centre{cosPhi * c.x - sinPhi * c.y + mid.x, sinPhi * c.x + cosPhi * c.y + mid.y};
    const double startAngle = std::atan2((p.y - c.y) / ry, (p.x - c.x) / rx);
    double sweepAngle = std::atan2((-p.y - c.y) / ry, (-p.x - c.x) / rx) - startAngle;
    if (sweep && sweepAngle < 0) sweepAngle += 2 * std::numbers::pi;
    if (!sweep && sweepAngle > 0) sweepAngle -= 2 * std::numbers::pi;
    if (!std::isfinite(sweepAngle) || !std::isfinite(centre.x) || !std::isfinite(centre.y)) {
      return lineTo(to);
    }
    // Unit circle point of angle a, on the ellipse.
    auto onEllipse = [&](double u, double v) {
      return Point{centre.x + rx * cosPhi * u - ry * sinPhi * v,
                   centre.y + rx * sinPhi * u + ry * cosPhi * v};
    };
    const int pieces = std::max(
        1, static_cast<int>(std::ceil(std::fabs(sweepAngle) / (std::numbers::pi / 2) - 1e-9)));
    const double step = sweepAngle / pieces;
    const double k = 4.0 / 3.0 * std::tan(step / 4);
    double a = startAngle;
    for (int i = 0; i < pieces; ++i) {
      const double b = a + step;
      const Point c1 = onEllipse(std::cos(a) - k * std::sin(a), std::sin(a) + k * std::cos(a));
      const Point c2 = onEllipse(std::cos(b) + k * std::sin(b), std::sin(b) - k * std::cos(b));
      const Point end = i + 1 == pieces ? to : onEllipse(std::cos(b), std::sin(b));
      sink_.curveTo(c1.x, c1.y, c2.x, c2.y, end.x, end.y);
      a = b;
    }
    current_ = to;
  }

  const unichar* text_;
  int32_t count_;
  PathSink& sink_;
  int32_t at_ = 0;
  Point current_{0, 0}, start_{0, 0}, control_{0, 0};
  unichar lastKind_ = 0;
};

}  // namespace

PathParse parsePathData(const unichar* text, int32_t count, PathSink& sink) {
  return PathReader(text, count, sink).read();
}

std::string pathParseNote(const PathParse& parse) {
  return parse.complete ? std::string() : "malformed at " + std::to_string(parse.stoppedAt);
}

}  // namespace gdi
