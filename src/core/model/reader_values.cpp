// Numbers, vectors, colours and arrays of the scene reader.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "model/scene_reader.h"
#include "model/vector_math.h"

namespace vermora::model_detail {
namespace {

// A seed's number as the state of POV-Ray's random numbers: a whole number,
// kept modulo 2^32.
std::uint32_t SeedState(double seed) {
  if (!std::isfinite(seed) || std::abs(seed) > 9e15) return 0;
  return static_cast<std::uint32_t>(static_cast<std::int64_t>(seed));
}

Value Num(double x) {
  Value v;
  v.kind = Value::kNumber;
  v.v[0] = x;
  return v;
}

Value Vec(double x, double y, double z) {
  Value v;
  v.kind = Value::kVector;
  v.v = {x, y, z, 0, 0};
  v.size = 3;
  return v;
}

Value Vec(Vec3 p) { return Vec(p.x, p.y, p.z); }

Vec3 As3(const Value& v) {
  if (v.kind == Value::kNumber) return {v.v[0], v.v[0], v.v[0]};
  return {v.v[0], v.v[1], v.v[2]};
}

bool Arithmetic(const Value& v) { return v.kind == Value::kNumber || v.kind == Value::kVector; }

// Both numbers: a number; else a vector as long as the longer, a number
// standing for every component.
Value Combine(const Value& a, const Value& b, double (*op)(double, double)) {
  if (a.kind == Value::kNumber && b.kind == Value::kNumber) return Num(op(a.v[0], b.v[0]));
  Value r;
  r.kind = Value::kVector;
  r.size = std::max(a.kind == Value::kVector ? a.size : 1, b.kind == Value::kVector ? b.size : 1);
  for (int i = 0; i < 5; ++i) {
    const double x = a.kind == Value::kNumber ? a.v[0] : a.v[i];
    const double y = b.kind == Value::kNumber ? b.v[0] : b.v[i];
    r.v[i] = op(x, y);
  }
  return r;
}

Vec3 Cross(Vec3 a, Vec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double Length(Vec3 a) { return std::sqrt(Dot(a, a)); }

}  // namespace

bool SceneReader::StartsColour(const SceneToken& t) {
  if (t.kind != SceneToken::kWord) return false;
  if (std::string_view("cgrbfts").find(t.text[0]) == std::string_view::npos) return false;
  for (std::string_view w : {"color", "colour", "rgb", "rgbf", "rgbt", "rgbft", "srgb", "srgbf",
                             "srgbt", "srgbft", "red", "green", "blue", "filter", "transmit"}) {
    if (t.text == w) return true;
  }
  return false;
}

// A colour: keywords and components in any order, or a colour expression.
std::array<double, 5> SceneReader::ColourValue() {
  std::array<double, 5> c = {0, 0, 0, 0, 0};
  bool any = false;
  for (;;) {
    const SceneToken& t = Peek();
    const bool starts_expression =
        t.kind == SceneToken::kNumber ||
        (t.kind == SceneToken::kSymbol && (t.text == "<" || t.text == "(" || t.text == "-"));
    if (t.kind != SceneToken::kWord && !(starts_expression && !any)) break;
    const std::string_view w = t.text;
    if (w == "color" || w == "colour") {
      if (any) break;  // the next colour of a list
      Advance();
      continue;
    }
    int slot = w == "red"        ? 0
               : w == "green"    ? 1
               : w == "blue"     ? 2
               : w == "filter"   ? 3
               : w == "transmit" ? 4
                                 : -1;
    if (slot >= 0) {
      Advance();
      c[slot] = Number();
      any = true;
      continue;
    }
    if (any) break;
    const Value v = Expression();
    if (v.kind == Value::kNumber) {
      c = {v.v[0], v.v[0], v.v[0], 0, 0};
    } else if (v.kind == Value::kVector || v.kind == Value::kTexture) {
      c = v.v;
    } else {
      Unread("a colour expected");
    }
    any = true;
  }
  if (!any) Unread("a colour expected, found '" + std::string(Peek().text) + "'");
  return c;
}

double SceneReader::Number() {
  const Value v = Expression();
  if (v.kind != Value::kNumber) Unread("a number expected");
  return v.v[0];
}

Vec3 SceneReader::Vector() {
  const Value v = Expression();
  if (!Arithmetic(v)) Unread("a vector expected");
  return As3(v);
}

Value SceneReader::ParseValue() {
  Deeper deeper(*this);
  const SceneToken& t = Peek();
  if (t.kind == SceneToken::kString) {
    Value v;
    v.kind = Value::kString;
    v.text = std::string(t.text);
    Advance();
    return v;
  }
  if (t.kind == SceneToken::kWord) {
    if (IsObjectWord(t.text)) {
      Value v;
      v.kind = Value::kObject;
      v.shape = ParseObjectShared();
      return v;
    }
    if (t.text == "texture" || t.text == "pigment") {
      const bool texture = t.text == "texture";
      Advance();
      Colour c = ParseTexture();
      // Layered textures: the next lies over those before. Raw, as a directive
      // after the value is not yet to be carried out.
      while (texture && Raw().kind == SceneToken::kWord && Raw().text == "texture") {
        Advance();
        Layer(c, ParseTexture());
      }
      Value v;
      v.kind = Value::kTexture;
      v.v = c.rgbft;
      v.known_colour = c.known;
      v.surface = c.surface;
      v.finished = c.finished;
      v.pattern = c.pattern;
      v.pattern_transform = c.pattern_transform;
      v.unmapped = c.unmapped;
      return v;
    }
    if (t.text == "color_map" || t.text == "colour_map") {
      Advance();
      Pattern map;
      std::vector<std::array<double, 5>> colours;
      ColourMap(map, colours);
      Value v;
      v.kind = Value::kColourMap;
      v.known_colour = !colours.empty();
      v.v = model_math::MeanColour(colours);
      v.unmapped = std::make_shared<const Pattern>(std::move(map));
      return v;
    }
    if (t.text == "finish") {
      Advance();
      Value v;
      v.kind = Value::kFinish;
      ParseFinish(v.surface);
      return v;
    }
    for (std::string_view skipped :
         {"normal", "interior", "material", "pigment_map", "normal_map", "texture_map", "function",
          "spline", "transform", "camera", "light_source", "media", "density"}) {
      if (t.text == skipped) {
        Advance();
        if (PeekIs("{")) SkipBlock();
        return Value{};
      }
    }
    if (StartsColour(t)) {
      Value v;
      v.kind = Value::kVector;
      v.size = 5;
      v.v = ColourValue();
      return v;
    }
    if (Value* known = Lookup(t.text); known && !Arithmetic(*known)) {
      Value v = *known;
      Advance();
      if (v.kind != Value::kArray) return v;
      return Postfix(std::move(v));
    }
  }
  return Expression();
}

// Levels: 0 ?:, 1 |, 2 &, 3 comparisons, 4 + -, 5 * /. Levels 0 to 3 only
// inside parentheses, where a '<' or '>' cannot end a vector.
Value SceneReader::Expression(int level) {
  if (level < 4 && parens_ == 0) level = 4;
  if (level == 6) return Unary();
  Value a = Expression(level + 1);
  for (;;) {
    const SceneToken& t = Raw();
    if (t.kind != SceneToken::kSymbol) return a;
    const std::string_view op = t.text;
    if (level == 0 && op == "?") {
      Advance();
      Value yes = Expression(0);
      Expect(":");
      Value no = Expression(0);
      if (a.kind != Value::kNumber) Unread("a number expected before '?'");
      a = a.v[0] != 0 ? yes : no;
      continue;
    }
    // The operators are one character, or two ending in '=' (the lexer's pairs).
    const char c = op[0];
    const bool here =
        (level == 1 && c == '|') || (level == 2 && c == '&') ||
        (level == 3 && (c == '<' || c == '>' || c == '=' || (c == '!' && op.size() == 2))) ||
        (level == 4 && (c == '+' || c == '-')) || (level == 5 && (c == '*' || c == '/'));
    if (!here) return a;
    Advance();
    const Value b = Expression(level + 1);
    if (!Arithmetic(a) || !Arithmetic(b))
      Unread("arithmetic on something that is not a number or vector");
    if (level <= 3 && (a.kind != Value::kNumber || b.kind != Value::kNumber)) {
      Unread("a comparison of vectors");
    }
    const double x = a.v[0], y = b.v[0];
    if (op == "|")
      a = Num(x != 0 || y != 0);
    else if (op == "&")
      a = Num(x != 0 && y != 0);
    else if (op == "<")
      a = Num(x < y);
    else if (op == ">")
      a = Num(x > y);
    else if (op == "<=")
      a = Num(x <= y);
    else if (op == ">=")
      a = Num(x >= y);
    else if (op == "=")
      a = Num(std::abs(x - y) < 1e-10);
    else if (op == "!=")
      a = Num(std::abs(x - y) >= 1e-10);
    else if (op == "+")
      a = Combine(a, b, [](double p, double q) { return p + q; });
    else if (op == "-")
      a = Combine(a, b, [](double p, double q) { return p - q; });
    else if (op == "*")
      a = Combine(a, b, [](double p, double q) { return p * q; });
    else
      a = Combine(a, b,
                  [](double p, double q) { return q != 0 ? p / q : (p == 0 ? 0.0 : p * 1e300); });
  }
}

Value SceneReader::Unary() {
  if (PeekIs("-") || PeekIs("+") || PeekIs("!")) {
    Deeper deeper(*this);
    const std::string op(Take().text);
    Value v = Unary();
    if (!Arithmetic(v)) Unread("a number or vector expected after '" + op + "'");
    if (op == "-") {
      for (double& c : v.v) c = -c;
    } else if (op == "!") {
      v = Num(v.v[0] == 0);
    }
    return v;
  }
  return Postfix(Primary());
}

Value SceneReader::Postfix(Value v) {
  for (;;) {
    if (RawIs("[") && v.kind == Value::kArray) {
      Advance();
      const int saved = parens_;
      parens_ = 1;
      const double i = Number();
      parens_ = saved;
      Expect("]");
      if (!(i >= 0 && i < static_cast<double>(v.array->size())))
        Unread("an array index out of range");
      Value element = (*v.array)[static_cast<size_t>(i)];
      v = std::move(element);
      if (v.kind == Value::kNone) Unread("an array element used before it was set");
    } else if (RawIs(".") && Arithmetic(v)) {
      Advance();
      const std::string m(Raw().text);
      Advance();
      const int slot = (m == "x" || m == "red" || m == "u")     ? 0
                       : (m == "y" || m == "green" || m == "v") ? 1
                       : (m == "z" || m == "blue")              ? 2
                       : (m == "t" || m == "filter")            ? 3
                       : m == "transmit"                        ? 4
                                                                : -1;
      if (slot < 0) Unread("no component ." + m);
      v = Num(v.kind == Value::kNumber ? v.v[0] : v.v[slot]);
    } else {
      return v;
    }
  }
}

Value SceneReader::VectorLiteral() {
  Advance();  // '<'
  const int saved = parens_;
  parens_ = 0;
  Value v;
  v.kind = Value::kVector;
  v.size = 0;
  for (;;) {
    const double c = Number();
    if (v.size < 5) v.v[v.size++] = c;
    if (PeekIs(",")) {
      Advance();
      continue;
    }
    break;
  }
  parens_ = saved;
  Expect(">");
  if (v.size < 2) Unread("a vector of one component");
  return v;
}

Value SceneReader::ArrayLiteral() {
  std::vector<int> sizes;
  while (PeekIs("[")) {
    Advance();
    const double n = Number();
    Expect("]");
    if (!(n >= 0 && n <= 100000)) Unread("an array of " + std::to_string(n) + " elements");
    if (sizes.size() == 5) Unread("an array of more than 5 dimensions");
    sizes.push_back(static_cast<int>(n));
  }
  if (sizes.empty()) Unread("an array without a size");
  double elements = 1;
  for (int n : sizes) elements *= n;
  if (elements > 1e6) Unread("an array of more than a million elements");
  // Builds dimension `d` of the array, reading its initial values when given.
  auto build = [&](auto& self, size_t d, bool read) -> Value {
    Value a;
    a.kind = Value::kArray;
    a.array = std::make_shared<std::vector<Value>>();
    if (read) Expect("{");
    for (int i = 0; i < sizes[d]; ++i) {
      if (d + 1 < sizes.size()) {
        a.array->push_back(self(self, d + 1, read));
      } else {
        a.array->push_back(read ? ParseValue() : Value{});
      }
      if (read && i + 1 < sizes[d]) Expect(",");
    }
    if (read) {
      SkipComma();
      Expect("}");
    }
    return a;
  };
  return build(build, 0, PeekIs("{"));
}

Value SceneReader::Primary() {
  Deeper deeper(*this);
  const SceneToken t = Peek();
  if (t.kind == SceneToken::kNumber) {
    Advance();
    return Num(t.number);
  }
  if (t.kind == SceneToken::kWord) {  // the common case: a declared name
    if (Value* known = Lookup(t.text); known && known->kind != Value::kNone) {
      Advance();
      return *known;
    }
  }
  if (t.kind == SceneToken::kSymbol && t.text == "<") return VectorLiteral();
  if (t.kind == SceneToken::kSymbol && t.text == "(") {
    Advance();
    ++parens_;
    Value v = Expression(0);
    --parens_;
    Expect(")");
    return v;
  }
  if (t.kind == SceneToken::kEnd) Fail("the scene ends inside a value");
  if (t.kind != SceneToken::kWord) Unread("cannot read '" + std::string(t.text) + "' in a value");
  const std::string_view w = t.text;
  if (StartsColour(t)) {
    Value v;
    v.kind = Value::kVector;
    v.size = 5;
    if (w == "rgb" || w == "rgbf" || w == "rgbt" || w == "rgbft" || w == "srgb" || w == "srgbf" ||
        w == "srgbt" || w == "srgbft") {
      Advance();
      const Value c = Expression();
      if (!Arithmetic(c)) Unread("a colour expected after " + std::string(w));
      const bool f = w.find('f') != std::string_view::npos, tr = w.back() == 't';
      if (c.kind == Value::kNumber) {
        v.v = {c.v[0], c.v[0], c.v[0], f ? c.v[0] : 0, tr && !f ? c.v[0] : 0};
      } else {
        v.v = {c.v[0], c.v[1], c.v[2], 0, 0};
        if (f) v.v[3] = c.v[3];
        if (tr) v.v[4] = f ? c.v[4] : c.v[3];
      }
      return v;
    }
    v.v = ColourValue();
    return v;
  }
  Advance();
  if (w == "x") return Vec(1, 0, 0);
  if (w == "y") return Vec(0, 1, 0);
  if (w == "z") return Vec(0, 0, 1);
  if (w == "pi") return Num(std::numbers::pi);
  if (w == "true" || w == "yes" || w == "on") return Num(1);
  if (w == "false" || w == "no" || w == "off" || w == "clock") return Num(0);
  if (w == "version") return Num(3.7);
  if (w == "image_width") return Num(640);
  if (w == "image_height") return Num(480);
  if (w == "array") return ArrayLiteral();
  if (Value* known = Lookup(w)) {
    if (known->kind == Value::kNone) Unread(std::string(w) + " holds nothing");
    return *known;
  }
  if (RawIs("(")) return Function(w);
  Unread("the name " + std::string(w) + " is not known");
}

Value SceneReader::Function(std::string_view name) {
  Advance();  // '('
  ++parens_;
  if (name == "rand") return Random();
  std::vector<Value> args;
  std::shared_ptr<std::vector<Value>> array;
  while (!PeekIs(")")) {
    if (Peek().kind == SceneToken::kEnd) Fail("the scene ends inside a call");
    args.push_back(ParseValue());
    SkipComma();
  }
  Advance();
  --parens_;
  const std::string_view f = name;
  auto arg = [&](size_t i) -> double {
    if (i >= args.size() || args[i].kind != Value::kNumber) {
      Unread(std::string(f) + " needs a number as argument " + std::to_string(i + 1));
    }
    return args[i].v[0];
  };
  auto vec = [&](size_t i) -> Vec3 {
    if (i >= args.size() || !Arithmetic(args[i])) {
      Unread(std::string(f) + " needs a vector as argument " + std::to_string(i + 1));
    }
    return As3(args[i]);
  };
  const double k = std::numbers::pi / 180;
  if (f == "abs") return Num(std::abs(arg(0)));
  if (f == "sqrt") return Num(arg(0) >= 0 ? std::sqrt(arg(0)) : 0);
  if (f == "sin") return Num(std::sin(arg(0)));
  if (f == "cos") return Num(std::cos(arg(0)));
  if (f == "tan") return Num(std::tan(arg(0)));
  if (f == "asin") return Num(std::asin(std::clamp(arg(0), -1.0, 1.0)));
  if (f == "acos") return Num(std::acos(std::clamp(arg(0), -1.0, 1.0)));
  if (f == "atan") return Num(std::atan(arg(0)));
  if (f == "atan2") return Num(std::atan2(arg(0), arg(1)));
  if (f == "degrees") return Num(arg(0) / k);
  if (f == "radians") return Num(arg(0) * k);
  if (f == "pow") return Num(std::pow(arg(0), arg(1)));
  if (f == "exp") return Num(std::exp(arg(0)));
  if (f == "log") return Num(arg(0) > 0 ? std::log10(arg(0)) : 0);
  if (f == "ln") return Num(arg(0) > 0 ? std::log(arg(0)) : 0);
  if (f == "int") return Num(std::trunc(arg(0)));
  if (f == "floor") return Num(std::floor(arg(0)));
  if (f == "ceil") return Num(std::ceil(arg(0)));
  if (f == "mod") return Num(arg(1) != 0 ? std::fmod(arg(0), arg(1)) : 0);
  if (f == "div") return Num(arg(1) != 0 ? std::trunc(arg(0) / arg(1)) : 0);
  if (f == "min" || f == "max") {
    double r = arg(0);
    for (size_t i = 1; i < args.size(); ++i)
      r = f == "min" ? std::min(r, arg(i)) : std::max(r, arg(i));
    return Num(r);
  }
  if (f == "vlength") return Num(Length(vec(0)));
  if (f == "vdot") return Num(Dot(vec(0), vec(1)));
  if (f == "vcross") return Vec(Cross(vec(0), vec(1)));
  if (f == "vnormalize") {
    const Vec3 v = vec(0);
    const double l = Length(v);
    return l > 0 ? Vec(v.x / l, v.y / l, v.z / l) : Vec(0, 0, 0);
  }
  if (f == "vrotate") return Vec(TransformPoint(Rotation(vec(1)), vec(0)));
  if (f == "vaxis_rotate") {
    const Vec3 p = vec(0), axis = vec(1);
    const double l = Length(axis), a = arg(2) * k;
    if (l == 0) return Vec(p);
    const Vec3 u{axis.x / l, axis.y / l, axis.z / l};
    const Vec3 c = Cross(u, p);
    const double d = Dot(u, p), cs = std::cos(a), sn = std::sin(a);
    return Vec(p.x * cs + c.x * sn + u.x * d * (1 - cs), p.y * cs + c.y * sn + u.y * d * (1 - cs),
               p.z * cs + c.z * sn + u.z * d * (1 - cs));
  }
  if (f == "dimension_size") {
    if (args.empty() || args[0].kind != Value::kArray) Unread("dimension_size needs an array");
    const Value* a = &args[0];
    for (int d = 1; d < static_cast<int>(arg(1)); ++d) {
      if (a->array->empty() || (*a->array)[0].kind != Value::kArray) return Num(0);
      a = &(*a->array)[0];
    }
    return Num(static_cast<double>(a->array->size()));
  }
  if (f == "seed") return Num(static_cast<double>(SeedState(arg(0))));
  Unread("the function " + std::string(f) + " is not known");
}

// rand(S), after its '(': the next number of the seed variable S, as POV-Ray
// draws it, so that what a scene places at random the view places there too.
Value SceneReader::Random() {
  // The seed variable alone holds the state; an expression draws from a copy.
  std::string name;
  if (const SceneToken& t = Peek(); t.kind == SceneToken::kWord) {
    const SceneToken after = LexToken(text_, t.end);
    if (after.kind == SceneToken::kSymbol && after.text == ")") name = t.text;
  }
  const Value seed = ParseValue();
  SkipComma();
  Expect(")");
  --parens_;
  if (seed.kind != Value::kNumber) Unread("rand needs a seed");
  const std::uint32_t next = SeedState(seed.v[0]) * 1812433253u + 12345u;
  if (Value* held = name.empty() ? nullptr : Lookup(name); held && held->kind == Value::kNumber)
    held->v[0] = next;
  return Num(next / 4294967295.0);
}

}  // namespace vermora::model_detail
