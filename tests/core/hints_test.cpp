#include "params/hints.h"

#include <gtest/gtest.h>

#include <string>

#include "params/param_table.h"

namespace vermora {
namespace {

TEST(HintsTest, ToldTextsCharacterForCharacter) {
  const struct { const char* control; const char* text; } kTold[] = {
      {"chkDSConnect", "Connect the standard objects with an intermediate cone ..."},
      {"EdNumber", "Number of segments ..."},
      {"edTailTexture", "Leaving this blank, no specific texture for this item ..."},
      {"edSWTex", "Leaving this blank, no specific texture for this item ..."},
      {"edTOmwBasis", "range -.6 (turning right) to .6 ; 0 is straight up"},
      {"EdRotFacZ", "360 degrees is turning once across worm ; also less or more ... "},
      {"edTDSF", "0 is no shrink ; positive is shrink, negative is grow ..."},
      {"EdTScaleFactorY", "0 is no shrink ; positive is shrink, negative is grow ..."},
      {"EdBBScSW", "span ... 0.5 => 1 ; 1.0 => 2 ; ..."},
      {"EdBBScCenter", "centerpoint of scaling ... with SW of 0.5 : 0.5 => 0 to 1 ; 1 => 0.5 to "
                       "1.5 ; 2 => 1.5 to 2.5 ..."},
      {"EdBranchTrigger", "every n segment a branch ..."},
      {"EdYMoveF", "the amount of moving per segments in building the worm ... 0 => no move ; 1 "
                   "=> ordinary move ; -1 => ordinary move in opposite direction ..."},
      {"ChkXOffset", "offset along x-axis (extra translate <LoopAmount/XOffsetFactor, 0, 0> ..."},
      {"EdInc2", "put here the includes you want to use ... in the form : #include \"myinc.inc\""},
      {"EdTSpread", "360\xB0*1 is one turn, neg. is clockwise, pos. is counterclockwise ..."},
      {"EdSymScaleValue", ".5 => 0.25 tot 0.75 ; 1 => 0.5 to 1.5 ; 2 => 1 to 3 ; 3 => 1.5 to 4.5 ..."},
      {"EdKropDegrees", "up/down bending (resp. neg./pos) in fan ... forward/backward (resp. "
                        "neg./pos) in wheel ..."},
      {"EdTwistBase", "twistfactor : range -0.6 to 0.6, 0 is straight ..."},
      {"ChkPowUp", "powered UpFactor ... NO negative value in UpFactor with PowerUp - when off "
                   "linear UpFactor ..."},
      {"TabEvolve", "fill in the values and hit RenderButton or F5 on this Tab to evolve ..."},
      {"EdMutFactor", "mutatefactor ... how hostile is the environment ... with 5 really weard "
                      "things happen ..."},
      {"EdTank1", "genetank for building up segments, etc ..."},
      {"EdTank9", "genetank for building up segments, etc ..."},
      {"chkEvBranch", "note : branchnumber not changed for pov-choking reasons ..."},
      {"EdSmoothness", "smaller=smoother (amount in degrees to add each time) ..."},
      {"editPhongS", "size of the highlight spot, ranges from 1.0 (very dull) to 250 (highly "
                     "polished), default is 40 (plastic) ..."},
      {"editRoughness", "size of the spot, ranges from 1.0 (large highlight) to 0.0005 (small "
                        "highlight), default is 0.05 (plastic) ..."},
      {"editNOctaves", "number steps of turbulence, ranges from 1.0 to 10, default is 6.0 ..."},
  };
  for (const auto& t : kTold) EXPECT_EQ(HintFor(t.control), t.text) << t.control;
}

// Every control explains itself by a phrase, never by its name.
TEST(HintsTest, EveryShownParameterHasAHintEndingInDots) {
  for (const ParamDef& def : ParamTable()) {
    const std::string hint = HintFor(def.name);
    ASSERT_GT(hint.size(), 3u) << def.name;
    EXPECT_EQ(hint.find(def.name), std::string::npos) << def.name << ": " << hint;
    const std::string_view n = def.name;
    if (n.substr(0, 5) != "EdOmw" && n.substr(0, 11) != "edTOmwBasis" &&
        n.substr(0, 6) != "EdRotF" && n.substr(0, 5) != "EdInc") {
      EXPECT_EQ(hint.substr(hint.size() - 3), "...") << def.name;
    }
  }
  EXPECT_EQ(HintFor("editTTRotateYb"), "Texture rotation ...");
  EXPECT_EQ(HintFor("EdBranchNumber"), "Replicas per branch ring ...");
  EXPECT_EQ(HintFor("EdNumber3"), "End value of the animation: Number of segments ...");
  EXPECT_EQ(HintFor("NoSuchControl"), "");
}

}  // namespace
}  // namespace vermora
