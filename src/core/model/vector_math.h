#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "model/scene_model.h"

// The little vector algebra and word test the scene model's files share.
namespace vermora::model_math {

inline Vec3 Sub(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 Cross(Vec3 a, Vec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline double Length(Vec3 a) { return std::sqrt(Dot(a, a)); }
inline Vec3 Times(Vec3 a, double k) { return {a.x * k, a.y * k, a.z * k}; }

// The mean of colours (r g b filter transmit); black for none.
inline std::array<double, 5> MeanColour(const std::vector<std::array<double, 5>>& colours) {
  std::array<double, 5> mean = {0, 0, 0, 0, 0};
  for (const auto& one : colours) {
    for (int i = 0; i < 5; ++i) mean[i] += one[i] / static_cast<double>(colours.size());
  }
  return mean;
}

inline bool OneOf(std::string_view w, std::initializer_list<std::string_view> words) {
  return std::find(words.begin(), words.end(), w) != words.end();
}

}  // namespace vermora::model_math
