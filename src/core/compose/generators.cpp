#include "compose/generators.h"

#include "background/background_writer.h"
#include "things/anemone_cluster.h"
#include "things/fan_wheel.h"
#include "things/horn_hull.h"
#include "things/trilobyt.h"
#include "worms/curl_worm.h"
#include "worms/double_spiral.h"
#include "worms/form_worm.h"
#include "worms/predef_worm.h"
#include "worms/spiral_worm.h"
#include "worms/torus_spline.h"
#include "worms/two_d_worm.h"

namespace vermora {

std::span<const WormGenerator> WormGenerators() {
  static const WormGenerator kWorms[] = {
      {"JWorm", WriteSpiralWorm}, {"RWorm", WriteCurlWorm},        {"DWorm", WriteDoubleSpiral},
      {"PWorm", WritePredefWorm}, {"SPWorm", WriteWormPredef},     {"FWorm", WriteFormWorm},
      {"TwoD", WriteTwoDWorm},    {"TorusWorm", WriteTorusSpline},
  };
  return kWorms;
}

std::span<const ThingGenerator> ThingGenerators() {
  static const ThingGenerator kThings[] = {
      {"ChkFanOn", "FanWorm", WriteFan},          {"ChkWheelOn", "WheelWorm", WriteWheel},
      {"ChkTrilobyt", "LintWorm", WriteTrilobyt}, {"ChkAnemoneOn", "AnemoneWorm", WriteAnemone},
      {"ChkClusterOn", "Cluster", WriteCluster},  {"chkHornOn", "Horn", WriteHorn},
      {"chkHullOn", "Hull", WriteHull},
  };
  return kThings;
}

Generator BackgroundWriter() { return WriteBackground; }

}  // namespace vermora
