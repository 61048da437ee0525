#include <array>
#include <utility>

#include "form/enabling_rules.h"

namespace vermora {
namespace {

using E = RuleEffect;
using S = RuleState;

constexpr const char* kThings =
    "ChkWheelOn ChkFanOn ChkTrilobyt ChkAnemoneOn ChkClusterOn chkHornOn chkHullOn";
constexpr const char* kWorms = "RadioGroup1 RadioGroup2";

constexpr FormRule kRules[] = {
    // Pages of the worms either worm choice names, in item order.
    {kWorms, S::kIndex, 0, E::kShow, "TabSpiral"},
    {kWorms, S::kIndex, 1, E::kShow, "TabCurl"},
    {kWorms, S::kIndex, 2, E::kShow, "TabDoubleSpiral"},
    {kWorms, S::kIndex, 3, E::kShow, "TabPredef"},
    {kWorms, S::kIndex, 4, E::kShow, "TabWormPredef"},
    {kWorms, S::kIndex, 5, E::kShow, "TabFormWorm"},
    {kWorms, S::kIndex, 6, E::kShow, "TabTwoD"},
    {kWorms, S::kIndex, 7, E::kShow, "TabTorus"},

    {"ChkBubble", S::kOn, 0, E::kShow, "TabBubble"},
    {"ChkBubble", S::kOff, 0, E::kSet, "EdBBScaleSt EdBBScEnd", "100"},
    {"ChkBranchON", S::kOn, 0, E::kShow, "TabBranch"},
    {"ChkBaseOn", S::kOn, 0, E::kShow, "TabBase"},
    {"ChkTopOn", S::kOn, 0, E::kShow, "TabTop"},
    {"ChkTopHartOn", S::kOn, 0, E::kShow, "TabTopHart"},
    {"chkCoatOn", S::kOn, 0, E::kShow, "TabCoat"},
    {"chkCoatOn", S::kOn, 0, E::kSet, "edCoatST", "8"},
    {"chkCoatOn", S::kOn, 0, E::kSet, "edCoatET", "12"},
    {"chkCoatOn", S::kOff, 0, E::kSet, "edCoatST", "150"},
    {"chkCoatOn", S::kOff, 0, E::kSet, "edCoatET", "160"},
    {"chkHelixOn", S::kOn, 0, E::kShow, "TabHelix"},
    {"chkHelixOn", S::kOn, 0, E::kSet, "edHTus", "4"},
    {"chkHelixOn", S::kOff, 0, E::kSet, "edHTus", "1"},
    {"chkCHuskOn", S::kOn, 0, E::kShow, "TabCHusk"},
    {"chkCTopHartOn", S::kOn, 0, E::kShow, "TabCTopHart"},
    {"chkSOOn", S::kOn, 0, E::kShow, "TabDSSide"},
    {"chkRecTD", S::kOn, 0, E::kShow, "TabTwoDRec"},
    {"ChkTentacle", S::kOn, 0, E::kShow, "TabFWTentacle"},
    {"ChkFanOn ChkWheelOn", S::kOn, 0, E::kShow, "TabFan"},
    {"ChkTrilobyt", S::kOn, 0, E::kShow, "TabTrilo"},
    {"ChkAnemoneOn", S::kOn, 0, E::kShow, "TabAnemone"},
    {"ChkClusterOn", S::kOn, 0, E::kShow, "TabCluster"},
    {"chkHornOn", S::kOn, 0, E::kShow, "TabHorn"},
    {"chkHullOn", S::kOn, 0, E::kShow, "TabHull"},
    {kThings, S::kOn, 0, E::kShow, "TabThing ChkAlternate"},
    {kThings, S::kOff, 0, E::kSet, "ChkAlternate", "N"},

    {"ChkAlternate", S::kOn, 0, E::kShow, "RadioGroup2"},
    {"ChkAlternate", S::kOn, 0, E::kSet, "RadioGroup2", "1"},
    {"ChkAlternate", S::kOff, 0, E::kSet, "RadioGroup2", "-1"},

    // Fields.
    {"ChkARot", S::kOff, 0, E::kEnable, "EdRotFacX EdRotFacY EdRotFacZ"},
    {"ChkWormAsBase", S::kOff, 0, E::kEnable, "EdPredBase"},
    {"ChkWormAsTop", S::kOff, 0, E::kEnable, "EdPredTop"},
    {"ChkWormAsTent", S::kOff, 0, E::kEnable, "EdTentName"},
    {"ChkWormAsBranch", S::kOff, 0, E::kEnable, "EdPredBranch"},
    {"ChkWormAsBranch", S::kOn, 0, E::kShow, "edBRLevel"},
    {"ChkWormAsBranch", S::kOff, 0, E::kSet, "edBRLevel", "1"},
    {"chkWormAsRec", S::kOff, 0, E::kEnable, "edPredRec"},
    {"chkWormAsRec", S::kOn, 0, E::kShow, "edRecLevel"},
    {"chkWormAsRec", S::kOff, 0, E::kSet, "edRecLevel", "1"},
    {"ChkXOffset", S::kOn, 0, E::kEnable, "EdXOffsetFactor"},
    {"ChkSymScale", S::kOn, 0, E::kEnable, "EdSymScaleNumber EdSymScaleValue"},
    {"ChkWave", S::kOn, 0, E::kEnable, "EdWaveNumber"},
    {"ChkTwisting", S::kOn, 0, E::kEnable, "EdTwistBase"},
    {"ChkTArot", S::kOff, 0, E::kEnable, "EdUpFactor EdSpindleAmount ChkPowUp ChkPowSpindle"},
    {"ChkTArot", S::kOn, 0, E::kSet, "EdUpFactor EdSpindleAmount", "0.0"},
    {"ChkTArot", S::kOn, 0, E::kSet, "ChkPowUp ChkPowSpindle", "N"},
    {"ChkXTrans", S::kOn, 0, E::kEnable, "EdXTransFactor"},
    {"ChkCScaleOn", S::kOn, 0, E::kEnable, "chkCUnif edCScaleMax edCScaleMaxY edCScaleMaxZ"},
    {"ChkCRotXOn chkCRotYOn chkCRotZOn", S::kOn, 0, E::kEnable, "edCRotStep"},
    {"chkAutoRotZ", S::kOff, 0, E::kEnable, "EdHRotZInc"},
    {"chkAutoRotZ", S::kOn, 0, E::kSet, "EdHRotZInc", "0"},
    {"chkTDAutoRot", S::kOff, 0, E::kEnable, "edObjRotZTot"},
    {"ChkTrLinkOn", S::kOn, 0, E::kEnable, "EdTrLink edTrLinkTexture"},
    {"chkTailOn", S::kOn, 0, E::kEnable, "edTail edTailTexture"},
    {"ChkTrHeadOn", S::kOn, 0, E::kEnable, "EdTrHead edTrHeadTexture"},
    {"chkTSerie", S::kOn, 0, E::kEnable, "edSWTrig edSWETrig"},
    {"chkTSerie", S::kOff, 0, E::kSet, "edSWTrig", "150"},
    {"chkTSerie", S::kOff, 0, E::kSet, "edSWETrig", "160"},
    {"chkTInterval", S::kOn, 0, E::kEnable, "IntTrigger"},
    {"chkTInterval", S::kOff, 0, E::kSet, "IntTrigger", "150"},
    {"chkTSerie chkTInterval", S::kOn, 0, E::kEnable, "edSWPred edSWTex"},
    {"chkScrambleR", S::kOn, 0, E::kEnable, "edScrambleR"},
    {"chkScrambleS", S::kOn, 0, E::kEnable, "edScrambleS"},
    {"chkSpiralWay", S::kOn, 0, E::kEnable,
     "edTOmwBasis edTNumberSpace edTMoveX edTMoveY edTMoveZ"},
    {"chkSpiralWay", S::kOn, 0, E::kCopy, "edTNumberSpace", "EdTNumber"},
    {"chkSpiralWay", S::kOff, 0, E::kEnable, "EdTOffsetX EdTOffsetY EdTOffsetZ"},

    // Fields shown or hidden.
    {"chkAltJS", S::kOn, 0, E::kShow, "edJSegm2"},
    {"chkAltRS", S::kOn, 0, E::kShow, "edRSegm2"},
    {"chkAltDSS", S::kOn, 0, E::kShow, "edDSSegm2"},
    {"chkAltFWS", S::kOn, 0, E::kShow, "edFWSegm2"},
    {"chkAltTDS", S::kOn, 0, E::kShow, "edTDSegm2"},
    {"chkBlobFW", S::kOff, 0, E::kShow, "chkAltFWS chkFMerge edFWSegm edFWSegm2"},
    {"chkRandRot", S::kOn, 0, E::kShow, "edRandRot"},
    {"chkCUnif", S::kOff, 0, E::kShow, "edCScaleMaxY edCScaleMaxZ"},
    {"chkCUnif", S::kOn, 0, E::kCaption, "edCScaleMax", "Largest scale (all axes)"},
    {"chkCUnif", S::kOff, 0, E::kCaption, "edCScaleMax", "Largest scale"},
    {"ScrAN", S::kAtLeast, 3, E::kShow, "edPoint3X edPoint3Y edPoint3Z"},
    {"ScrAN", S::kAtLeast, 4, E::kShow, "edPoint4X edPoint4Y edPoint4Z"},
    {"ScrAN", S::kAtLeast, 5, E::kShow, "edPoint5X edPoint5Y EdPoint5Z"},
    {"ScrAN", S::kAtLeast, 6, E::kShow, "edPoint6X edPoint6Y edPoint6Z"},

    // Exclusive pairs and value resets.
    {"ChkTextureOverWorm", S::kOn, 0, E::kSet, "ChkTextureOverThing", "N"},
    {"ChkTextureOverThing", S::kOn, 0, E::kSet, "ChkTextureOverWorm", "N"},
    {"chkTweening", S::kOn, 0, E::kSet, "chkSelection", "N"},
    {"chkSelection", S::kOn, 0, E::kSet, "chkTweening", "N"},
    {"ChkEndRot", S::kOff, 0, E::kSet, "EdTPostRotateX EdTPostRotateY EdTPostRotateZ", "0"},
};

constexpr std::pair<std::string_view, std::string_view> kPages[] = {
    {"TabSpiral", "Worms/SpiralWorm"},
    {"TabCurl", "Worms/CurlWorm"},
    {"TabDoubleSpiral", "Worms/DoubleSpiral"},
    {"TabPredef", "Worms/PredefWorm"},
    {"TabWormPredef", "Worms/WormPredef"},
    {"TabFormWorm", "Worms/FormWorm"},
    {"TabTwoD", "Worms/TwoDWorm"},
    {"TabTorus", "Worms/TorusSpline"},
    {"TabBubble", "Worms/SpiralWorm/Bubble"},
    {"TabBranch", "Worms/SpiralWorm/Branch"},
    {"TabBase", "Worms/SpiralWorm/Base"},
    {"TabTop", "Worms/SpiralWorm/Top"},
    {"TabTopHart", "Worms/SpiralWorm/TopHart"},
    {"TabCoat", "Worms/SpiralWorm/Husk"},
    {"TabHelix", "Worms/SpiralWorm/Helix"},
    {"TabCHusk", "Worms/CurlWorm/Husk"},
    {"TabCTopHart", "Worms/CurlWorm/TopHart"},
    {"TabDSSide", "Worms/DoubleSpiral/SideObject"},
    {"TabTwoDRec", "Worms/TwoDWorm/Recursion"},
    {"TabFWTentacle", "Things/Fan/Wheel/Tentacle"},
    {"TabFan", "Things/Fan/Wheel"},
    {"TabTrilo", "Things/Trilobyt"},
    {"TabAnemone", "Things/Anemone"},
    {"TabCluster", "Things/Cluster"},
    {"TabHorn", "Things/Horn"},
    {"TabHull", "Things/Hull"},
    {"TabThing", "Things"},
};

}  // namespace

std::span<const FormRule> FormRules() { return kRules; }

std::string_view PagePathOf(std::string_view page) {
  for (const auto& [name, path] : kPages) {
    if (name == page) return path;
  }
  return {};
}

std::vector<std::string_view> RulePagePaths() {
  std::vector<std::string_view> paths;
  for (const auto& page : kPages) paths.push_back(page.second);
  return paths;
}

}  // namespace vermora
