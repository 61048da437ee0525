#pragma once

#include <span>
#include <string_view>

namespace vermora {

// How an animated value is written back into its field each frame.
enum class WriteBack {
  kRounded,  // whole number, halves to even
  kWhole,    // fraction cut off; a ring count, whose fraction grows the next member in
  kDecimal,  // three decimals
};

// When a group of animated parameters takes part in a frame's update.
enum class AnimGroup {
  kSpiral,
  kSpiralBubble,
  kSpiralBranch,
  kSpiralBase,
  kSpiralTop,
  kSpiralHeart,
  kSpiralCoat,
  kSpiralHelix,
  kCurl,
  kCurlHeart,
  kCurlHusk,
  kDouble,
  kForm,
  kTwoD,
  kTwoDRecursion,
  kTorus,
  kWormPlacement,
  kFanWheel,
  kTrilobyt,
  kAnemone,
  kHorn,
  kHull,
  kThingPlacement,
  kCloud1,
  kCloud2,
};

// One parameter that moves from its start value to its end value over a frame
// series; `twin` is the hidden field holding the end value.
struct AnimatedParam {
  std::string_view name;
  std::string_view twin;
  WriteBack kind;
  AnimGroup group;
};

// All animated parameters in update order.
std::span<const AnimatedParam> AnimatedParams();

// The animated parameter named `name` (exact case), or null.
const AnimatedParam* FindAnimated(std::string_view name);

}  // namespace vermora
