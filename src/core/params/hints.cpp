#include "params/hints.h"

#include <algorithm>
#include <cctype>
#include <span>

#include "params/param_table.h"

namespace vermora {
namespace {

// Parameters that share one hint text; every name is a row of the parameter
// table (HintedParameters, held against the table by a test).
struct HintRow {
  std::string_view controls;  // names apart by blanks
  std::string_view text;
};

// One hint a row: the list reads as a table.
// clang-format off
constexpr HintRow kTold[] = {
    // The second texture transform's fields sit on the TTPostproc page too.
    {"editTTScaleXb editTTScaleYb editTTScaleZb", "Texture scale ..."},
    {"editTTRotateXb editTTRotateYb editTTRotateZb", "Texture rotation ..."},
    {"chkJConnect chkDSConnect chkTDConnect",
     "Connect the standard objects with an intermediate cone ..."},
    {"EdNumber",
     "Number of segments ..."},
    {"EdBBScBTex EdBranchTexture EdBaseTexture EdTopTexture edTopHartTexture edHTex edCHuskT edCTopHartT edSideObjectText edPWNTexture edWPNTexture EdTentTexture edTailTexture edTrHeadTexture edTrLinkTexture edSWTex",
     "Leaving this blank, no specific texture for this item ..."},
    {"EdOmw edTOmwBasis",
     "range -.6 (turning right) to .6 ; 0 is straight up"},
    {"EdRotFacX EdRotFacY EdRotFacZ",
     "360 degrees is turning once across worm ; also less or more ... "},
    {"EdShFX EdShFY EdShFZ edFWShrink edTDSF EdTScaleFactorX EdTScaleFactorY EdTScaleFactorZ",
     "0 is no shrink ; positive is shrink, negative is grow ..."},
    {"EdBBScSW",
     "span ... 0.5 => 1 ; 1.0 => 2 ; ..."},
    {"EdBBScCenter",
     "centerpoint of scaling ... with SW of 0.5 : 0.5 => 0 to 1 ; 1 => 0.5 to 1.5 ; 2 => 1.5 to 2.5 ..."},
    {"EdBranchTrigger",
     "every n segment a branch ..."},
    {"EdXMoveF EdYMoveF EdZMoveF",
     "the amount of moving per segments in building the worm ... 0 => no move ; 1 => ordinary move ; -1 => ordinary move in opposite direction ..."},
    {"ChkXOffset",
     "offset along x-axis (extra translate <LoopAmount/XOffsetFactor, 0, 0> ..."},
    {"EdInc1 EdInc2 EdInc3",
     "put here the includes you want to use ... in the form : #include \"myinc.inc\""},
    {"EdTSpread",
     "360\xB0" "*1 is one turn, neg. is clockwise, pos. is counterclockwise ..."},
    {"EdSymScaleValue",
     ".5 => 0.25 tot 0.75 ; 1 => 0.5 to 1.5 ; 2 => 1 to 3 ; 3 => 1.5 to 4.5 ..."},
    {"EdKropDegrees",
     "up/down bending (resp. neg./pos) in fan ... forward/backward (resp. neg./pos) in wheel ..."},
    {"EdTwistBase",
     "twistfactor : range -0.6 to 0.6, 0 is straight ..."},
    {"ChkPowUp",
     "powered UpFactor ... NO negative value in UpFactor with PowerUp - when off linear UpFactor ..."},
    {"EdMutFactor",
     "mutatefactor ... how hostile is the environment ... with 5 really weard things happen ..."},
    {"EdTank1 EdTank2 EdTank3 EdTank4 EdTank5 EdTank6 EdTank7 EdTank8 EdTank9",
     "genetank for building up segments, etc ..."},
    {"chkEvBranch",
     "note : branchnumber not changed for pov-choking reasons ..."},
    {"EdSmoothness",
     "smaller=smoother (amount in degrees to add each time) ..."},
    {"editPhongS",
     "size of the highlight spot, ranges from 1.0 (very dull) to 250 (highly polished), default is 40 (plastic) ..."},
    {"editRoughness",
     "size of the spot, ranges from 1.0 (large highlight) to 0.0005 (small highlight), default is 0.05 (plastic) ..."},
    {"editOctaves editNOctaves",
     "number steps of turbulence, ranges from 1.0 to 10, default is 6.0 ..."},
};

// The window's variation tabs, which are pages, not parameters.
constexpr HintRow kPages[] = {
    {"TabEvolve",
     "fill in the values and hit RenderButton or F5 on this Tab to evolve ..."},
    {"TabMutate",
     "fill in the values and hit RenderButton or F5 on this Tab to mutate ..."},
    {"TabRandom",
     "fill in the values and hit RenderButton or F5 on this Tab to get a random creature ..."},
};
// clang-format on

bool Lists(std::string_view controls, std::string_view name) {
  while (!controls.empty()) {
    const size_t end = std::min(controls.find(' '), controls.size());
    if (controls.substr(0, end) == name) return true;
    controls.remove_prefix(std::min(end + 1, controls.size()));
  }
  return false;
}

std::string Told(std::string_view control) {
  for (const auto& rows : {std::span<const HintRow>(kTold), std::span<const HintRow>(kPages)}) {
    for (const HintRow& row : rows) {
      if (Lists(row.controls, control)) return std::string(row.text);
    }
  }
  return {};
}

// The meaning of a parameter as a hint: "Replicas per branch ring ...".
std::string Described(const ParamDef& def) {
  std::string text(def.about);
  if (text.empty()) return text;
  text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  return text + " ...";
}

}  // namespace

std::vector<std::string_view> HintedParameters() {
  std::vector<std::string_view> names;
  for (const HintRow& row : kTold) {
    for (std::string_view rest = row.controls; !rest.empty();) {
      const size_t end = std::min(rest.find(' '), rest.size());
      names.push_back(rest.substr(0, end));
      rest.remove_prefix(std::min(end + 1, rest.size()));
    }
  }
  return names;
}

std::string HintFor(std::string_view control) {
  if (std::string told = Told(control); !told.empty()) return told;
  const ParamDef* parameter = nullptr;  // the last row that is not an end twin
  for (const ParamDef& def : ParamTable()) {
    if (def.name == control) {
      if (!def.end_twin) return Described(def);
      // An end twin sits right after its parameter and explains itself by it.
      if (!parameter) return {};
      std::string told = Told(parameter->name);
      return "End value of the animation: " + (told.empty() ? Described(*parameter) : told);
    }
    if (!def.end_twin) parameter = &def;
  }
  return {};
}

}  // namespace vermora
