// Lights, background, sky and fog of the scene reader.
#include <algorithm>
#include <cmath>

#include "model/scene_reader.h"
#include "model/vector_math.h"

namespace vermora {

std::array<float, 3> SceneSurroundings::SkyColour(Vec3 direction) const {
  if (!sky) return background;
  const double l = model_math::Length(direction);
  // A gradient along y repeats: below the horizon it runs up again from 0.
  double y = l > 0 ? direction.y / l : 0;
  if (y < 0) y += 1;
  std::array<float, 3> c;
  for (int i = 0; i < 3; ++i) c[i] = static_cast<float>(horizon[i] + (zenith[i] - horizon[i]) * y);
  return c;
}

void SceneSurroundings::AddHaze(const std::array<float, 3>& colour, float cover) {
  cover = std::clamp(cover, 0.0f, 1.0f);
  const float total = haze[3] + cover * (1 - haze[3]);
  if (total <= 0) return;
  for (int i = 0; i < 3; ++i)
    haze[i] = (haze[i] * haze[3] + colour[i] * cover * (1 - haze[3])) / total;
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
  while (braces_ >= inside) {
    const SceneToken& t = Peek();
    if (t.kind == SceneToken::kEnd) Fail("the scene ends inside " + kind);
    if (t.kind != SceneToken::kWord) {
      Advance();
      continue;
    }
    if (kind == "sky_sphere" && t.text == "pigment") {
      Advance();
      const size_t from = pos_;
      std::vector<std::array<double, 5>> colours;
      bool unknown = false;
      Colour unused;
      if (PeekIs("{")) ScanPigment(colours, unknown, unused);
      // Later pigments are layers over the first (clouds, stars): a haze over it.
      if (colours.empty()) continue;
      if (!first_pigment) {
        std::array<double, 5> mean = {0, 0, 0, 0, 0};
        for (const auto& c : colours) {
          for (int i = 0; i < 5; ++i) mean[i] += c[i] / static_cast<double>(colours.size());
        }
        surroundings.AddHaze(Rgb(mean), static_cast<float>(1 - mean[3] - mean[4]));
        continue;
      }
      first_pigment = false;
      const bool gradient = text_.substr(from, pos_ - from).find("gradient") != std::string::npos;
      std::array<double, 3> mean = {0, 0, 0};
      for (const auto& c : colours) {
        for (int i = 0; i < 3; ++i) mean[i] += c[i] / static_cast<double>(colours.size());
      }
      surroundings.background = {static_cast<float>(mean[0]), static_cast<float>(mean[1]),
                                 static_cast<float>(mean[2])};
      if (gradient && colours.size() >= 2) {
        surroundings.sky = true;
        surroundings.horizon = Rgb(colours.front());
        surroundings.zenith = Rgb(colours.back());
      }
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
}

}  // namespace model_detail
}  // namespace vermora
