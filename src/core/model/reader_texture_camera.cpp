// Textures and the camera of the scene reader.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/scene_reader.h"
#include "model/vector_math.h"

namespace vermora::model_detail {
namespace {

using namespace model_math;

float Mean(const std::array<float, 3>& c) { return (c[0] + c[1] + c[2]) / 3; }

const PatternKind* PatternWord(std::string_view w) {
  static const NameMap<PatternKind> kWords = {
      {"gradient", PatternKind::kGradient},   {"marble", PatternKind::kMarble},
      {"wood", PatternKind::kWood},           {"onion", PatternKind::kOnion},
      {"leopard", PatternKind::kLeopard},     {"radial", PatternKind::kRadial},
      {"spherical", PatternKind::kSpherical}, {"granite", PatternKind::kGranite},
      {"agate", PatternKind::kAgate},         {"bozo", PatternKind::kNoise},
      {"spotted", PatternKind::kNoise},       {"bumps", PatternKind::kNoise},
      {"wrinkles", PatternKind::kNoise},      {"dents", PatternKind::kNoise},
      {"crackle", PatternKind::kNoise},       {"cells", PatternKind::kNoise},
      {"ripples", PatternKind::kNoise},       {"waves", PatternKind::kNoise}};
  const auto it = kWords.find(w);
  return it == kWords.end() ? nullptr : &it->second;
}

}  // namespace

// A texture or pigment block: its colour, or the average of the colours of
// its pattern; a name we do not know leaves a grey. Its finish as it says.
SceneReader::Colour SceneReader::ParseTexture() {
  Deeper deeper(*this);
  std::vector<std::array<double, 5>> colours;
  bool unknown = false;
  Colour c;
  if (Peek().kind == SceneToken::kWord) {  // texture Name, without braces
    const std::string w(Peek().text);
    Advance();
    if (const Value* v = Lookup(w);
        v && (v->kind == Value::kTexture || v->kind == Value::kVector)) {
      if (v->known_colour) colours.push_back(v->v);
      c.surface = v->surface;
      c.finished = v->finished;
      c.pattern = v->pattern;
      c.pattern_transform = v->pattern_transform;
      c.unmapped = v->unmapped;
    } else {
      unknown = true;
    }
  } else {
    ScanPigment(colours, unknown, c);
  }
  if (!colours.empty()) {
    c.known = true;
    c.rgbft = MeanColour(colours);
  } else if (unknown) {
    c.known = true;
    c.rgbft = kUnreadColour;
  }
  return c;
}

void SceneReader::ScanPigment(std::vector<std::array<double, 5>>& colours, bool& unknown,
                              Colour& finish) {
  Expect("{");
  const int inside = braces_;
  Pattern pattern;
  bool patterned = false;
  Mat4 placed;
  auto read_turbulence = [&] {  // turbulence <x, y, z>, or one number
    Advance();
    const Vec3 v = Vector();
    pattern.turbulence = static_cast<float>((v.x + v.y + v.z) / 3);
  };
  while (braces_ >= inside) {
    const SceneToken& t = Peek();
    if (t.kind == SceneToken::kEnd) Fail("the scene ends inside a texture");
    if (t.kind == SceneToken::kSymbol && t.text == "<") {  // a colour a macro gives, say
      colours.push_back(ColourValue());
      continue;
    }
    if (t.kind != SceneToken::kWord) {
      Advance();
      continue;
    }
    const std::string w(t.text);
    if (const PatternKind* kind = PatternWord(w); kind && !patterned && pattern.map.empty()) {
      Advance();
      patterned = true;
      pattern.kind = *kind;
      if (*kind == PatternKind::kGradient) pattern.axis = Vector();
    } else if (w == "color_map" || w == "colour_map") {
      Advance();
      if (PeekIs("{")) ColourMap(pattern, colours);
    } else if (w == "turbulence") {
      read_turbulence();
    } else if (w == "triangle_wave") {
      Advance();
      pattern.triangle_wave = true;
    } else if (w == "warp") {  // of the warps, turbulence alone: as the pattern's own
      Advance();
      Expect("{");
      const int warp = braces_;
      while (braces_ >= warp && Peek().kind != SceneToken::kEnd) {
        if (Peek().kind == SceneToken::kWord && Peek().text == "turbulence") {
          read_turbulence();
        } else {
          Advance();
        }
      }
    } else if (w == "translate" || w == "rotate" || w == "scale") {
      Advance();
      const Vec3 v = Vector();
      placed = (w == "translate" ? Translation(v)
                : w == "rotate"  ? Rotation(v)
                                 : Scaling(v)) *
               placed;
    } else if (StartsColour(t)) {
      colours.push_back(ColourValue());
    } else if (w == "finish") {
      Advance();
      ParseFinish(finish.surface);
      finish.finished = true;
    } else if (w == "image_map") {  // objects show it grey; a plane, the picture
      Advance();
      unknown = true;
      if (!patterned && pattern.map.empty()) patterned = ReadPicture(pattern);
    } else if (OneOf(w, {"normal", "interior", "density", "media", "bump_map", "material_map",
                         "image_pattern", "function", "pigment_pattern", "normal_map"})) {
      Advance();
      if (PeekIs("{")) SkipBlock();
    } else if (const Value* v = Lookup(w)) {
      if (v->kind == Value::kTexture && v->unmapped && !patterned && finish.pattern < 0) {
        // A pattern declared without its colours, which this pigment gives.
        const std::vector<Pattern::Stop> map = std::move(pattern.map);
        pattern = *v->unmapped;
        if (!map.empty()) pattern.map = map;
        patterned = true;
        placed = placed * v->pattern_transform;
      }
      if ((v->kind == Value::kTexture && v->known_colour) || v->kind == Value::kVector) {
        if (v->size >= 3 || v->kind == Value::kTexture) colours.push_back(v->v);
      }
      if (v->kind == Value::kTexture && v->finished) {
        finish.surface = v->surface;
        finish.finished = true;
      }
      if (v->kind == Value::kTexture && v->pattern >= 0 && finish.pattern < 0) {
        finish.pattern = v->pattern;
        finish.pattern_transform = v->pattern_transform;
      }
      Advance();
    } else {
      if (!OneOf(w, {"pigment",
                     "texture",
                     "color_map",
                     "colour_map",
                     "pigment_map",
                     "texture_map",
                     "x",
                     "y",
                     "z",
                     "translate",
                     "rotate",
                     "scale",
                     "matrix",
                     "transform",
                     "turbulence",
                     "octaves",
                     "omega",
                     "lambda",
                     "frequency",
                     "phase",
                     "ramp_wave",
                     "triangle_wave",
                     "sine_wave",
                     "scallop_wave",
                     "cubic_wave",
                     "poly_wave",
                     "noise_generator",
                     "agate_turb",
                     "brick_size",
                     "mortar",
                     "agate",
                     "aoi",
                     "average",
                     "boxed",
                     "bozo",
                     "brick",
                     "bumps",
                     "cells",
                     "checker",
                     "crackle",
                     "cylindrical",
                     "dents",
                     "facets",
                     "gradient",
                     "granite",
                     "hexagon",
                     "julia",
                     "leopard",
                     "magnet",
                     "mandel",
                     "marble",
                     "onion",
                     "pavement",
                     "planar",
                     "quilted",
                     "radial",
                     "ripples",
                     "spherical",
                     "spiral1",
                     "spiral2",
                     "spotted",
                     "square",
                     "tiling",
                     "triangular",
                     "waves",
                     "wood",
                     "wrinkles",
                     "metric",
                     "offset",
                     "solid",
                     "repeat",
                     "on",
                     "off",
                     "true",
                     "false",
                     "interpolate",
                     "map_type",
                     "once",
                     "control0",
                     "control1",
                     "orientation",
                     "dist_exp",
                     "inverse",
                     "quick_color",
                     "quick_colour",
                     "uv_mapping",
                     "form",
                     "coords",
                     "exponent",
                     "pi",
                     "sqrt",
                     "abs",
                     "vrotate",
                     "clock"})) {
        unknown = true;
        Note("the texture word '" + w + "' is not read; the colour is a grey");
      }
      Advance();
    }
  }
  const bool picture = patterned && pattern.kind == PatternKind::kPicture;
  if (patterned && (pattern.map.size() >= 2 || picture) && finish.pattern < 0) {
    finish.pattern = AddPattern(pattern);
    finish.pattern_transform = placed;
    finish.unmapped = nullptr;
  } else if (patterned && finish.pattern < 0) {
    finish.unmapped = std::make_shared<const Pattern>(pattern);
    finish.pattern_transform = placed;
  } else if (finish.pattern >= 0) {
    finish.pattern_transform = placed * finish.pattern_transform;
  }
}

// image_map {[type] "file" [once] [modifiers]}: the picture's file, and
// whether it is laid once; false when no file is named.
bool SceneReader::ReadPicture(Pattern& pattern) {
  if (!PeekIs("{")) return false;
  Advance();
  const int inside = braces_;
  while (braces_ >= inside) {
    const SceneToken& t = Peek();
    if (t.kind == SceneToken::kEnd) Fail("the scene ends inside an image_map");
    if (t.kind == SceneToken::kString && pattern.picture.empty()) pattern.picture = t.text;
    if (t.kind == SceneToken::kWord && t.text == "once") pattern.once = true;
    Advance();
  }
  if (pattern.picture.empty()) return false;
  pattern.kind = PatternKind::kPicture;
  return true;
}

// color_map {[at colour] ...}: its stops for the pattern, its colours for the mean.
void SceneReader::ColourMap(Pattern& pattern, std::vector<std::array<double, 5>>& colours) {
  Expect("{");
  const int inside = braces_;
  auto add = [&](double at, const std::array<double, 5>& c) {
    Pattern::Stop stop;
    stop.at = static_cast<float>(at);
    for (int i = 0; i < 5; ++i) stop.colour[i] = static_cast<float>(c[i]);
    colours.push_back(c);
    if (pattern.map.size() < kMaxPatternStops) pattern.map.push_back(stop);
  };
  while (braces_ >= inside) {
    if (Peek().kind == SceneToken::kEnd) Fail("the scene ends inside a colour map");
    if (Peek().kind == SceneToken::kWord) {  // a colour map declared before
      const Value* named = Lookup(Peek().text);
      if (named && named->kind == Value::kColourMap && named->unmapped) {
        for (const Pattern::Stop& s : named->unmapped->map) {
          std::array<double, 5> c;
          std::copy(s.colour.begin(), s.colour.end(), c.begin());
          add(s.at, c);
        }
      }
    }
    if (!PeekIs("[")) {
      Advance();
      continue;
    }
    Advance();
    const double at = Number();
    SkipComma();
    if (Peek().kind == SceneToken::kNumber) {  // [from to colour colour], the older form
      const double to = Number();
      SkipComma();
      add(at, ColourValue());
      SkipComma();
      add(to, ColourValue());
    } else {
      add(at, ColourValue());
    }
    while (!PeekIs("]")) {
      if (Peek().kind == SceneToken::kEnd) Fail("the scene ends inside a colour map");
      Advance();
    }
    Advance();
  }
  std::stable_sort(pattern.map.begin(), pattern.map.end(),
                   [](const Pattern::Stop& a, const Pattern::Stop& b) { return a.at < b.at; });
}

// Layered textures as the view sees them. A patterned layer over a plain one
// is laid on its colour stop by stop (or hides it, where every stop is
// opaque); a plain layer over a pattern tints its stops as far as it is
// opaque; so do the mean colours. The finish is the upper layer's where it
// hides most of what lies under it.
void SceneReader::Layer(Colour& under, const Colour& over) {
  if (!over.known) return;
  if (!under.known) {
    under = over;
    under.layered = true;
    return;
  }
  auto opacity = [](const auto& rgbft) { return std::clamp(1.0 - rgbft[3] - rgbft[4], 0.0, 1.0); };
  const double opaque = opacity(over.rgbft);
  const std::array<double, 5> below = under.rgbft;
  for (int i = 0; i < 3; ++i) under.rgbft[i] = opaque * over.rgbft[i] + (1 - opaque) * below[i];
  for (int i = 3; i < 5; ++i) under.rgbft[i] = (1 - opaque) * below[i];
  auto pattern_of = [&](const Colour& c) -> const Pattern* {
    return c.pattern >= 0 && c.pattern < static_cast<int>(patterns_.size())
               ? &patterns_[static_cast<size_t>(c.pattern)]
               : nullptr;
  };
  const Pattern* over_pattern = pattern_of(over);
  const Pattern* under_pattern = pattern_of(under);
  if (over_pattern && !under_pattern) {
    Pattern laid = *over_pattern;
    for (Pattern::Stop& stop : laid.map) {
      const double a = opacity(stop.colour);
      for (int i = 0; i < 3; ++i)
        stop.colour[i] = static_cast<float>(a * stop.colour[i] + (1 - a) * below[i]);
      for (int i = 3; i < 5; ++i) stop.colour[i] = static_cast<float>((1 - a) * below[i]);
    }
    under.pattern = AddPattern(laid);
    under.pattern_transform = over.pattern_transform;
    under.before = over.before;
  } else if (over_pattern &&
             std::all_of(over_pattern->map.begin(), over_pattern->map.end(),
                         [&](const Pattern::Stop& stop) { return opacity(stop.colour) > 0.95; })) {
    under.pattern = over.pattern;
    under.pattern_transform = over.pattern_transform;
    under.before = over.before;
  } else if (under_pattern && opaque > 0) {
    Pattern tinted = *under_pattern;
    for (Pattern::Stop& stop : tinted.map) {
      for (int i = 0; i < 3; ++i)
        stop.colour[i] = static_cast<float>(opaque * over.rgbft[i] + (1 - opaque) * stop.colour[i]);
      for (int i = 3; i < 5; ++i)
        stop.colour[i] = static_cast<float>((1 - opaque) * stop.colour[i]);
    }
    under.pattern = AddPattern(tinted);
  }
  if (over.finished && (opaque >= 0.5 || !under.finished)) {
    under.surface = over.surface;
    under.finished = true;
  }
  under.layered = true;
}

int SceneReader::AddPattern(const Pattern& pattern) {
  std::vector<float> key = {
      static_cast<float>(pattern.kind),   pattern.turbulence,
      static_cast<float>(pattern.axis.x), static_cast<float>(pattern.axis.y),
      static_cast<float>(pattern.axis.z), pattern.triangle_wave ? 1.0f : 0.0f};
  for (const Pattern::Stop& s : pattern.map) {
    key.push_back(s.at);
    key.insert(key.end(), s.colour.begin(), s.colour.end());
  }
  auto [it, added] = pattern_ids_.try_emplace(key, static_cast<int>(patterns_.size()));
  if (added) patterns_.push_back(pattern);
  return it->second;
}

// A finish block, from a declared finish it names or POV-Ray's defaults.
void SceneReader::ParseFinish(Surface& surface) {
  Deeper deeper(*this);
  Expect("{");
  const int inside = braces_;
  auto level = [&] {  // a number, or the mean of a colour
    const Value v = ParseValue();
    if (v.kind == Value::kNumber) return static_cast<float>(v.v[0]);
    if (v.kind == Value::kVector) return static_cast<float>((v.v[0] + v.v[1] + v.v[2]) / 3);
    Unread("a number expected in a finish");
  };
  auto shade = [&]() -> std::array<float, 3> {  // a number or a colour
    const Value v = ParseValue();
    if (v.kind == Value::kNumber)
      return {static_cast<float>(v.v[0]), static_cast<float>(v.v[0]), static_cast<float>(v.v[0])};
    if (v.kind == Value::kVector)
      return {static_cast<float>(v.v[0]), static_cast<float>(v.v[1]), static_cast<float>(v.v[2])};
    Unread("a number expected in a finish");
  };

  auto albedo = [&] {
    if (Peek().kind == SceneToken::kWord && Peek().text == "albedo") Advance();
    return level();
  };
  while (braces_ >= inside) {
    const SceneToken& t = Peek();
    if (t.kind == SceneToken::kEnd) Fail("the scene ends inside a finish");
    if (t.kind != SceneToken::kWord) {
      Advance();
      continue;
    }
    const std::string w(t.text);
    Advance();
    if (w == "ambient" || w == "emission") {
      const Value v = ParseValue();
      for (int i = 0; i < 3; ++i) {
        const float x = static_cast<float>(v.kind == Value::kVector ? v.v[i] : v.v[0]);
        surface.ambient[i] = w == "ambient" ? x : surface.ambient[i] + x;
      }
    } else if (w == "diffuse") {
      surface.diffuse = albedo();
      if (PeekIs(",")) {  // the back side's share
        Advance();
        level();
      }
    } else if (w == "brilliance") {
      surface.brilliance = level();
    } else if (w == "specular") {
      surface.specular = albedo();
    } else if (w == "roughness") {
      surface.roughness = level();
    } else if (w == "phong") {
      surface.phong = albedo();
    } else if (w == "phong_size") {
      surface.phong_size = level();
    } else if (w == "metallic") {
      const SceneToken& n = Peek();
      surface.metallic = n.kind == SceneToken::kNumber ? level() : 1;
    } else if (w == "reflection") {
      if (PeekIs("{")) {  // reflection {min max fresnel ...}: the larger share
        Advance();
        const std::array<float, 3> low = shade();
        SkipComma();
        std::array<float, 3> high = low;
        if (!PeekIs("}") && (Peek().kind != SceneToken::kWord || StartsColour(Peek())))
          high = shade();
        surface.reflection_colour = Mean(high) > Mean(low) ? high : low;
        surface.reflection = Mean(surface.reflection_colour);
        while (!PeekIs("}")) {
          if (Peek().kind == SceneToken::kEnd) Fail("the scene ends inside a finish");
          if (Peek().kind == SceneToken::kWord && Peek().text == "metallic")
            surface.reflection_metallic = true;
          Advance();
        }
        Advance();
      } else {
        surface.reflection_colour = shade();
        surface.reflection = Mean(surface.reflection_colour);
      }
    } else if (const Value* v = Lookup(w); v && v->kind == Value::kFinish) {
      surface = v->surface;
    } else if (PeekIs("{")) {
      SkipBlock();  // irid, subsurface and the like
    }
  }
  surface.ambient = {std::max(surface.ambient[0], 0.0f), std::max(surface.ambient[1], 0.0f),
                     std::max(surface.ambient[2], 0.0f)};
  surface.reflection = std::clamp(surface.reflection, 0.0f, 1.0f);
  for (float& c : surface.reflection_colour) c = std::clamp(c, 0.0f, 1.0f);
  surface.metallic = std::clamp(surface.metallic, 0.0f, 1.0f);
}

void SceneReader::ParseCamera(SceneCamera& camera) {
  Deeper deeper(*this);
  Expect("{");
  camera.read = true;
  while (!PeekIs("}")) {
    const SceneToken& t = Peek();
    if (t.kind == SceneToken::kEnd) Fail("the scene ends inside the camera");
    if (t.kind != SceneToken::kWord)
      Unread("cannot read '" + std::string(t.text) + "' in the camera");
    const std::string w(t.text);
    Advance();
    if (w == "location") {
      camera.location = Vector();
    } else if (w == "direction") {
      camera.direction = Vector();
    } else if (w == "right") {
      camera.right = Vector();
    } else if (w == "up") {
      camera.up = Vector();
    } else if (w == "sky") {
      camera.sky = Vector();
    } else if (w == "angle") {
      camera.angle = Number();
    } else if (w == "look_at") {
      // Turns direction, right and up to look at the point, keeping their
      // lengths and the camera's handedness.
      camera.look_at = Vector();
      const double dl = Length(camera.direction), rl = Length(camera.right), ul = Length(camera.up);
      const double handed = Dot(Cross(camera.up, camera.direction), camera.right);
      const Vec3 d = Sub(camera.look_at, camera.location);
      if (Length(d) == 0) continue;
      const Vec3 dn = Times(d, 1 / Length(d));
      Vec3 r = Cross(camera.sky, dn);
      if (Length(r) == 0) continue;
      r = Times(r, 1 / Length(r));
      const Vec3 u = Cross(dn, r);
      camera.direction = Times(dn, dl);
      camera.right = Times(r, handed < 0 ? -rl : rl);
      camera.up = Times(u, ul);
    } else if (w == "translate" || w == "rotate") {
      const Vec3 v = Vector();
      if (w == "translate") {
        camera.location = {camera.location.x + v.x, camera.location.y + v.y,
                           camera.location.z + v.z};
      } else {
        const Mat4 r = Rotation(v);
        camera.location = TransformPoint(r, camera.location);
        camera.direction = TransformPoint(r, camera.direction);
        camera.right = TransformPoint(r, camera.right);
        camera.up = TransformPoint(r, camera.up);
        camera.sky = TransformPoint(r, camera.sky);
      }
    } else if (!OneOf(w, {"perspective", "orthographic", "fisheye", "panoramic", "spherical",
                          "cylinder"})) {
      if (PeekIs("{")) {
        SkipBlock();
      } else {
        ParseValue();  // focal_point, aperture, blur_samples and the like
      }
    }
  }
  Advance();
  if (camera.angle > 0 && camera.angle < 180 && Length(camera.direction) > 0) {
    const double l = 0.5 * Length(camera.right) / std::tan(camera.angle * std::numbers::pi / 360);
    camera.direction = Times(camera.direction, l / Length(camera.direction));
  }
}

}  // namespace vermora::model_detail
