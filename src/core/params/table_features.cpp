#include "params/param_table.h"

namespace vermora {
namespace {

using K = ParamKind;

constexpr ParamDef kRows[] = {
    {"chkAnim", K::kSwitch, "N", "Features/Animation", "Animation on"},
    {"ChkRAlternate", K::kSwitch, "N", "Features/Random", "Alternate Worm :"},
    {"ChkWormsOnly", K::kSwitch, "N", "Features/Random", "ProcWormsOnly :"},
    {"RadioGroup3", K::kChoice, "6", "Features/Random", "thing type"},
    {"chkRSplit", K::kSwitch, "N", "Features/Random", "SplitOn :"},
    {"ChkEndRot", K::kSwitch, "N", "Features/Random", "EndRot :"},
    {"EdSegMax", K::kNumber, "40", "Features/Random", "SegMax :"},
    {"EdArmFactor", K::kNumber, "2", "Features/Random", "ArmFactor :"},
    {"EdRPredefWormName", K::kText, "object {Spik3}", "Features/Random", "copied into EdPWN"},
    {"EdRWormPredName", K::kText, "object {Doos scale <1,3,1> rotate <0,0,-90>}", "Features/Random", "copied into EdWPN"},
    {"EdRSegment", K::kText, "object {Bol}", "Features/Random", "segment object for the chosen worm types"},
    {"edRSegment2", K::kText, "object {Ear}", "Features/Random", "second"},
    {"EdRPredBase", K::kText, "object {Spik2}", "Features/Random", "copied into EdPredBase"},
    {"EdRPredTop", K::kText, "object {Ear}", "Features/Random", "copied into EdPredTop"},
    {"EdRPredTopHart", K::kText, "object {Bol }", "Features/Random", "copied into EdTopHart and, when used,"},
    {"EdEvFactor", K::kNumber, "3", "Features/Evolve", "EvFactor :"},
    {"ChkEvWorm", K::kSwitch, "Y", "Features/Evolve", "EvWorm :"},
    {"ChkEvThing", K::kSwitch, "N", "Features/Evolve", "EvThing :"},
    {"chkEvBranch", K::kSwitch, "N", "Features/Evolve", "WithBranch :"},
    {"EdMutFactor", K::kNumber, "3", "Features/Mutate", "MutFactor :"},
    {"ChkMutWorm", K::kSwitch, "Y", "Features/Mutate", "MutWorm :"},
    {"ChkMutThing", K::kSwitch, "N", "Features/Mutate", "MutThing :"},
    {"EdTank1", K::kText, "object {Bol}", "Features/Mutate", "captions \"Tank1"},
    {"EdTank2", K::kText, "object {Doos}", "Features/Mutate", "captions \"Tank1"},
    {"EdTank3", K::kText, "object {Spik3}", "Features/Mutate", "captions \"Tank1"},
    {"EdTank4", K::kText, "object {BallDisk}", "Features/Mutate", "captions \"Tank1"},
    {"EdTank5", K::kText, "object {Torus}", "Features/Mutate", "captions \"Tank1"},
    {"EdTank6", K::kText, "object {Spik1}", "Features/Mutate", "captions \"Tank1"},
    {"EdTank7", K::kText, "object {Cone}", "Features/Mutate", "captions \"Tank1"},
    {"EdTank8", K::kText, "object {Ear}", "Features/Mutate", "captions \"Tank1"},
    {"EdTank9", K::kText, "object {Spik4}", "Features/Mutate", "captions \"Tank1"},
    {"chkSelection", K::kSwitch, "Y", "Features/Breeding", "\"Random gene-selection\""},
    {"chkTweening", K::kSwitch, "N", "Features/Breeding", "\"Gene-Tweening with random dominance\""},
    {"SpeedButton2", K::kToggle, "N", "Features/Breeding", "Load partner and breed"},
    {"RadioGroup5", K::kChoice, "0", "Features/Animation", "curve"},
    {"edAStrength", K::kNumber, "1", "Features/Animation", "strength s of the Accelerate and Decelerate"},
    {"edTotalFrames", K::kNumber, "10", "Features/Animation", "number of frames N of the whole series"},
    {"edStartFrame", K::kInteger, "1", "Features/Animation", "first frame to render"},
    {"edEndFrame", K::kInteger, "10", "Features/Animation", "last frame to render"},
    {"edCountStart", K::kInteger, "1", "Features/Animation", "number of the first written frame file"},
    {"chkDelPovs", K::kSwitch, "Y", "Features/Animation", "\"Delete AnimPovs\""},
    {"chkRendThingA", K::kSwitch, "N", "Features/Animation", "hidden"},
    {"sbLoadAS", K::kToggle, "N", "Features/Animation", "Load second set"},
    {"sbThingA", K::kToggle, "N", "Features/Animation", "Render start values"},
    {"sbThingB", K::kToggle, "N", "Features/Animation", "Render end values"},
};

}  // namespace

std::span<const ParamDef> FeatureParams() { return kRows; }

}  // namespace vermora
