#include "params/param_table.h"

namespace vermora {
namespace {

using K = ParamKind;

// One row a line: the table reads as a table.
// clang-format off
constexpr ParamDef kRows[] = {
    {"RadioGroup1", K::kChoice, "0", "General", "First worm", "the worm type the creature is built from", "SpiralWorm|CurlWorm|DoubleSpiral|PredefWorm|WormPredef|FormWorm|TwoDWorm|TorusSpline"},
    {"RadioGroup2", K::kChoice, "-1", "General", "Alternate worm", "the second worm type, from the same items, for alternating members", "SpiralWorm|CurlWorm|DoubleSpiral|PredefWorm|WormPredef|FormWorm|TwoDWorm|TorusSpline"},
    {"ChkAlternate", K::kSwitch, "N", "General", "Alternate the two worms", "members alternate between the first and the alternate worm"},
    {"ChkWheelOn", K::kSwitch, "Y", "General", "Wheel on", "build a Wheel from copies of the worm"},
    {"ChkFanOn", K::kSwitch, "N", "General", "Fan on", "build a Fan from copies of the worm"},
    {"ChkTrilobyt", K::kSwitch, "N", "General", "Trilobyt on", "build a Trilobyt from copies of the worm"},
    {"ChkAnemoneOn", K::kSwitch, "N", "General", "Anemone on", "build an Anemone from copies of the worm"},
    {"ChkClusterOn", K::kSwitch, "N", "General", "Cluster on", "build a Cluster from copies of the worm"},
    {"chkHornOn", K::kSwitch, "N", "General", "Horn on", "build a Horn from copies of the worm"},
    {"chkHullOn", K::kSwitch, "N", "General", "Hull on", "build a Hull from copies of the worm"},
    {"edOpmerking", K::kText, "", "General", "Remark", "remark kept with the set; the object estimate notes its warnings here"},
};
// clang-format on

}  // namespace

std::span<const ParamDef> GeneralParams() { return kRows; }

}  // namespace vermora
