// Objects of the scene reader: primitives, CSG and their modifiers.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "model/scene_reader.h"
#include "model/vector_math.h"

namespace vermora::model_detail {
namespace {

constexpr int kArcSegments = 48;  // cylinders of a whole torus ring cut by planes

using namespace model_math;

// Objects the model does not draw: they stand in as boxes.
// clang-format off
constexpr std::string_view kStandInWords[] = {
    "lathe", "sor", "prism", "superellipsoid", "height_field", "text", "isosurface", "parametric",
    "mesh", "mesh2", "polygon", "disc", "triangle", "smooth_triangle", "bicubic_patch",
    "julia_fractal", "quadric", "quartic", "cubic", "poly", "polynomial", "sphere_sweep", "ovus",
    "light_group"};
// clang-format on

bool StandInWord(std::string_view w) {
  return std::find(std::begin(kStandInWords), std::end(kStandInWords), w) !=
         std::end(kStandInWords);
}

// Maps the unit cylinder's y from 0 to 1 onto `axis` from `base`, radius `radius`.
Mat4 AxisFrame(Vec3 base, Vec3 axis, double radius) {
  const double l = Length(axis);
  Vec3 a = l > 0 ? Times(axis, 1 / l) : Vec3{0, 1, 0};
  const Vec3 helper = std::abs(a.x) < 0.9 ? Vec3{1, 0, 0} : Vec3{0, 0, 1};
  Vec3 e1 = Cross(helper, a);
  e1 = Times(e1, 1 / Length(e1));
  const Vec3 e2 = Cross(e1, a);  // keeps the frame right-handed, unmirrored
  Mat4 m;
  const Vec3 cols[4] = {Times(e1, radius), axis, Times(e2, radius), base};
  for (int c = 0; c < 4; ++c) {
    m(0, c) = cols[c].x;
    m(1, c) = cols[c].y;
    m(2, c) = cols[c].z;
  }
  return m;
}

Piece Make(Primitive kind, const Mat4& t, double shape = 0) {
  Piece p;
  p.instance.kind = kind;
  p.instance.transform = t;
  p.instance.shape = static_cast<float>(shape);
  return p;
}

Piece Cone(Vec3 p1, double r1, Vec3 p2, double r2) {
  if (std::abs(r1) < std::abs(r2)) {
    std::swap(p1, p2);
    std::swap(r1, r2);
  }
  r1 = std::abs(r1);
  return Make(Primitive::Cone, AxisFrame(p1, Sub(p2, p1), r1), r1 > 0 ? std::abs(r2) / r1 : 0);
}

// The half-space {n, d} moved by `m`: n' = A^-T n, d' = d + n' . t.
HalfSpace Moved(const HalfSpace& h, const Mat4& m) {
  const Vec3 c0{m(0, 0), m(1, 0), m(2, 0)}, c1{m(0, 1), m(1, 1), m(2, 1)},
      c2{m(0, 2), m(1, 2), m(2, 2)};
  const double det = Dot(c0, Cross(c1, c2));
  if (std::abs(det) < 1e-300) return h;
  // The rows of A^-1 are the cross products of the columns over det; A^-T n
  // is then n's combination of them.
  const Vec3 r0 = Times(Cross(c1, c2), 1 / det), r1 = Times(Cross(c2, c0), 1 / det),
             r2 = Times(Cross(c0, c1), 1 / det);
  const Vec3 n = Vec3{r0.x * h.normal.x + r1.x * h.normal.y + r2.x * h.normal.z,
                      r0.y * h.normal.x + r1.y * h.normal.y + r2.y * h.normal.z,
                      r0.z * h.normal.x + r1.z * h.normal.y + r2.z * h.normal.z};
  return {n, h.offset + Dot(n, {m(0, 3), m(1, 3), m(2, 3)})};
}

}  // namespace

bool SceneReader::IsObjectWord(std::string_view w) {
  // Asked of nearly every word of a scene, so one hash lookup.
  static const NameMap<bool> kWords = [] {
    NameMap<bool> words;
    for (const char* word : {"sphere", "box", "cylinder", "cone", "torus", "plane", "blob", "union",
                             "merge", "intersection", "difference", "object"}) {
      words[word] = true;
    }
    for (std::string_view word : kStandInWords) words[std::string(word)] = true;
    return words;
  }();
  return kWords.find(w) != kWords.end();
}

Shape SceneReader::StandIn() {
  Shape s;
  s.pieces.push_back(Make(Primitive::StandIn, Mat4{}));
  return s;
}

void SceneReader::Append(Shape& to, const Shape& from) {
  if (to.pieces.size() + from.pieces.size() > kMaxModelInstances) {
    Fail("the scene holds more than " + std::to_string(kMaxModelInstances) +
         " objects, too many for the model");
  }
  if (to.pieces.empty() && to.planes.empty()) {
    to = from;
    return;
  }
  to.pieces.insert(to.pieces.end(), from.pieces.begin(), from.pieces.end());
  to.planes.insert(to.planes.end(), from.planes.begin(), from.planes.end());
}

void SceneReader::Append(Shape& to, Shape&& from) {
  if (to.pieces.empty() && to.planes.empty()) {
    to = std::move(from);
    return;
  }
  Append(to, static_cast<const Shape&>(from));
}

void SceneReader::Finish(Shape& shape, const Mat4& m, const Colour& colour) {
  const bool moves = m.m != Mat4{}.m;
  auto paint = [&](Instance& instance) {
    for (int i = 0; i < 4; ++i) instance.colour[i] = static_cast<float>(colour.rgbft[i]);
    instance.transmit = static_cast<float>(colour.rgbft[4]);
  };
  for (Piece& p : shape.pieces) {
    if (moves) {
      p.instance.transform = m * p.instance.transform;
      if (p.coloured) p.instance.pattern_frame = m * p.instance.pattern_frame;
    }
    if (colour.known && !p.coloured) {
      p.coloured = true;
      paint(p.instance);
      // A picture has no colour map: its object keeps the grey it was painted.
      const bool mapped = colour.pattern >= 0 && !patterns_[colour.pattern].map.empty();
      p.instance.pattern = mapped ? colour.pattern : -1;
      if (mapped)
        p.instance.pattern_frame = m * AffineInverse(colour.before) * colour.pattern_transform;
    }
    if (colour.finished && !p.finished) {
      p.finished = true;
      p.instance.surface = colour.surface;
    }
  }
  for (HalfSpace& h : shape.planes) h = Moved(h, m);
  if (shape.pieces.empty() && !shape.planes.empty()) {
    Instance& look = shape.plane_look;
    if (moves && look.pattern >= 0) look.pattern_frame = m * look.pattern_frame;
    if (colour.known && look.pattern < 0) {
      paint(look);
      look.pattern = colour.pattern;
      if (colour.pattern >= 0)
        look.pattern_frame = m * AffineInverse(colour.before) * colour.pattern_transform;
    }
    if (colour.finished) shape.plane_look.surface = colour.surface;
  }
}

Shape SceneReader::ParseObject() {
  std::shared_ptr<const Shape> shape = ParseObjectShared();
  // Made here and held nowhere else: its pieces can be moved out.
  if (shape.use_count() == 1) return std::move(const_cast<Shape&>(*shape));
  return *shape;
}

void SceneReader::Label(Shape& shape, const std::string& name) {
  auto [id, fresh] = object_ids_.try_emplace(name, static_cast<int>(object_names_.size()));
  if (fresh) {
    object_names_.push_back(name);
    copies_.push_back(0);
  }
  const int label = static_cast<int>(parts_.size());
  parts_.push_back({id->second, ++copies_[static_cast<size_t>(id->second)]});
  for (Piece& p : shape.pieces) {
    if (p.instance.part < 0) p.instance.part = label;
    p.instance.group = label;
  }
}

std::shared_ptr<const Shape> SceneReader::ParseObjectShared() {
  Deeper deeper(*this);
  const bool statement = std::exchange(scene_statement_, false);
  const std::string kind(Take().text);
  if (!PeekIs("{")) Unread("'{' expected after " + kind);
  if (kind == "height_field") {
    // The ground of a background, as its plane, is no part of the creature.
    SkipBlock();
    return std::make_shared<Shape>();
  }
  if (StandInWord(kind)) {
    Note("the object '" + kind + "' is shown as a box");
    SkipBlock();
    return std::make_shared<Shape>(StandIn());
  }
  Advance();
  const int inside = braces_;
  const size_t frames_at = frames_.size(), control_at = control_.size();
  Shape shape;
  Mat4 m;
  Colour colour;
  std::shared_ptr<const Shape> named;  // the declared shape `object {Name}` names
  std::string named_as;
  try {
    ObjectBody(kind, shape, m, colour, false, &named, &named_as);
  } catch (const Unreadable& u) {
    named.reset();
    Note(u.what());
    // Back to this object's own text (out of any macro called inside it), then
    // past its closing brace; it stands in as a box where it was placed.
    BackOutOf(frames_at, control_at);
    while (braces_ >= inside) {
      if (Raw().kind == SceneToken::kEnd) Fail("the scene ends inside " + kind);
      Advance();
    }
    shape = StandIn();
  }
  if (named) {
    // Neither moved nor coloured: the declared pieces themselves, uncopied.
    if (m.m == Mat4{}.m && !colour.known && !colour.finished) return named;
    shape = *named;
    if (!statement) Label(shape, named_as);  // the whole creature is no part of itself
  }
  Finish(shape, m, colour);
  return std::make_shared<Shape>(std::move(shape));
}

void SceneReader::ObjectBody(std::string_view kind, Shape& shape, Mat4& m, Colour& colour,
                             bool in_blob, std::shared_ptr<const Shape>* named,
                             std::string* named_as) {
  auto strength = [&] {
    if (!in_blob) return;
    SkipComma();
    Number();
  };
  if (kind == "sphere") {
    const Vec3 c = Vector();
    SkipComma();
    const double r = Number();
    strength();
    shape.pieces.push_back(Make(Primitive::Sphere, Translation(c) * Scaling({r, r, r})));
  } else if (kind == "box") {
    const Vec3 a = Vector();
    SkipComma();
    const Vec3 b = Vector();
    shape.pieces.push_back(Make(
        Primitive::Box,
        Translation(Times({a.x + b.x, a.y + b.y, a.z + b.z}, 0.5)) *
            Scaling({std::abs(b.x - a.x) / 2, std::abs(b.y - a.y) / 2, std::abs(b.z - a.z) / 2})));
  } else if (kind == "cylinder") {
    const Vec3 a = Vector();
    SkipComma();
    const Vec3 b = Vector();
    SkipComma();
    const double r = Number();
    strength();
    shape.pieces.push_back(Make(Primitive::Cylinder, AxisFrame(a, Sub(b, a), std::abs(r))));
  } else if (kind == "cone") {
    const Vec3 a = Vector();
    SkipComma();
    const double ra = Number();
    SkipComma();
    const Vec3 b = Vector();
    SkipComma();
    const double rb = Number();
    shape.pieces.push_back(Cone(a, ra, b, rb));
  } else if (kind == "torus") {
    const double major = Number();
    SkipComma();
    const double minor = Number();
    const double r = std::abs(major);
    shape.pieces.push_back(
        Make(Primitive::Torus, Scaling({r, r, r}), r > 0 ? std::abs(minor) / r : 0));
  } else if (kind == "plane") {
    Vec3 n = Vector();
    SkipComma();
    const double d = Number();
    const double l = Length(n);
    if (l > 0) n = Times(n, 1 / l);
    shape.planes.push_back({n, d});
  } else if (kind == "object") {
    const SceneToken& t = Peek();
    if (t.kind == SceneToken::kWord && IsObjectWord(t.text)) {
      shape = ParseObject();
    } else if (t.kind == SceneToken::kWord) {
      const std::string name(t.text);
      Advance();
      const Value* v = Lookup(name);
      if (v && v->kind == Value::kObject) {
        *named = v->shape;
        *named_as = name;
      } else {
        Note(name + " is not an object the scene declares; it is shown as a box");
        shape = StandIn();
      }
    }
  }
  const bool container =
      kind == "union" || kind == "merge" || kind == "intersection" || kind == "difference";
  std::vector<Shape> parts;
  for (;;) {
    const SceneToken& t = Peek();
    if (t.kind == SceneToken::kEnd) Fail("the scene ends inside " + std::string(kind));
    if (t.kind == SceneToken::kSymbol && t.text == "}") {
      Advance();
      break;
    }
    if (container && t.kind == SceneToken::kWord && IsObjectWord(t.text)) {
      if (kind == "union" || kind == "merge") {
        Append(shape, ParseObject());
      } else {
        parts.push_back(ParseObject());
      }
      continue;
    }
    if (kind == "blob" && t.kind == SceneToken::kWord) {
      const std::string_view w = t.text;
      if (w == "threshold") {
        Advance();
        Number();
        continue;
      }
      if (w == "sphere" || w == "cylinder") {
        Deeper deeper(*this);
        Advance();
        Expect("{");
        Shape part;
        Mat4 pm;
        Colour pc;
        ObjectBody(w, part, pm, pc, true, nullptr, nullptr);
        Finish(part, pm, pc);
        Append(shape, part);
        continue;
      }
      if (w == "component") {
        Advance();
        Number();
        SkipComma();
        const double r = Number();
        SkipComma();
        const Vec3 c = Vector();
        shape.pieces.push_back(Make(Primitive::Sphere, Translation(c) * Scaling({r, r, r})));
        continue;
      }
    }
    if (Modifier(m, colour, kind)) continue;
    Unread("cannot read '" + std::string(t.text) + "' in " + std::string(kind));
  }
  if (kind == "intersection" || kind == "difference")
    shape = Intersection(parts, kind == "difference");
}

// The finite part of the first object is what shows; an intersection of one
// torus with half-spaces keeps the arc of its ring inside them, as cylinders.
Shape SceneReader::Intersection(std::vector<Shape>& parts, bool difference) {
  std::vector<const std::vector<HalfSpace>*> cuts;
  const Shape* first = nullptr;
  for (const Shape& part : parts) {
    if (part.pieces.empty()) {
      if (!difference && !part.planes.empty()) cuts.push_back(&part.planes);
    } else if (!first) {
      first = &part;
    }
  }
  Shape r;
  if (!first) return r;
  if (cuts.empty() || first->pieces.size() != 1 ||
      first->pieces[0].instance.kind != Primitive::Torus) {
    r.pieces = first->pieces;
    return r;
  }
  const Piece& torus = first->pieces[0];
  const Mat4& t = torus.instance.transform;
  const double tube = torus.instance.shape * Length({t(0, 0), t(1, 0), t(2, 0)});
  auto ring = [&](int i) {
    const double a = 2 * std::numbers::pi * i / kArcSegments;
    return TransformPoint(t, {std::cos(a), 0, std::sin(a)});
  };
  auto inside = [&](Vec3 p) {
    for (const std::vector<HalfSpace>* any : cuts) {
      bool in = false;
      for (const HalfSpace& h : *any) in = in || Dot(h.normal, p) <= h.offset + 1e-9;
      if (!in) return false;
    }
    return true;
  };
  auto add = [&](Piece p) {
    p.coloured = torus.coloured;
    p.finished = torus.finished;
    p.instance.colour = torus.instance.colour;
    p.instance.transmit = torus.instance.transmit;
    p.instance.surface = torus.instance.surface;
    p.instance.pattern = torus.instance.pattern;
    p.instance.pattern_frame = torus.instance.pattern_frame;
    r.pieces.push_back(p);
  };
  for (int i = 0; i < kArcSegments; ++i) {
    const Vec3 a = ring(i), b = ring(i + 1);
    if (!inside(a) || !inside(b)) continue;
    add(Make(Primitive::Cylinder, AxisFrame(a, Sub(b, a), tube)));
    // A ball where two cylinders meet fills the wedge the bend leaves between them.
    if (inside(ring(i + 2)))
      add(Make(Primitive::Sphere, Translation(b) * Scaling({tube, tube, tube})));
  }
  return r;
}

bool SceneReader::Modifier(Mat4& m, Colour& colour, std::string_view kind) {
  const SceneToken& t = Peek();
  if (t.kind != SceneToken::kWord) return false;
  const std::string_view w = t.text;
  if (w == "translate" || w == "rotate" || w == "scale") {
    Advance();
    const Vec3 v = Vector();
    m = (w == "translate" ? Translation(v) : w == "rotate" ? Rotation(v) : Scaling(v)) * m;
    return true;
  }
  if (w == "matrix") {
    Advance();
    Expect("<");
    const int saved = parens_;
    parens_ = 0;
    double k[12];
    for (int i = 0; i < 12; ++i) {
      k[i] = Number();
      if (i < 11) SkipComma();
    }
    parens_ = saved;
    Expect(">");
    Mat4 mm;
    for (int row = 0; row < 3; ++row) {
      for (int col = 0; col < 3; ++col) mm(row, col) = k[col * 3 + row];
      mm(row, 3) = k[9 + row];
    }
    m = mm * m;
  } else if (w == "transform") {
    Deeper deeper(*this);
    Advance();
    Expect("{");
    Mat4 inner;
    Colour unused;
    while (!PeekIs("}")) {
      if (!Modifier(inner, unused, "transform"))
        Unread("cannot read '" + std::string(Peek().text) + "' in transform");
    }
    Advance();
    m = inner * m;
  } else if (w == "texture" || w == "pigment") {
    Advance();
    Colour c = ParseTexture();
    c.before = m;
    if (w == "texture" && colour.layered) {
      Layer(colour, c);
    } else if (c.known) {
      colour.rgbft = c.rgbft;
      colour.known = true;
      colour.pattern = c.pattern;
      colour.pattern_transform = c.pattern_transform;
      colour.before = m;
      colour.layered = w == "texture";
    }
    if (c.finished) {
      colour.surface = c.surface;
      colour.finished = true;
    }
  } else if (w == "finish") {
    Advance();
    ParseFinish(colour.surface);
    colour.finished = true;
  } else if (OneOf(w, {"normal", "interior", "material", "interior_texture", "bounded_by",
                       "clipped_by", "photons", "radiosity"})) {
    Advance();
    if (PeekIs("{")) SkipBlock();
  } else if (OneOf(w, {"no_shadow", "hollow", "open", "sturm", "inverse", "no_image",
                       "no_reflection", "double_illuminate", "no_radiosity", "smooth"})) {
    Advance();
    const SceneToken& n = Raw();
    if (n.kind == SceneToken::kNumber ||
        (n.kind == SceneToken::kWord && OneOf(n.text, {"on", "off", "true", "false"}))) {
      Advance();
    }
  } else {
    (void)kind;
    return false;
  }
  return true;
}

}  // namespace vermora::model_detail
