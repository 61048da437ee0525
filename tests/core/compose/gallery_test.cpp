#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "common/examples.h"
#include "params/settings_file.h"
#include "support/creatures.h"
#include "support/test_support.h"
#include "support/thing_scene.h"

// Every worm and thing, alone and with its extras: its scene text against its
// golden file, and a 32x24 picture in which the creature shows.

namespace vermora::test {
namespace {

struct Creature {
  const char* name;
  std::function<ParameterSet()> make;
  const char* golden;    // "" for a set checked by its picture alone
  bool pictured = true;  // false: nothing to see in 32x24 pixels (said where)
};

// A tube of radius 0.1 is thinner than a pixel even from the nearer camera of
// ExpectRenders: the TorusSpline is framed from closer with a thicker tube.
constexpr std::initializer_list<std::pair<const char*, const char*>> kFramed = {
    {"edCamLocZ", "-6"}, {"edTorRad", "0.3"}};

const Creature kCreatures[] = {
    {"SpiralOnly", SpiralOnly, "spiral_only.pov"},
    {"SpiralSplit", SpiralSplit, "spiral_split_connect_alt.pov"},
    {"SpiralTween", SpiralTween, "spiral_tween_growing.pov"},
    {"SpiralSplitMergeReference",
     [] {
       return With(SpiralSplit(), {"chkJMerge", "chkReference"});
     },
     ""},
    {"Branches", Branches, "spiral_branches.pov"},
    {"BaseRing", BaseRing, "spiral_base.pov"},
    {"TopStacks", TopStacks, "spiral_top.pov"},
    {"TopHeart", TopHeart, "spiral_top_heart.pov"},
    {"Bubbles", Bubbles, "spiral_bubbles.pov"},
    {"Husk", Husk, "spiral_husk.pov"},
    {"Helix", Helix, "spiral_helix.pov"},
    {"Everything", Everything, "spiral_everything_split.pov"},
    {"Curl", [] { return Alone(kCurl); }, "curl_default.pov"},
    {"CurlVariation", CurlVariation, "curl_husk_heart_alt.pov"},
    {"Double", [] { return Alone(kDouble); }, "double_default.pov"},
    {"DoubleVariation", DoubleVariation, "double_side_connect_alt.pov"},
    {"Form", [] { return Alone(kForm); }, "form_default.pov"},
    {"FormVariation", FormVariation, "form_alt_merge.pov"},
    // Ten segments twist 72 degrees a step about their pivot: neighbouring spheres lie
    // too far apart for the field to reach the threshold, so the blob is empty.
    {"FormBlob", [] { return With(FormVariation(), {"chkBlobFW"}); }, "form_blob.pov", false},
    {"FormBlobAlone", [] { return With(Alone(kForm), {"chkBlobFW"}); }, ""},
    {"TwoD", [] { return Alone(kTwoD); }, "twod_default.pov"},
    {"TwoDRecursion", TwoDVariation, "twod_recursion_connect.pov"},
    {"TwoDPredefRing", TwoDPredefRing, "twod_predef_ring.pov"},
    {"Torus", [] { return Alone(kTorus); }, "torus_default.pov", false},
    {"TorusSixNoStart", TorusSixNoStart, "torus_six_points_no_start.pov", false},
    {"TorusFramed", [] { return With(Alone(kTorus), {}, kFramed); }, ""},
    {"TorusSixNoStartFramed", [] { return With(TorusSixNoStart(), {}, kFramed); }, ""},
    {"TorusTwoPointsFramed",
     [] {
       ParameterSet set = With(TorusSixNoStart(), {}, kFramed);
       set.SetIndex("ScrAN", 2);
       return set;
     },
     ""},
    {"PredefAndWormPredef", PredefAndWormPredef, "predef_and_wormpredef.pov"},
    {"Predef", [] { return Alone(kPredef); }, ""},
    {"WormPredef", [] { return Alone(kWormPredef); }, ""},
    {"DefaultSet", [] { return ParameterSet{}; }, "default_set.pov"},
    {"FanWithExtras", FanWithExtras, "fan_extras.pov"},
    {"WheelVariation", WheelVariation, "wheel_waves_way_alternate.pov"},
    {"FanAndWheel", [] { return With(Fan(), {"ChkWheelOn"}); }, ""},
    {"Trilobyt", [] { return OnlyThing("ChkTrilobyt"); }, "trilobyt_default.pov"},
    {"TrilobytWithExtras", TrilobytWithExtras, "trilobyt_extras.pov"},
    {"TrilobytAndWheel", [] { return With(OnlyThing("ChkTrilobyt"), {"ChkWheelOn"}); }, ""},
    {"Anemone", [] { return OnlyThing("ChkAnemoneOn"); }, "anemone_default.pov"},
    {"AnemoneWithExtras", AnemoneWithExtras, "anemone_extras.pov"},
    {"AnemoneAndWheel", [] { return With(OnlyThing("ChkAnemoneOn"), {"ChkWheelOn"}); }, ""},
    {"Cluster", [] { return OnlyThing("ChkClusterOn"); }, "cluster_default.pov"},
    {"ClusterScaledTurning", ScaledTurningCluster, "cluster_scale_rotate.pov"},
    {"ClusterAndWheel", [] { return With(OnlyThing("ChkClusterOn"), {"ChkWheelOn"}); }, ""},
    {"Horn", [] { return OnlyThing("chkHornOn"); }, "horn_default.pov"},
    {"HornWithExtras",
     [] {
       return WithExtras("chkHornOn", {"chkTSerie", "chkTInterval"});
     },
     "horn_extras.pov"},
    {"HornAndWheel", [] { return With(OnlyThing("chkHornOn"), {"ChkWheelOn"}); }, ""},
    {"Hull", [] { return OnlyThing("chkHullOn"); }, "hull_default.pov"},
    {"HullWithExtras",
     [] {
       return WithExtras("chkHullOn", {"chkTSerie", "chkTInterval"});
     },
     "hull_extras.pov"},
    {"HullAndWheel", [] { return With(OnlyThing("chkHullOn"), {"ChkWheelOn"}); }, ""},
    {"AllThings",
     [] {
       return With(OnlyThing("ChkFanOn"), {"ChkWheelOn", "ChkTrilobyt", "ChkAnemoneOn",
                                           "ChkClusterOn", "chkHornOn", "chkHullOn"});
     },
     ""},
};

void PrintTo(const Creature& c, std::ostream* out) { *out << c.name; }

class GalleryTest : public ::testing::TestWithParam<Creature> {};

TEST_P(GalleryTest, SceneAndPicture) {
  const ParameterSet set = GetParam().make();
  if (*GetParam().golden) {
    EXPECT_TRUE(MatchesGolden(GetParam().golden, SceneAt(set)));
  }
  if (GetParam().pictured) ExpectRenders(set);
}

INSTANTIATE_TEST_SUITE_P(Creatures, GalleryTest, ::testing::ValuesIn(kCreatures),
                         [](const auto& info) { return std::string(info.param.name); });

// Every worm as the Wheel's member.
class WheelMemberTest : public ::testing::TestWithParam<int> {};
TEST_P(WheelMemberTest, Renders) {
  ParameterSet set;
  set.SetIndex("RadioGroup1", GetParam());
  ExpectRenders(set);
}
INSTANTIATE_TEST_SUITE_P(AllWorms, WheelMemberTest, ::testing::Range(0, 8));

// The gallery a new user starts from: every example loads cleanly, composes and
// renders, and every worm and thing is shown at least once.
TEST(ExamplesTest, EveryExampleLoadsAndRenders) {
  std::vector<std::string> warnings;
  const std::vector<Example> examples = ReadExamples(VERMORA_DATA_DIR, warnings);
  EXPECT_TRUE(warnings.empty()) << warnings.front();
  ASSERT_GE(examples.size(), 12u);
  std::set<int> worms;
  std::set<std::string> things;
  for (const Example& e : examples) {
    SCOPED_TRACE(e.name);
    EXPECT_FALSE(e.about.empty());
    ParameterSet set;
    ASSERT_TRUE(LoadSettings(e.set_path, set).ok());
    worms.insert(set.Index("RadioGroup1"));
    if (set.On("ChkAlternate")) worms.insert(set.Index("RadioGroup2"));
    for (const char* thing : {"ChkFanOn", "ChkWheelOn", "ChkTrilobyt", "ChkAnemoneOn",
                              "ChkClusterOn", "chkHornOn", "chkHullOn"})
      if (set.On(thing)) things.insert(thing);
    test::ExpectRenders(set);
  }
  EXPECT_EQ(worms.size(), 8u);
  EXPECT_EQ(things.size(), 7u);
}

}  // namespace
}  // namespace vermora::test
