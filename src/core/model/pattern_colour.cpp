#include "model/pattern_colour.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vermora {
namespace {

struct V {
  double x, y, z;
};

double Fract(double v) { return v - std::floor(v); }

// The same hash and value noise as the view's fragment shader.
double Hash(V p) {
  p = {Fract(p.x * 0.3183099 + 0.1) * 17, Fract(p.y * 0.3183099 + 0.1) * 17,
       Fract(p.z * 0.3183099 + 0.1) * 17};
  return Fract(p.x * p.y * p.z * (p.x + p.y + p.z));
}

double Noise(V x) {
  const V i{std::floor(x.x), std::floor(x.y), std::floor(x.z)};
  V f{x.x - i.x, x.y - i.y, x.z - i.z};
  f = {f.x * f.x * (3 - 2 * f.x), f.y * f.y * (3 - 2 * f.y), f.z * f.z * (3 - 2 * f.z)};
  auto h = [&](double a, double b, double c) { return Hash({i.x + a, i.y + b, i.z + c}); };
  auto mix = [](double a, double b, double k) { return a + (b - a) * k; };
  // About 0.5 with the spread of POV-Ray's noise (a standard deviation of
  // 0.127, where these corners smoothed give 0.191).
  return 0.5 +
         0.66 * (mix(mix(mix(h(0, 0, 0), h(1, 0, 0), f.x), mix(h(0, 1, 0), h(1, 1, 0), f.x), f.y),
                     mix(mix(h(0, 0, 1), h(1, 0, 1), f.x), mix(h(0, 1, 1), h(1, 1, 1), f.x), f.y),
                     f.z) -
                 0.5);
}

V Turbulence(V p) {
  V sum{0, 0, 0};
  double scale = 1, weight = 1;
  for (int i = 0; i < 3; ++i) {
    const V q{p.x * scale, p.y * scale, p.z * scale};
    sum.x += weight * (2 * Noise(q) - 1);
    sum.y += weight * (2 * Noise({q.x + 31.7, q.y + 31.7, q.z + 31.7}) - 1);
    sum.z += weight * (2 * Noise({q.x + 67.3, q.y + 67.3, q.z + 67.3}) - 1);
    scale *= 2;
    weight *= 0.5;
  }
  return sum;
}

double Triangle(double v) {
  v = Fract(v);
  return v < 0.5 ? 2 * v : 2 - 2 * v;
}

double Value(const Pattern& pattern, V p) {
  switch (pattern.kind) {
    case PatternKind::kGradient:
      return Fract(p.x * pattern.axis.x + p.y * pattern.axis.y + p.z * pattern.axis.z);
    case PatternKind::kMarble:
      return Triangle(p.x);
    case PatternKind::kWood:
      return Triangle(std::hypot(p.x, p.y));
    case PatternKind::kOnion:
      return Fract(std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z));
    case PatternKind::kLeopard: {
      const double s = (std::sin(p.x) + std::sin(p.y) + std::sin(p.z)) / 3;
      return s * s;
    }
    case PatternKind::kRadial:
      return Fract(std::atan2(p.x, -p.z) / (2 * std::numbers::pi) + 0.5);
    case PatternKind::kSpherical:
      return std::clamp(1 - std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z), 0.0, 1.0);
    case PatternKind::kGranite: {
      double s = 0, f = 1;
      for (int i = 0; i < 4; ++i) {
        s += std::abs(2 * Noise({4 * f * p.x, 4 * f * p.y, 4 * f * p.z}) - 1) / f;
        f *= 2;
      }
      return std::clamp(0.5 * s, 0.0, 1.0);
    }
    case PatternKind::kAgate:
      return Triangle(p.x + 2 * Noise(p));
    case PatternKind::kNoise:
    case PatternKind::kPicture:  // no map to colour it: PatternColour gives nothing
      break;
  }
  return Noise(p);
}

}  // namespace

std::array<float, 5> PatternColour(const Pattern& pattern, Vec3 point) {
  if (pattern.map.empty()) return {0, 0, 0, 0, 0};
  V p{point.x, point.y, point.z};
  if (pattern.turbulence != 0) {
    const V t = Turbulence(p);
    p = {p.x + pattern.turbulence * t.x, p.y + pattern.turbulence * t.y,
         p.z + pattern.turbulence * t.z};
  }
  const double v = pattern.triangle_wave ? Triangle(Value(pattern, p)) : Value(pattern, p);
  const auto& map = pattern.map;
  if (v <= map.front().at) return map.front().colour;
  for (size_t i = 1; i < map.size(); ++i) {
    if (v <= map[i].at) {
      const double span = map[i].at - map[i - 1].at;
      const float k = span > 0 ? static_cast<float>((v - map[i - 1].at) / span) : 1.0f;
      std::array<float, 5> c;
      for (int j = 0; j < 5; ++j)
        c[j] = map[i - 1].colour[j] + (map[i].colour[j] - map[i - 1].colour[j]) * k;
      return c;
    }
  }
  return map.back().colour;
}

std::array<double, 5> MapMean(const Pattern& pattern) {
  std::array<double, 5> sum = {0, 0, 0, 0, 0};
  const auto& map = pattern.map;
  if (map.empty()) return sum;
  auto add = [&](const std::array<float, 5>& a, const std::array<float, 5>& b, double span) {
    for (int i = 0; i < 5; ++i) sum[i] += span * (a[i] + b[i]) / 2;
  };
  add(map.front().colour, map.front().colour, std::clamp<double>(map.front().at, 0, 1));
  for (size_t i = 1; i < map.size(); ++i) {
    const double from = std::clamp<double>(map[i - 1].at, 0, 1),
                 to = std::clamp<double>(map[i].at, 0, 1);
    add(map[i - 1].colour, map[i].colour, std::max(to - from, 0.0));
  }
  add(map.back().colour, map.back().colour, 1 - std::clamp<double>(map.back().at, 0, 1));
  return sum;
}

}  // namespace vermora
