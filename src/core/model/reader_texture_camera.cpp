// Textures and the camera of the scene reader.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/pov_colours.h"
#include "model/scene_reader.h"
#include "model/vector_math.h"

namespace vermora::model_detail {
namespace {

constexpr std::array<double, 5> kUnreadColour = {0.7, 0.7, 0.7, 0, 0};

using namespace model_math;

}  // namespace

// A texture or pigment block: its colour, or the average of the colours of
// its pattern; a name we do not know leaves a grey.
SceneReader::Colour SceneReader::ParseTexture() {
  Deeper deeper(*this);
  std::vector<std::array<double, 5>> colours;
  bool unknown = false;
  if (Peek().kind == SceneToken::kWord) {  // texture Name, without braces
    const std::string w(Peek().text);
    Advance();
    if (const Value* v = Lookup(w);
        v && (v->kind == Value::kTexture || v->kind == Value::kVector)) {
      if (v->known_colour) colours.push_back(v->v);
    } else {
      unknown = true;
    }
  } else {
    ScanPigment(colours, unknown);
  }
  Colour c;
  if (!colours.empty()) {
    c.known = true;
    for (const auto& one : colours) {
      for (int i = 0; i < 5; ++i) c.rgbft[i] += one[i] / static_cast<double>(colours.size());
    }
  } else if (unknown) {
    c.known = true;
    c.rgbft = kUnreadColour;
  }
  return c;
}

void SceneReader::ScanPigment(std::vector<std::array<double, 5>>& colours, bool& unknown) {
  Expect("{");
  const int inside = braces_;
  while (braces_ >= inside) {
    const SceneToken& t = Peek();
    if (t.kind == SceneToken::kEnd) Fail("the scene ends inside a texture");
    if (t.kind != SceneToken::kWord) {
      Advance();
      continue;
    }
    const std::string w(t.text);
    if (StartsColour(t)) {
      colours.push_back(ColourValue());
    } else if (OneOf(w, {"finish", "normal", "interior", "density", "media", "warp", "image_map",
                         "bump_map", "material_map", "image_pattern", "function", "pigment_pattern",
                         "normal_map"})) {
      Advance();
      if (PeekIs("{")) SkipBlock();
      if (w == "image_map") unknown = true;
    } else if (const Value* v = Lookup(w)) {
      if ((v->kind == Value::kTexture && v->known_colour) || v->kind == Value::kVector) {
        if (v->size >= 3 || v->kind == Value::kTexture) colours.push_back(v->v);
      }
      Advance();
    } else if (std::array<double, 5> named; FindPovColour(w, named)) {
      colours.push_back(named);
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
