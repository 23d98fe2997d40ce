#include "trace_replay.h"

#include "platform/gdi/osgx.h"

#include <array>
#include <cctype>
#include <map>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace bench {
namespace {

// One argument of a trace line: a number (ints, colours, true/false), a
// text, null, or a braced or bracketed list (records, point lists).
struct Arg {
  enum class Kind { Number, Text, Null, List };
  Kind kind = Kind::Null;
  int64_t number = 0;
  std::u16string text;
  std::vector<Arg> items;
};

struct Unreadable : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}

  // "name(arg, ...)" with an optional " -> result" after it.
  std::vector<Arg> arguments() {
    expect('(');
    std::vector<Arg> args = listUntil(')');
    return args;
  }

 private:
  char peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
  void expect(char c) {
    if (peek() != c) throw Unreadable(std::string("expected '") + c + "'");
    ++at_;
  }
  void skipSeparator() {
    if (peek() == ',') ++at_;
    while (peek() == ' ') ++at_;
  }

  std::vector<Arg> listUntil(char close) {
    std::vector<Arg> items;
    while (peek() != close) {
      if (at_ >= text_.size()) throw Unreadable("the line ends inside a list");
      items.push_back(value());
      skipSeparator();
    }
    ++at_;
    return items;
  }

  Arg value() {
    Arg arg;
    const char c = peek();
    if (c == '{' || c == '[') {
      ++at_;
      arg.kind = Arg::Kind::List;
      arg.items = listUntil(c == '{' ? '}' : ']');
    } else if (c == '"') {
      arg.kind = Arg::Kind::Text;
      arg.text = quoted();
    } else if (word("null")) {
      arg.kind = Arg::Kind::Null;
    } else if (word("true")) {
      arg.kind = Arg::Kind::Number;
      arg.number = 1;
    } else if (word("false")) {
      arg.kind = Arg::Kind::Number;
    } else {
      arg.kind = Arg::Kind::Number;
      arg.number = number();
    }
    return arg;
  }

  bool word(std::string_view w) {
    if (text_.substr(at_, w.size()) != w) return false;
    at_ += w.size();
    return true;
  }

  int64_t number() {
    const bool hex = text_.substr(at_, 2) == "0x";
    const size_t start = at_ += hex ? 2 : 0;
    if (peek() == '-') ++at_;
    while (std::isxdigit(static_cast<unsigned char>(peek()))) ++at_;
    if (at_ == start) throw Unreadable("expected a value");
    const std::string digits(text_.substr(start, at_ - start));
    return hex ? static_cast<int32_t>(std::stoul(digits, nullptr, 16)) : std::stoll(digits);
  }

  std::u16string quoted() {
    expect('"');
    std::u16string out;
    while (peek() != '"') {
      if (at_ >= text_.size()) throw Unreadable("the line ends inside a text");
      uint32_t code = static_cast<unsigned char>(text_[at_++]);
      if (code == '\\') {
        const char e = text_[at_++];
        if (e == 'n') {
          code = '\n';
        } else if (e == 'u') {
          code = static_cast<uint32_t>(std::stoul(std::string(text_.substr(at_, 4)), nullptr, 16));
          at_ += 4;
        } else {
          code = static_cast<unsigned char>(e);
        }
      } else if (code >= 0x80) {
        const int extra = code >= 0xF0 ? 3 : code >= 0xE0 ? 2 : 1;
        code &= 0x3F >> extra;
        for (int i = 0; i < extra; ++i) code = code << 6 | (text_[at_++] & 0x3F);
      }
      if (code >= 0x10000) {
        out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
        out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
      } else {
        out += static_cast<char16_t>(code);
      }
    }
    ++at_;
    return out;
  }

  std::string_view text_;
  size_t at_ = 0;
};

// ---- arguments into the drawing layer's types ----------------------------------

const std::vector<Arg>& listOf(const Arg& arg, size_t size) {
  if (arg.kind != Arg::Kind::List || (size && arg.items.size() != size))
    throw Unreadable("expected a record of " + std::to_string(size));
  return arg.items;
}
int32_t num(const Arg& arg) {
  if (arg.kind != Arg::Kind::Number) throw Unreadable("expected a number");
  return static_cast<int32_t>(arg.number);
}
template <typename Record, typename Field>
std::optional<Record> record(const Arg& arg, size_t size, Field field) {
  if (arg.kind == Arg::Kind::Null) return std::nullopt;
  const std::vector<Arg>& items = listOf(arg, size);
  Record r{};
  field(r, items);
  return r;
}
std::optional<POINTRECT> rect(const Arg& arg) {
  return record<POINTRECT>(arg, 4, [](POINTRECT& r, const std::vector<Arg>& v) {
    r = {num(v[0]), num(v[1]), num(v[2]), num(v[3])};
  });
}
std::optional<POINTLINE> line(const Arg& arg) {
  return record<POINTLINE>(arg, 4, [](POINTLINE& r, const std::vector<Arg>& v) {
    r = {num(v[0]), num(v[1]), num(v[2]), num(v[3])};
  });
}
APOINT point(const Arg& arg) {
  const std::vector<Arg>& v = listOf(arg, 2);
  return {num(v[0]), num(v[1])};
}
std::vector<APOINT> points(const Arg& arg) {
  std::vector<APOINT> out;
  if (arg.kind == Arg::Kind::Null) return out;
  for (const Arg& item : listOf(arg, 0)) out.push_back(point(item));
  return out;
}
std::optional<PLANECOL> planeColours(const Arg& arg) {
  return record<PLANECOL>(arg, 3, [](PLANECOL& r, const std::vector<Arg>& v) {
    r = {num(v[0]), num(v[1]), num(v[2])};
  });
}
std::optional<PLANEATTRIB> planeAttributes(const Arg& arg) {
  return record<PLANEATTRIB>(arg, 4, [](PLANEATTRIB& r, const std::vector<Arg>& v) {
    r = {static_cast<int8_t>(num(v[0])), static_cast<int8_t>(num(v[1])),
         static_cast<int8_t>(num(v[2])), static_cast<int8_t>(num(v[3]))};
  });
}
std::optional<TEXTCOL> textColours(const Arg& arg) {
  return record<TEXTCOL>(arg, 3, [](TEXTCOL& r, const std::vector<Arg>& v) {
    r = {num(v[0]), num(v[1]), num(v[2])};
  });
}
std::optional<TEXTATTRIB> textAttributes(const Arg& arg) {
  return record<TEXTATTRIB>(arg, 2, [](TEXTATTRIB& r, const std::vector<Arg>& v) {
    r.layout = num(v[0]);
    const std::vector<Arg>& bytes = listOf(v[1], sizeof r.attributes);
    for (size_t i = 0; i < bytes.size(); ++i) r.attributes[i] = static_cast<uint8_t>(num(bytes[i]));
  });
}
// A recorded text: null stays null, so that the call gets what it got.
std::optional<std::u16string> text(const Arg& arg) {
  if (arg.kind == Arg::Kind::Null) return std::nullopt;
  if (arg.kind != Arg::Kind::Text) throw Unreadable("expected a text");
  return arg.text;
}

template <typename T>
const T* orNull(const std::optional<T>& value) {
  return value ? &*value : nullptr;
}
const unichar* chars(const std::optional<std::u16string>& value) {
  return value ? reinterpret_cast<const unichar*>(value->c_str()) : nullptr;
}
// All-number lines, converted once.
template <size_t N>
std::array<int32_t, N> nums(const std::vector<Arg>& args) {
  std::array<int32_t, N> out{};
  for (size_t i = 0; i < N; ++i) out[i] = num(args[i]);
  return out;
}

const APOINT* data(const std::vector<APOINT>& list) { return list.empty() ? nullptr : list.data(); }

using Args = std::vector<Arg>;
using Call = std::function<void()>;
using Builder = Call (*)(const Args&);

// Polylines and Bezier lines take the same arguments.
template <auto Draw>
Call lineCall(const Args& a) {
  return
      [n = num(a[0]), p = points(a[1]), w = num(a[2]), s = num(a[3]), c = num(a[4]), b = num(a[5]),
       e = num(a[6])] { Draw(n, data(p), int16_t(w), int16_t(s), c, b, uint8_t(e)); };
}

// Each drawing-layer operation by its trace name: how many arguments its
// line shows, and how they become the call again.
const std::map<std::string_view, std::pair<size_t, Builder>>& builders() {
  static const std::map<std::string_view, std::pair<size_t, Builder>> table = {
      {"osGXdrawLine",
       {9,
        [](const Args& a) -> Call {
          return [v = nums<9>(a)] {
            osGXdrawLine(v[0], v[1], v[2], v[3], int16_t(v[4]), int16_t(v[5]), v[6], v[7],
                         uint8_t(v[8]));
          };
        }}},
      {"osGXdrawPolyline", {7, lineCall<osGXdrawPolyline>}},
      {"osGXdrawBezierLine", {7, lineCall<osGXdrawBezierLine>}},
      {"osGXdrawArc",
       {8,
        [](const Args& a) -> Call {
          return [r = rect(a[0]), l = line(a[1]), c = num(a[2]), b = num(a[3]), s = num(a[4]),
                  w = num(a[5]), bounds = rect(a[6]), f = num(a[7])] {
            osGXdrawArc(orNull(r), orNull(l), c, b, int8_t(s), int16_t(w), orNull(bounds), f != 0);
          };
        }}},
      {"osGXpie",
       {7,
        [](const Args& a) -> Call {
          return [surface = num(a[0]), r = rect(a[1]), l = line(a[2]), c = planeColours(a[3]),
                  at = planeAttributes(a[4]), bounds = rect(a[5]), f = num(a[6])] {
            osGXpie(surface, orNull(r), orNull(l), orNull(c), orNull(at), orNull(bounds), f != 0);
          };
        }}},
      {"osGXdrawEllipse",
       {8,
        [](const Args& a) -> Call {
          return [v = nums<8>(a)] {
            osGXdrawEllipse(v[0], v[1], v[2], v[3], v[4], int16_t(v[5]), int16_t(v[6]), v[7]);
          };
        }}},
      {"osGXfillEllipse",
       {7,
        [](const Args& a) -> Call {
          return [v = nums<7>(a)] {
            osGXfillEllipse(v[0], v[1], v[2], v[3], v[4], int16_t(v[5]), v[6]);
          };
        }}},
      {"osGXdrawRectangle",
       {11,
        [](const Args& a) -> Call {
          return [v = nums<11>(a)] {
            osGXdrawRectangle(v[0], v[1], v[2], v[3], int16_t(v[4]), int16_t(v[5]), v[6], v[7],
                              uint8_t(v[8]), v[9], v[10]);
          };
        }}},
      {"osGXfillRectangle",
       {11,
        [](const Args& a) -> Call {
          return [v = nums<11>(a)] {
            osGXfillRectangle(v[0], v[1], v[2], v[3], int16_t(v[4]), v[5], int8_t(v[6]), v[7],
                              uint8_t(v[8]), v[9], v[10]);
          };
        }}},
      {"osGXdrawPolygon",
       {6,
        [](const Args& a) -> Call {
          return [n = num(a[0]), p = points(a[1]), w = num(a[2]), c = num(a[3]), b = num(a[4]),
                  s = num(a[5])] { osGXdrawPolygon(n, data(p), int16_t(w), c, b, int16_t(s)); };
        }}},
      {"osGXfillPolygon",
       {6,
        [](const Args& a) -> Call {
          return [n = num(a[0]), p = points(a[1]), c = num(a[2]), b = num(a[3]), s = num(a[4]),
                  f = num(a[5])] { osGXfillPolygon(n, data(p), c, b, int8_t(s), f != 0); };
        }}},
      {"osGXdrawTriangle",
       {10,
        [](const Args& a) -> Call {
          return [v = nums<10>(a)] {
            osGXdrawTriangle(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], int16_t(v[8]),
                             int16_t(v[9]));
          };
        }}},
      {"osGXfillTriangle",
       {9,
        [](const Args& a) -> Call {
          return [v = nums<9>(a)] {
            osGXfillTriangle(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], int8_t(v[8]));
          };
        }}},
      {"osGXdrawPath",
       {8,
        [](const Args& a) -> Call {
          return [tx = num(a[0]), ty = num(a[1]), sx = num(a[2]), sy = num(a[3]), t = text(a[4]),
                  n = num(a[5]), c = num(a[6]),
                  w = num(a[7])] { osGXdrawPath(tx, ty, sx, sy, chars(t), n, c, int16_t(w)); };
        }}},
      {"osGXfillPath",
       {7,
        [](const Args& a) -> Call {
          return [tx = num(a[0]), ty = num(a[1]), sx = num(a[2]), sy = num(a[3]), t = text(a[4]),
                  n = num(a[5]), c = num(a[6])] { osGXfillPath(tx, ty, sx, sy, chars(t), n, c); };
        }}},
      {"osGXgetClipArea",
       {1,
        [](const Args& a) -> Call {
          return [surface = num(a[0])] {
            int32_t l, t, r, b;
            osGXgetClipArea(&l, &t, &r, &b, surface);
          };
        }}},
      {"osGXsetClipArea",
       {5,
        [](const Args& a) -> Call {
          return [v = nums<5>(a)] { osGXsetClipArea(v[0], v[1], v[2], v[3], v[4]); };
        }}},
      {"osGXremoveClipArea",
       {1,
        [](const Args& a) -> Call {
          return [surface = num(a[0])] { osGXremoveClipArea(surface); };
        }}},
      {"osGXsetClipFillAnimation",
       {1,
        [](const Args& a) -> Call {
          return [on = num(a[0])] { osGXsetClipFillAnimation(uint8_t(on)); };
        }}},
      {"osGXgetLineBoundingRect",
       {3,
        [](const Args& a) -> Call {
          return [f = point(a[0]), s = point(a[1]), w = num(a[2])] {
            POINTRECT out;
            osGXgetLineBoundingRect(f, s, int8_t(w), &out);
          };
        }}},
      {"osGXtext",
       {8,
        [](const Args& a) -> Call {
          return [surface = num(a[0]), r = rect(a[1]), c = textColours(a[2]),
                  at = textAttributes(a[3]), font = num(a[4]), t = text(a[5]), n = num(a[6]),
                  f = num(a[7])] {
            osGXtext(surface, orNull(r), orNull(c), orNull(at), FONTHANDLE(font), chars(t), n,
                     f != 0);
          };
        }}},
      {"osGXsimpleText",
       {8,
        [](const Args& a) -> Call {
          return [surface = num(a[0]), r = rect(a[1]), font = num(a[2]), t = text(a[3]),
                  c = textColours(a[4]).value_or(TEXTCOL{}), c1 = num(a[5]), c2 = num(a[6]),
                  n = num(a[7])] {
            osGXsimpleText(surface, orNull(r), FONTHANDLE(font), chars(t), c, c1, c2, n);
          };
        }}},
      {"osGXscrollMarquee",
       {9,
        [](const Args& a) -> Call {
          return [surface = num(a[0]), r = rect(a[1]), c = textColours(a[2]),
                  at = textAttributes(a[3]), font = num(a[4]), t = text(a[5]), n = num(a[6]),
                  f = num(a[7]), step = num(a[8])] {
            osGXscrollMarquee(surface, orNull(r), orNull(c), orNull(at), FONTHANDLE(font), chars(t),
                              n, f != 0, step);
          };
        }}},
      {"osGXgetTextMetrics",
       {3,
        [](const Args& a) -> Call {
          return [font = num(a[0]), t = text(a[1]), n = num(a[2])] {
            int32_t w, h, third;
            osGXgetTextMetrics(FONTHANDLE(font), chars(t), n, &w, &h, &third);
          };
        }}},
      {"osGXisAgfaFont",
       {1, [](const Args& a) -> Call { return [t = text(a[0])] { osGXisAgfaFont(chars(t)); }; }}},
      {"osGXimage",
       {7,
        [](const Args& a) -> Call {
          return [surface = num(a[0]), p = point(a[1]), w = num(a[2]), h = num(a[3]),
                  image = num(a[4]), option = num(a[5]), f = num(a[6])] {
            osGXimage(surface, p, int16_t(w), int16_t(h), stImageHandle(image), option, uint8_t(f));
          };
        }}},
  };
  return table;
}

}  // namespace

bool TraceReplay::load(const std::vector<std::string>& lines, std::string& error) {
  calls_.clear();
  for (const std::string& line : lines) {
    if (line.rfind("osGX", 0) != 0) continue;
    const size_t open = line.find('(');
    const std::string_view name(line.data(), open == std::string::npos ? line.size() : open);
    const auto builder = builders().find(name);
    if (builder == builders().end()) {
      error = "cannot replay " + std::string(name) + ": " + line;
      return false;
    }
    try {
      const Args args = LineReader(std::string_view(line).substr(name.size())).arguments();
      if (args.size() != builder->second.first)
        throw Unreadable(std::to_string(args.size()) + " arguments");
      calls_.push_back(builder->second.second(args));
    } catch (const std::exception& e) {
      error = std::string("unreadable (") + e.what() + "): " + line;
      return false;
    }
  }
  return true;
}

void TraceReplay::run() const {
  for (const std::function<void()>& call : calls_) call();
}

}  // namespace bench
