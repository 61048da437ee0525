#include "form/enabling_rules.h"

#include <gtest/gtest.h>

#include <string>

#include "params/animated_params.h"
#include "params/settings_file.h"
#include "variation/engine.h"

namespace vermora {
namespace {

class EnablingRulesTest : public ::testing::Test {
 protected:
  void SetUp() override { set.UseGenerator(&random, &clock); }

  // Puts `name` in the other state first, so that setting `on` is a change.
  void Turn(const char* name, bool on) {
    set.SetOn(name, !on);
    set.SetOn(name, on);
  }
  bool Enabled(const char* name) const { return EvaluateForm(set).Enabled(name); }
  bool Visible(const char* name) const { return EvaluateForm(set).Visible(name); }
  // Every name in `shown` is visible on the form, none in `hidden`.
  void ExpectShown(std::initializer_list<const char*> shown,
                   std::initializer_list<const char*> hidden = {}) const {
    const FormState form = EvaluateForm(set);
    for (const char* name : shown) EXPECT_TRUE(form.Visible(name)) << name;
    for (const char* name : hidden) EXPECT_FALSE(form.Visible(name)) << name;
  }

  Random random;
  FixedClock clock{1000};
  ParameterSet set;
};

TEST_F(EnablingRulesTest, DefaultSetShowsTheSpiralWormAndTheWheel) {
  ExpectShown({"TabSpiral", "Worms/SpiralWorm", "TabFan", "TabThing", "ChkAlternate", "EdNumber"},
              {"Worms/CurlWorm", "Worms/SpiralWorm/Bubble", "RadioGroup2", "TabCurl",
               "TabDoubleSpiral", "TabPredef", "TabWormPredef", "TabFormWorm", "TabTwoD",
               "TabTorus", "TabBubble", "TabTrilo"});
  // ChkARot starts on, so the manual rotation and its end value are disabled.
  EXPECT_FALSE(Enabled("EdRotFacX"));
  EXPECT_FALSE(Enabled("EdRotFacX3"));
  EXPECT_TRUE(Enabled("EdNumber"));
}

TEST_F(EnablingRulesTest, EitherWormChoiceShowsItsPage) {
  set.SetOn("ChkAlternate", true);
  EXPECT_EQ(set.Index("RadioGroup2"), 1);
  ExpectShown({"RadioGroup2", "TabCurl"});
  set.SetIndex("RadioGroup2", 7);
  ExpectShown({"TabTorus", "TabSpiral"}, {"TabCurl"});
  set.SetOn("ChkAlternate", false);
  EXPECT_EQ(set.Index("RadioGroup2"), -1);
  ExpectShown({}, {"TabTorus"});
}

TEST_F(EnablingRulesTest, LastThingOffHidesThingsAndTheSecondWorm) {
  set.SetOn("ChkAlternate", true);
  set.SetIndex("RadioGroup2", 6);
  set.SetOn("ChkFanOn", true);
  set.SetOn("ChkWheelOn", false);
  // The Fan still needs the Fan/Wheel page and the second worm.
  EXPECT_TRUE(Visible("TabFan"));
  EXPECT_TRUE(set.On("ChkAlternate"));
  set.SetOn("ChkFanOn", false);
  EXPECT_FALSE(set.On("ChkAlternate"));
  EXPECT_EQ(set.Index("RadioGroup2"), -1);
  ExpectShown({}, {"TabThing", "TabFan", "ChkAlternate", "RadioGroup2", "TabTwoD"});
  set.SetOn("chkHullOn", true);
  ExpectShown({"TabThing", "TabHull"});
  EXPECT_FALSE(set.On("ChkAlternate"));
}

TEST_F(EnablingRulesTest, SwitchesShowTheirPages) {
  const struct {
    const char* sw;
    const char* page;
  } kPages[] = {
      {"ChkBubble", "TabBubble"},  {"ChkBranchON", "TabBranch"},   {"ChkBaseOn", "TabBase"},
      {"ChkTopOn", "TabTop"},      {"ChkTopHartOn", "TabTopHart"}, {"chkCoatOn", "TabCoat"},
      {"chkHelixOn", "TabHelix"},  {"chkCHuskOn", "TabCHusk"},     {"chkCTopHartOn", "TabCTopHart"},
      {"chkSOOn", "TabDSSide"},    {"chkRecTD", "TabTwoDRec"},     {"ChkTentacle", "TabFWTentacle"},
      {"ChkTrilobyt", "TabTrilo"}, {"ChkAnemoneOn", "TabAnemone"}, {"ChkClusterOn", "TabCluster"},
      {"chkHornOn", "TabHorn"},    {"chkHullOn", "TabHull"},
  };
  for (const auto& p : kPages) {
    Turn(p.sw, true);
    EXPECT_TRUE(Visible(p.page)) << p.sw;
    Turn(p.sw, false);
    EXPECT_FALSE(Visible(p.page)) << p.sw;
    EXPECT_FALSE(PagePathOf(p.page).empty()) << p.page;
  }
}

TEST_F(EnablingRulesTest, SwitchesEnableTheirFieldsAndEndValues) {
  const struct {
    const char* sw;
    const char* field;
    bool when_on;
  } kFields[] = {
      {"ChkARot", "EdRotFacY", false},
      {"ChkWormAsBase", "EdPredBase", false},
      {"ChkWormAsTop", "EdPredTop", false},
      {"ChkWormAsTent", "EdTentName", false},
      {"ChkWormAsBranch", "EdPredBranch", false},
      {"chkWormAsRec", "edPredRec", false},
      {"ChkXOffset", "EdXOffsetFactor", true},
      {"ChkSymScale", "EdSymScaleNumber", true},
      {"ChkSymScale", "EdSymScaleValue", true},
      {"ChkWave", "EdWaveNumber", true},
      {"ChkTwisting", "EdTwistBase", true},
      {"ChkTArot", "EdUpFactor", false},
      {"ChkTArot", "EdSpindleAmount", false},
      {"ChkTArot", "ChkPowUp", false},
      {"ChkTArot", "ChkPowSpindle", false},
      {"ChkXTrans", "EdXTransFactor", true},
      {"ChkCScaleOn", "chkCUnif", true},
      {"ChkCScaleOn", "edCScaleMaxZ", true},
      {"chkAutoRotZ", "EdHRotZInc", false},
      {"chkTDAutoRot", "edObjRotZTot", false},
      {"ChkTrLinkOn", "EdTrLink", true},
      {"ChkTrLinkOn", "edTrLinkTexture", true},
      {"chkTailOn", "edTail", true},
      {"chkTailOn", "edTailTexture", true},
      {"ChkTrHeadOn", "EdTrHead", true},
      {"ChkTrHeadOn", "edTrHeadTexture", true},
      {"chkTSerie", "edSWTrig", true},
      {"chkTSerie", "edSWETrig", true},
      {"chkTInterval", "IntTrigger", true},
      {"chkScrambleR", "edScrambleR", true},
      {"chkScrambleS", "edScrambleS", true},
      {"chkSpiralWay", "edTOmwBasis", true},
      {"chkSpiralWay", "edTMoveZ", true},
      {"chkSpiralWay", "edTNumberSpace", true},
      {"chkSpiralWay", "EdTOffsetX", false},
  };
  for (const auto& f : kFields) {
    for (bool on : {true, false}) {
      Turn(f.sw, on);
      EXPECT_EQ(Enabled(f.field), on == f.when_on) << f.sw << " " << on << " " << f.field;
      if (const AnimatedParam* animated = FindAnimated(f.field)) {
        EXPECT_EQ(Enabled(std::string(animated->twin).c_str()), on == f.when_on) << animated->twin;
      }
    }
  }
}

TEST_F(EnablingRulesTest, FieldsSharedByTwoSwitchesNeedOnlyOne) {
  set.SetOn("chkTSerie", false);
  set.SetOn("chkTInterval", false);
  EXPECT_FALSE(Enabled("edSWPred"));
  set.SetOn("chkTInterval", true);
  EXPECT_TRUE(Enabled("edSWPred"));
  EXPECT_TRUE(Enabled("edSWTex"));
  EXPECT_FALSE(Enabled("edSWTrig"));
  set.SetOn("chkTSerie", true);
  set.SetOn("chkTInterval", false);
  EXPECT_TRUE(Enabled("edSWTex"));
  EXPECT_FALSE(Enabled("edCRotStep"));
  set.SetOn("chkCRotYOn", true);
  EXPECT_TRUE(Enabled("edCRotStep"));
  set.SetOn("chkCRotYOn", false);
  set.SetOn("chkCRotZOn", true);
  EXPECT_TRUE(Enabled("edCRotStep"));
}

TEST_F(EnablingRulesTest, VisibilityRules) {
  Turn("chkAltJS", true);
  ExpectShown({"edJSegm2"});
  Turn("chkAltJS", false);
  for (const char* sw : {"chkAltRS", "chkAltDSS", "chkAltTDS"}) Turn(sw, false);
  ExpectShown({}, {"edJSegm2", "edRSegm2", "edDSSegm2", "edTDSegm2"});
  // A blob FormWorm has no segment objects; the alternate one also needs its switch.
  set.SetOn("chkAltFWS", true);
  Turn("chkBlobFW", true);
  ExpectShown({}, {"chkAltFWS", "chkFMerge", "edFWSegm", "edFWSegm2"});
  Turn("chkBlobFW", false);
  ExpectShown({"edFWSegm2"});
  set.SetOn("chkAltFWS", false);
  ExpectShown({"edFWSegm"}, {"edFWSegm2"});
  Turn("chkCUnif", true);
  EXPECT_FALSE(Visible("edCScaleMaxY"));
  EXPECT_EQ(EvaluateForm(set).Caption("edCScaleMax"), "Largest scale (all axes)");
  Turn("chkCUnif", false);
  EXPECT_TRUE(Visible("edCScaleMaxZ"));
  EXPECT_EQ(EvaluateForm(set).Caption("edCScaleMax"), "Largest scale");
  for (int points = 2; points <= 6; ++points) {
    set.SetIndex("ScrAN", points);
    for (int k = 3; k <= 6; ++k) {
      const std::string row = "edPoint" + std::to_string(k);
      EXPECT_EQ(Visible((row + "Y").c_str()), k <= points) << row << " at " << points;
      EXPECT_EQ(Visible((row + "Z3").c_str()), k <= points) << row << " at " << points;
    }
  }
}

TEST_F(EnablingRulesTest, ResetsRunWhenTheSwitchChanges) {
  const struct {
    const char* sw;
    bool on;
    const char* field;
    const char* value;
  } kResets[] = {
      {"ChkBubble", false, "EdBBScaleSt", "100"},   {"ChkBubble", false, "EdBBScEnd3", "100"},
      {"chkCoatOn", true, "edCoatST", "8"},         {"chkCoatOn", true, "edCoatET", "12"},
      {"chkCoatOn", false, "edCoatST", "150"},      {"chkCoatOn", false, "edCoatET", "160"},
      {"chkHelixOn", true, "edHTus", "4"},          {"chkHelixOn", false, "edHTus", "1"},
      {"ChkWormAsBranch", false, "edBRLevel", "1"}, {"chkWormAsRec", false, "edRecLevel", "1"},
      {"ChkTArot", true, "EdUpFactor", "0.0"},      {"ChkTArot", true, "EdSpindleAmount2", "0.0"},
      {"chkAutoRotZ", true, "EdHRotZInc", "0"},     {"chkAutoRotZ", true, "EdHRotZInc2", "0"},
      {"chkTSerie", false, "edSWTrig", "150"},      {"chkTSerie", false, "edSWETrig", "160"},
      {"chkTInterval", false, "IntTrigger", "150"}, {"chkBGOn", false, "edBGName", ""},
      {"chkHFOn", false, "edHFName", ""},           {"ChkEndRot", false, "EdTPostRotateY", "0"},
  };
  for (const auto& r : kResets) {
    set.SetOn(r.sw, !r.on);
    set.SetText(r.field, "7");
    set.SetOn(r.sw, !r.on);  // the state it already has runs nothing
    EXPECT_EQ(set.Text(r.field), "7") << r.sw;
    set.SetOn(r.sw, r.on);
    EXPECT_EQ(set.Text(r.field), r.value) << r.sw << " " << r.field;
  }
  set.SetOn("ChkTArot", false);
  set.SetOn("ChkPowUp", true);
  set.SetOn("ChkPowSpindle", true);
  set.SetOn("ChkTArot", true);
  EXPECT_FALSE(set.On("ChkPowUp"));
  EXPECT_FALSE(set.On("ChkPowSpindle"));
  set.SetOn("chkSpiralWay", false);
  set.SetText("EdTNumber", "12");
  set.SetOn("chkSpiralWay", true);
  EXPECT_EQ(set.Text("edTNumberSpace"), "12");
  set.SetOn("chkRandRot", true);  // its seed: BackgroundRulesTest
  EXPECT_TRUE(Visible("edRandRot"));
}

TEST_F(EnablingRulesTest, ExclusivePairs) {
  set.SetOn("ChkTextureOverWorm", true);
  set.SetOn("ChkTextureOverThing", true);
  EXPECT_FALSE(set.On("ChkTextureOverWorm"));
  set.SetOn("ChkTextureOverWorm", true);
  EXPECT_FALSE(set.On("ChkTextureOverThing"));
  set.SetOn("chkTweening", true);
  EXPECT_FALSE(set.On("chkSelection"));
  set.SetOn("chkSelection", true);
  EXPECT_FALSE(set.On("chkTweening"));
  // Copies carry the rules, not the set's observer.
  int observed = 0;
  set.SetObserver([&](ParameterSet&, size_t) { ++observed; });
  ParameterSet copy = set;
  copy.SetOn("ChkTextureOverThing", true);
  EXPECT_FALSE(copy.On("ChkTextureOverWorm"));
  EXPECT_EQ(observed, 0);
}

TEST_F(EnablingRulesTest, RandomViewAngleTurnsTheThingWholeDegrees) {
  // From clock 1000 the draws are 0.37994, 0.69991, 0.39355 (times 360).
  RandomViewAngle(set, random, clock);
  EXPECT_EQ(set.Text("EdTPostRotateX") + " " + set.Text("EdTPostRotateY") + " " +
                set.Text("EdTPostRotateZ"),
            "137 252 142");
}

TEST_F(EnablingRulesTest, LoadingRunsTheRulesAndKeepsTheFilesValues) {
  set.SetOn("chkTSerie", true);
  set.SetText("edSWTrig", "20");
  // Turning chkTSerie off resets the triggers; the lines after it set them again.
  ASSERT_TRUE(LoadSettingsText("Quorel 0.9\r\nchkTSerie|N\r\nedSWTrig|33\r\n", set).ok());
  EXPECT_EQ(set.Text("edSWTrig"), "33");
  EXPECT_EQ(set.Text("edSWETrig"), "160");
  EXPECT_FALSE(EvaluateForm(set).Enabled("edSWTrig"));
  // A field's line before its switch's line still holds the file's value.
  set.SetOn("chkTSerie", true);
  ASSERT_TRUE(LoadSettingsText("Quorel 0.9\r\nedSWETrig|44\r\nchkTSerie|N\r\n", set).ok());
  EXPECT_EQ(set.Text("edSWETrig"), "44");
  // The file order puts RadioGroup2 before ChkAlternate and ChkAlternate before
  // the thing switches: a saved second worm and Fan come back as saved.
  ParameterSet saved;
  saved.SetOn("ChkFanOn", true);
  saved.SetOn("ChkWheelOn", false);
  saved.SetOn("ChkAlternate", true);
  saved.SetIndex("RadioGroup2", 3);
  ParameterSet fresh;
  fresh.UseGenerator(&random, &clock);
  ASSERT_TRUE(LoadSettingsText(SettingsText(saved), fresh).ok());
  EXPECT_EQ(fresh.Index("RadioGroup2"), 3);
  EXPECT_TRUE(fresh.On("ChkAlternate"));
  EXPECT_TRUE(EvaluateForm(fresh).Visible("TabPredef"));
  EXPECT_EQ(SettingsText(fresh), SettingsText(saved));
}

TEST_F(EnablingRulesTest, EngineChangesRunTheSameRules) {
  ParameterSet target = Detached(set);
  target.SetOn("chkHelixOn", true);
  target.SetText("edHTus", "9");
  target.SetOn("ChkWheelOn", false);
  target.SetOn("ChkClusterOn", true);
  ApplyValues(target, set);
  EXPECT_EQ(set.Text("edHTus"), "9");
  ExpectShown({"TabHelix", "TabCluster", "TabThing"}, {"TabFan"});
}

}  // namespace
}  // namespace vermora
