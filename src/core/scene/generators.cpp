#include "scene/generators.h"

#include "worms/spiral_worm.h"

namespace vermora {

std::span<const WormGenerator> WormGenerators() {
  static const WormGenerator kWorms[] = {
      {"JWorm", WriteSpiralWorm}, {"RWorm", nullptr}, {"DWorm", nullptr},
      {"PWorm", nullptr},         {"SPWorm", nullptr}, {"FWorm", nullptr},
      {"TwoD", nullptr},          {"TorusWorm", nullptr},
  };
  return kWorms;
}

std::span<const ThingGenerator> ThingGenerators() {
  static const ThingGenerator kThings[] = {
      {"ChkFanOn", "FanWorm", nullptr},       {"ChkWheelOn", "WheelWorm", nullptr},
      {"ChkTrilobyt", "LintWorm", nullptr},   {"ChkAnemoneOn", "AnemoneWorm", nullptr},
      {"ChkClusterOn", "Cluster", nullptr},   {"chkHornOn", "Horn", nullptr},
      {"chkHullOn", "Hull", nullptr},
  };
  return kThings;
}

Generator BackgroundWriter() { return nullptr; }

}  // namespace vermora
