#include "params/param_table.h"

namespace vermora {
namespace {

using K = ParamKind;

// One row a line: the table reads as a table.
// clang-format off
constexpr ParamDef kRows[] = {
    {"chkAnim", K::kSwitch, "N", "Features/Animation", "Animation on", "render a frame series from the start set to its end values instead of one picture"},
    {"ChkRAlternate", K::kSwitch, "N", "Features/Random", "Alternate worm types", "choose two alternating worm types"},
    {"ChkWormsOnly", K::kSwitch, "N", "Features/Random", "Procedural worms only", "choose only among the procedural worm types, no predefined ones"},
    {"RadioGroup3", K::kChoice, "6", "Features/Random", "Thing type", "the thing a random creature is built as",
     "Fan|Wheel|Trilobyt|Anemone|Horn|Hull|Randompick|None"},
    {"chkRSplit", K::kSwitch, "N", "Features/Random", "Random split", "also randomise the split of the SpiralWorm"},
    {"ChkEndRot", K::kSwitch, "N", "Features/Random", "Random end rotation", "a random final rotation of the thing, else none"},
    {"EdSegMax", K::kNumber, "40", "Features/Random", "Most segments", "upper bound for the segment counts"},
    {"EdArmFactor", K::kNumber, "2", "Features/Random", "Arm count factor", "multiplier for the arm counts of things"},
    {"EdRPredefWormName", K::kText, "object {Spik3}", "Features/Random", "PredefWorm object", "object text given to the PredefWorm worm"},
    {"EdRWormPredName", K::kText, "object {Doos scale <1,3,1> rotate <0,0,-90>}", "Features/Random", "WormPredef object", "object text given to the WormPredef worm"},
    {"EdRSegment", K::kText, "object {Bol}", "Features/Random", "Segment object", "segment object for the chosen worm types"},
    {"edRSegment2", K::kText, "object {Ear}", "Features/Random", "Alternate segment object", "alternate segment object for the chosen worm types"},
    {"EdRPredBase", K::kText, "object {Spik2}", "Features/Random", "Base object", "object text given to the base"},
    {"EdRPredTop", K::kText, "object {Ear}", "Features/Random", "Top object", "object text given to the top"},
    {"EdRPredTopHart", K::kText, "object {Bol }", "Features/Random", "Heart object", "object text given to the top heart of the SpiralWorm and the CurlWorm"},
    {"EdEvFactor", K::kNumber, "3", "Features/Evolve", "Evolve factor", "the evolve factor that scales every step"},
    {"ChkEvWorm", K::kSwitch, "Y", "Features/Evolve", "Evolve the worm", "evolve the worm parameters"},
    {"ChkEvThing", K::kSwitch, "N", "Features/Evolve", "Evolve the thing", "evolve the thing parameters"},
    {"chkEvBranch", K::kSwitch, "N", "Features/Evolve", "Evolve the branches", "also evolve the branch parameters of the worm", {}, 0, 0, false, true},
    {"EdMutFactor", K::kNumber, "3", "Features/Mutate", "Mutation factor", "the mutation factor that scales every step; above 4 objects swap too"},
    {"ChkMutWorm", K::kSwitch, "Y", "Features/Mutate", "Mutate the worm", "mutate the worm parameters"},
    {"ChkMutThing", K::kSwitch, "N", "Features/Mutate", "Mutate the thing", "mutate the thing parameters"},
    {"EdTank1", K::kText, "object {Bol}", "Features/Mutate", "Gene tank 1", "object text that object swaps draw from"},
    {"EdTank2", K::kText, "object {Doos}", "Features/Mutate", "Gene tank 2", "object text that object swaps draw from"},
    {"EdTank3", K::kText, "object {Spik3}", "Features/Mutate", "Gene tank 3", "object text that object swaps draw from"},
    {"EdTank4", K::kText, "object {BallDisk}", "Features/Mutate", "Gene tank 4", "object text that object swaps draw from"},
    {"EdTank5", K::kText, "object {Torus}", "Features/Mutate", "Gene tank 5", "object text that object swaps draw from"},
    {"EdTank6", K::kText, "object {Spik1}", "Features/Mutate", "Gene tank 6", "object text that object swaps draw from"},
    {"EdTank7", K::kText, "object {Cone}", "Features/Mutate", "Gene tank 7", "object text that object swaps draw from"},
    {"EdTank8", K::kText, "object {Ear}", "Features/Mutate", "Gene tank 8", "object text that object swaps draw from"},
    {"EdTank9", K::kText, "object {Spik4}", "Features/Mutate", "Gene tank 9", "object text that object swaps draw from"},
    {"chkSelection", K::kSwitch, "Y", "Features/Breeding", "Random gene selection", "every bred number is taken whole from one parent"},
    {"chkTweening", K::kSwitch, "N", "Features/Breeding", "Gene tweening", "every bred number lies between the parents' values, with random dominance"},
    {"SpeedButton2", K::kToggle, "N", "Features/Breeding", "Load partner and breed", "command button, stored as up: load partner and breed"},
    {"RadioGroup5", K::kChoice, "0", "Features/Animation", "Animation curve", "how the values move from start to end over the frames",
     "Linear|Wave|S-Curve|Accelerate|Decelerate"},
    {"edAStrength", K::kNumber, "1", "Features/Animation", "Curve strength", "strength of the Accelerate and Decelerate curves"},
    {"edTotalFrames", K::kNumber, "10", "Features/Animation", "Frames in the series", "number of frames of the whole series"},
    {"edStartFrame", K::kInteger, "1", "Features/Animation", "First frame to render", "first frame to render"},
    {"edEndFrame", K::kInteger, "10", "Features/Animation", "Last frame to render", "last frame to render"},
    {"edCountStart", K::kInteger, "1", "Features/Animation", "First file number", "number of the first written frame file"},
    {"chkDelPovs", K::kSwitch, "Y", "Features/Animation", "Delete frame scenes", "delete the frame scene files afterwards"},
    {"chkRendThingA", K::kSwitch, "N", "Features/Animation", "Rendering one set", "on while a single parameter set renders as a picture", {}, 0, 0, false, true},
    {"sbLoadAS", K::kToggle, "N", "Features/Animation", "Load second set", "command button, stored as up: load second set"},
    {"sbThingA", K::kToggle, "N", "Features/Animation", "Render start values", "command button, stored as up: render start values"},
    {"sbThingB", K::kToggle, "N", "Features/Animation", "Render end values", "command button, stored as up: render end values"},
};
// clang-format on

}  // namespace

std::span<const ParamDef> FeatureParams() { return kRows; }

}  // namespace vermora
