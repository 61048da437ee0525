#include "anim/update_groups.h"

#include "scene/object_library.h"

namespace vermora {
namespace {

bool Chosen(const ParameterSet& set, int worm) {
  return set.Index("RadioGroup1") == worm || set.Index("RadioGroup2") == worm;
}

}  // namespace

bool GroupApplies(AnimGroup group, const ParameterSet& set) {
  using G = AnimGroup;
  const bool spiral = Chosen(set, kSpiralWorm);
  switch (group) {
    case G::kSpiral:
      return spiral;
    case G::kSpiralBubble:
      return spiral && set.On("ChkBubble");
    case G::kSpiralBranch:
      return spiral && set.On("ChkBranchON");
    case G::kSpiralBase:
      return spiral && set.On("ChkBaseOn");
    case G::kSpiralTop:
      return spiral && set.On("ChkTopOn");
    case G::kSpiralHeart:
      return spiral && set.On("ChkTopHartOn");
    case G::kSpiralCoat:
      return spiral && set.On("chkCoatOn");
    case G::kSpiralHelix:
      return spiral && set.On("chkHelixOn");
    case G::kCurl:
      return Chosen(set, kCurlWorm);
    case G::kCurlHeart:
      return set.On("chkCTopHartOn");
    case G::kCurlHusk:
      return set.On("chkCHuskOn");
    case G::kDouble:
      return Chosen(set, kDoubleSpiral);
    case G::kForm:
      return Chosen(set, kFormWorm);
    case G::kTwoD:
      return Chosen(set, kTwoDWorm);
    case G::kTwoDRecursion:
      return set.On("chkRecTD");
    case G::kTorus:
      return Chosen(set, kTorusSpline);
    case G::kWormPlacement:
      return true;
    case G::kFanWheel:
      return set.On("ChkFanOn") || set.On("ChkWheelOn");
    case G::kTrilobyt:
      return set.On("ChkTrilobyt");
    case G::kAnemone:
      return set.On("ChkAnemoneOn");
    case G::kHorn:
      return set.On("chkHornOn");
    case G::kHull:
      return set.On("chkHullOn");
    case G::kThingPlacement:
      return true;
    case G::kCloud1:
      return set.On("chkCL1");
    case G::kCloud2:
      return set.On("chkCL2");
  }
  return false;
}

}  // namespace vermora
