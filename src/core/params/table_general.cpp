#include "params/param_table.h"

namespace vermora {
namespace {

using K = ParamKind;

constexpr ParamDef kRows[] = {
    {"RadioGroup1", K::kChoice, "0", "General", "the first worm", "SpiralWorm|CurlWorm|DoubleSpiral|PredefWorm|WormPredef|FormWorm|TwoDWorm|TorusSpline"},
    {"RadioGroup2", K::kChoice, "-1", "General", "the alternate worm, same items", "SpiralWorm|CurlWorm|DoubleSpiral|PredefWorm|WormPredef|FormWorm|TwoDWorm|TorusSpline"},
    {"ChkAlternate", K::kSwitch, "N", "General", "declare the alternate worm as Worm2"},
    {"ChkWheelOn", K::kSwitch, "Y", "General", "the Wheel thing"},
    {"ChkFanOn", K::kSwitch, "N", "General", "the other compound things"},
    {"ChkTrilobyt", K::kSwitch, "N", "General", "the other compound things"},
    {"ChkAnemoneOn", K::kSwitch, "N", "General", "the other compound things"},
    {"ChkClusterOn", K::kSwitch, "N", "General", "the other compound things"},
    {"chkHornOn", K::kSwitch, "N", "General", "the other compound things"},
    {"chkHullOn", K::kSwitch, "N", "General", "the other compound things"},
    {"edOpmerking", K::kText, "", "General", "remark"},
};

}  // namespace

std::span<const ParamDef> GeneralParams() { return kRows; }

}  // namespace vermora
