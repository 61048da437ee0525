#pragma once

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string_view>

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

inline bool OneOf(std::string_view w, std::initializer_list<std::string_view> words) {
  return std::find(words.begin(), words.end(), w) != words.end();
}

}  // namespace vermora::model_math
