#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>

#include "compose/composer.h"

namespace vermora::test {

// A frame series growing in one count by `grow_in`, between start and end
// counts that differ; frozen counts are remembered as the frame series does.
class GrowingCount final : public AnimationInputs {
 public:
  GrowingCount(std::string count, float grow_in, float start = 1, float end = 2)
      : count_(std::move(count)), grow_in_(grow_in), start_(start), end_(end) {}
  RingAnimation Ring(const char* ring) const override {
    if (ring == count_) return {grow_in_, start_, end_};
    return {};
  }
  float Freeze(const char* ring, float count) override {
    return frozen.emplace(ring, count).first->second;
  }
  std::map<std::string, float> frozen;

 private:
  std::string count_;
  float grow_in_, start_, end_;
};

inline ComposeResult ComposeAt(const ParameterSet& set, std::uint32_t clock_ms = 12345678,
                               AnimationInputs* animation = nullptr, size_t max_bytes = 0) {
  FixedClock clock(clock_ms);
  ComposeOptions options;
  options.clock = &clock;
  options.animation = animation;
  if (max_bytes) options.max_scene_bytes = max_bytes;
  return ComposeScene(set, options);
}

// The scene of `set` at a fixed clock, expecting no error and no warning.
inline std::string SceneAt(const ParameterSet& set, std::uint32_t clock_ms = 12345678) {
  ComposeResult result = ComposeAt(set, clock_ms);
  EXPECT_TRUE(result.status.ok()) << result.status.message();
  EXPECT_TRUE(result.warnings.empty()) << result.warnings.front();
  return result.scene;
}

// The part of a scene from `from` on, up to (not including) `to`.
inline std::string Between(const std::string& scene, const std::string& from,
                           const std::string& to) {
  const size_t a = scene.find(from);
  if (a == std::string::npos) return {};
  const size_t b = scene.find(to, a);
  return scene.substr(a, b == std::string::npos ? std::string::npos : b - a);
}

}  // namespace vermora::test
