// Lights, background, sky and fog of the scene reader.
#include <algorithm>
#include <cmath>

#include "model/pattern_colour.h"
#include "model/scene_reader.h"
#include "model/vector_math.h"

namespace vermora {

std::array<float, 3> SceneModel::SkyColour(Vec3 direction) const {
  const SceneSurroundings& s = surroundings;
  if (s.sky_pattern < 0 || s.sky_pattern >= static_cast<int>(patterns.size())) return s.background;
  const double l = model_math::Length(direction);
  const Vec3 d = l > 0 ? model_math::Times(direction, 1 / l) : Vec3{0, 0, 0};
  const std::array<float, 5> c =
      PatternColour(patterns[s.sky_pattern], TransformPoint(AffineInverse(s.sky_frame), d));
  return {c[0], c[1], c[2]};
}

void SceneSurroundings::AddHaze(const std::array<float, 3>& colour, float cover, float ambient,
                                float diffuse) {
  cover = std::clamp(cover, 0.0f, 1.0f);
  const float total = haze[3] + cover * (1 - haze[3]);
  if (total <= 0) return;
  auto blend = [&](float was, float added) {
    return (was * haze[3] + added * cover * (1 - haze[3])) / total;
  };
  for (int i = 0; i < 3; ++i) haze[i] = blend(haze[i], colour[i]);
  haze_finish = {blend(haze_finish[0], ambient), blend(haze_finish[1], diffuse)};
  haze[3] = total;
}

namespace model_detail {

using namespace model_math;

namespace {

std::array<float, 3> Rgb(const std::array<double, 5>& c) {
  return {static_cast<float>(c[0]), static_cast<float>(c[1]), static_cast<float>(c[2])};
}

}  // namespace

// light_source {position colour modifiers}: where it shines from, and its colour.
void SceneReader::ParseLight(std::vector<SceneLight>& lights) {
  Deeper deeper(*this);
  Expect("{");
  const int inside = braces_;
  SceneLight light;
  light.position = Vector();
  SkipComma();
  if (StartsColour(Peek())) light.colour = Rgb(ColourValue());
  while (braces_ >= inside) {
    const SceneToken& t = Peek();
    if (t.kind == SceneToken::kEnd) Fail("the scene ends inside a light_source");
    if (t.kind == SceneToken::kWord && (t.text == "translate" || t.text == "rotate")) {
      const bool moves = t.text == "translate";
      Advance();
      const Vec3 v = Vector();
      light.position =
          moves ? Vec3{light.position.x + v.x, light.position.y + v.y, light.position.z + v.z}
                : TransformPoint(Rotation(v), light.position);
    } else if (t.kind == SceneToken::kWord && StartsColour(t)) {
      light.colour = Rgb(ColourValue());
    } else {
      Advance();
    }
  }
  if (lights.size() < kMaxSceneLights) lights.push_back(light);
}

// background {colour}, sky_sphere {pigment...}, fog {distance colour}.
void SceneReader::ParseSurroundings(std::string_view word, SceneSurroundings& surroundings) {
  Deeper deeper(*this);
  const std::string kind(word);
  Expect("{");
  const int inside = braces_;
  bool first_pigment = true;
  SceneSurroundings layers;  // the sky sphere's later pigments, as one haze
  while (braces_ >= inside) {
    const SceneToken& t = Peek();
    if (t.kind == SceneToken::kEnd) Fail("the scene ends inside " + kind);
    if (t.kind != SceneToken::kWord) {
      Advance();
      continue;
    }
    if (kind == "sky_sphere" && t.text == "pigment") {
      Advance();
      std::vector<std::array<double, 5>> colours;
      bool unknown = false;
      Colour pigment;
      if (PeekIs("{")) ScanPigment(colours, unknown, pigment);
      if (colours.empty() && unknown) colours.push_back(kUnreadColour);  // a picture, say
      if (colours.empty()) continue;
      const Pattern* pattern = pigment.pattern >= 0 && !patterns_[pigment.pattern].map.empty()
                                   ? &patterns_[pigment.pattern]
                                   : nullptr;  // a picture's sky shows its pigment's mean
      // Later pigments are layers over the first (clouds, stars): a haze over it.
      if (!first_pigment) {
        if (pattern && pattern->kind == PatternKind::kSpherical) continue;  // a spot: a galaxy
        const std::array<double, 5> mean = pattern ? MapMean(*pattern) : MeanColour(colours);
        layers.AddHaze(Rgb(mean), static_cast<float>(1 - mean[3] - mean[4]));
        continue;
      }
      first_pigment = false;
      surroundings.background = Rgb(pattern ? MapMean(*pattern) : MeanColour(colours));
      if (pattern) {
        surroundings.sky_pattern = pigment.pattern;
        surroundings.sky_frame = pigment.pattern_transform;
      }
    } else if (kind == "sky_sphere" &&
               (t.text == "rotate" || t.text == "scale" || t.text == "translate")) {
      const std::string how(t.text);
      Advance();
      const Vec3 v = Vector();
      surroundings.sky_frame = (how == "rotate"  ? Rotation(v)
                                : how == "scale" ? Scaling(v)
                                                 : Translation(v)) *
                               surroundings.sky_frame;
    } else if (kind != "sky_sphere" && StartsColour(t)) {
      const std::array<float, 3> c = Rgb(ColourValue());
      (kind == "fog" ? surroundings.fog_colour : surroundings.background) = c;
    } else if (kind == "fog" && t.text == "distance") {
      Advance();
      surroundings.fog_distance = std::max(Number(), 0.0);
    } else if (kind == "fog" && t.text == "fog_type") {
      Advance();
      if (Number() != 1) {  // ground fog lies low: the view leaves it out
        surroundings.fog_distance = 0;
        while (braces_ >= inside && Peek().kind != SceneToken::kEnd) Advance();
        return;
      }
    } else {
      Advance();
      if (PeekIs("{")) SkipBlock();
    }
  }
  // The layers lie over the whole sky: over its pattern's colours (a copy of
  // the pattern, which objects may share) and its mean.
  const std::array<float, 4>& h = layers.haze;
  if (h[3] <= 0) return;
  auto over = [&](auto& c) {
    for (int i = 0; i < 3; ++i) c[i] += (h[i] - c[i]) * h[3];
  };
  over(surroundings.background);
  if (surroundings.sky_pattern >= 0) {
    Pattern hazed = patterns_[surroundings.sky_pattern];
    for (Pattern::Stop& stop : hazed.map) over(stop.colour);
    surroundings.sky_pattern = AddPattern(hazed);
  }
}

}  // namespace model_detail
}  // namespace vermora
