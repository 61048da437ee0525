#include "params/parameter_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <stdexcept>

#include "params/entry_check.h"
#include "params/hints.h"
#include "params/page_path.h"
#include "params/param_table.h"
#include "params/undo_history.h"

namespace vermora {
namespace {

TEST(ParameterSetTest, TableNamesAreUniqueAndAnimFirst) {
  const auto table = ParamTable();
  ASSERT_FALSE(table.empty());
  EXPECT_EQ(table[0].name, "chkAnim");
  std::set<std::string> seen;
  for (const ParamDef& def : table) {
    EXPECT_TRUE(seen.insert(LowerAscii(def.name)).second) << def.name;
    EXPECT_FALSE(def.page.empty()) << def.name;
  }
}

TEST(ParameterSetTest, PagesAreContiguous) {
  // The window builds one page per run of rows; a page split in two would appear twice.
  std::set<std::string> closed;
  std::string current;
  for (const ParamDef& def : ParamTable()) {
    if (def.page == current) continue;
    if (def.name == "chkAnim") continue;  // written first in files, shown on its own page
    EXPECT_FALSE(closed.count(std::string(def.page))) << def.page << " resumes at " << def.name;
    closed.insert(current);
    current = def.page;
  }
}

// The labels as a person reads a page: a few complete words, each telling its control
// apart from the others on the page; the components of one vector (at most four
// consecutive entry fields) share a label and a row; an end value keeps its parameter's.
TEST(ParameterSetTest, LabelsAreShortCompleteAndTellControlsApart) {
  std::set<std::string> names;  // control names, also without their kind prefix
  for (const ParamDef& def : ParamTable()) {
    std::string name = LowerAscii(def.name);
    names.insert(name);
    for (std::string prefix : {"chk", "ed", "edit", "cb", "sb", "scr"}) {
      if (name.rfind(prefix, 0) == 0) names.insert(name.substr(prefix.size()));
    }
  }
  const std::set<std::string> dangling = {"the",  "of", "and",  "a",    "to",      "from",  "by",
                                          "with", "in", "into", "when", "instead", "about", "over"};
  std::map<std::string_view, std::set<std::string_view>> used;  // page -> its rows' labels
  const ParamDef* previous = nullptr;
  int run = 0;
  for (const ParamDef& def : ParamTable()) {
    const std::string_view label = def.label;
    if (def.end_twin) {
      ASSERT_TRUE(previous);
      EXPECT_EQ(label, previous->label) << def.name;
      continue;
    }
    if (IsCommandButton(def)) continue;  // a command's button carries its own caption
    ASSERT_GT(label.size(), 2u) << def.name;
    EXPECT_LE(label.size(), 40u) << def.name;
    EXPECT_TRUE(std::isupper(static_cast<unsigned char>(label[0]))) << def.name << ": " << label;
    EXPECT_EQ(label.find_first_of("\":_"), std::string_view::npos) << def.name << ": " << label;
    EXPECT_FALSE(names.count(LowerAscii(label))) << def.name << ": " << label;
    const std::string last = LowerAscii(label.substr(label.rfind(' ') + 1));
    EXPECT_FALSE(dangling.count(last) || label.back() == ',') << def.name << ": " << label;
    const bool same_row = previous && previous->page == def.page && previous->label == label &&
                          IsEntryField(previous->kind) && IsEntryField(def.kind) && run < 4;
    run = same_row ? run + 1 : 1;
    EXPECT_TRUE(same_row || used[def.page].insert(label).second) << def.page << ": " << label;
    previous = &def;
  }
}

// Hidden parameters live in the set and in files only; a choice names its items.
TEST(ParameterSetTest, HiddenParametersAndChoiceItems) {
  std::set<std::string_view> hidden;
  for (const ParamDef& def : ParamTable()) {
    if (def.hidden) hidden.insert(def.name);
    EXPECT_FALSE(def.hidden && def.end_twin) << def.name;
    const bool choice = def.kind == ParamKind::kChoice || def.kind == ParamKind::kList;
    EXPECT_TRUE(!choice || !def.items.empty()) << def.name;
  }
  const ParameterSet set;
  EXPECT_EQ(set.def(set.Find("RadioGroup3")).items,
            "Fan|Wheel|Trilobyt|Anemone|Horn|Hull|Randompick|None");
  EXPECT_EQ(set.def(set.Find("RadioGroup5")).items, "Linear|Wave|S-Curve|Accelerate|Decelerate");
  EXPECT_EQ(hidden, (std::set<std::string_view>{"chkRendThingA", "editTexPrev", "sgColorMap",
                                                "chkEvBranch", "ChkBranchedBase", "ChkBranchedTop",
                                                "editFilter4", "editTransmit4"}));
}

TEST(ParameterSetTest, Defaults) {
  ParameterSet set;
  EXPECT_EQ(set.Text("EdNumber") + " " + set.Text("edCamLocZ") + " " + set.Text("EdInc1"),
            "30 -30 #include \"vmxpred.inc\"");
  EXPECT_EQ(
      std::vector<int>({set.Index("RadioGroup1"), set.Index("RadioGroup2"), set.Index("ScrAN")}),
      std::vector<int>({0, -1, 3}));
  EXPECT_TRUE(set.On("ChkWheelOn") && !set.On("ChkFanOn"));
  EXPECT_EQ(set.GridValue("sgColorMap"),
            (Grid{2, 4, {"0.000", "16777215", "0", "0", "1.000", "0", "0", "0"}}));
}

TEST(ParameterSetTest, NamesMatchWithoutCaseAndUnknownNamesThrow) {
  ParameterSet set;
  EXPECT_EQ(set.Find("ednumber"), set.Find("EdNumber"));
  EXPECT_EQ(set.Find("NoSuchField"), -1);
  EXPECT_THROW((void)set.Text("NoSuchField"), UnknownParameter);
}

TEST(ParameterSetTest, ChangeRuleRunsOnlyOnRealChanges) {
  ParameterSet set;
  std::vector<std::string> changed;
  set.SetObserver([&](ParameterSet& s, size_t i) { changed.emplace_back(s.def(i).name); });
  set.SetOn("ChkWheelOn", true);  // already on
  set.SetOn("ChkFanOn", true);
  set.SetIndex("RadioGroup1", 0);  // already chosen
  set.SetIndex("RadioGroup1", 1);
  set.SetIndex("cbColor1", 5);  // lists run their rule only through their callers
  EXPECT_EQ(changed, (std::vector<std::string>{"ChkFanOn", "RadioGroup1"}));
}

TEST(PagePathTest, SlashedPageNamesStayWhole) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitPagePath("Worms/SpiralWorm/General"), (V{"Worms", "SpiralWorm", "General"}));
  EXPECT_EQ(SplitPagePath("Things/Fan/Wheel/Tentacle"), (V{"Things", "Fan/Wheel", "Tentacle"}));
  EXPECT_EQ(SplitPagePath("Backgrd/Fog/Haze"), (V{"Backgrd", "Fog/Haze"}));
  EXPECT_EQ(SplitPagePath("Things/ThingExtra/Serie/Interval"),
            (V{"Things", "ThingExtra", "Serie/Interval"}));
  EXPECT_EQ(SplitPagePath("General"), (V{"General"}));
}

TEST(PagePathTest, TreeHoldsEveryRowOnceInWindowOrder) {
  const auto table = ParamTable();
  const PageNode root = BuildPageTree(table);
  size_t count = 0;
  std::vector<std::string> top;
  for (const PageNode& page : root.children) top.push_back(page.name);
  auto walk = [&](auto&& self, const PageNode& node) -> void {
    count += node.params.size();
    for (const PageNode& child : node.children) self(self, child);
  };
  walk(walk, root);
  // Command buttons sit on the panels of their commands, not in the generated pages.
  const auto commands = std::count_if(table.begin(), table.end(), IsCommandButton);
  EXPECT_EQ(commands, 72);
  EXPECT_EQ(count + static_cast<size_t>(commands), table.size());
  ASSERT_GE(top.size(), 2u);
  EXPECT_EQ(top[0], "Main");
  EXPECT_EQ(top[1], "General");
  // chkAnim leads the file but sits on the Animation page, not first of Features.
  for (const PageNode& page : root.children) {
    if (page.name != "Features") continue;
    EXPECT_NE(page.children.front().name, "Animation");
    for (const PageNode& sub : page.children) {
      if (sub.name == "Animation") {
        EXPECT_EQ(table[sub.params.front()].name, "chkAnim");
      }
    }
  }
}

ParamValue Typed(std::string text) {
  ParamValue v;
  v.text = std::move(text);
  return v;
}

TEST(UndoHistory, CoalescesOneFieldAndRestoresExactly) {
  ParameterSet set;
  const ParameterSet original = set;
  UndoHistory history;
  std::string name(set.def(0).name);
  for (const char* text : {"1", "12", "123"}) {
    history.Record(set, name);
    set.SetValue(0, Typed(text));
  }
  EXPECT_EQ(history.UndoSteps(), 1u);
  const ParameterSet edited = set;
  ASSERT_TRUE(history.Undo(set));
  EXPECT_TRUE(set == original);
  ASSERT_TRUE(history.Redo(set));
  EXPECT_TRUE(set == edited);
  EXPECT_FALSE(history.Redo(set));
}

TEST(UndoHistory, KeepsTheLimitAndDropsRedoOnNewEdit) {
  ParameterSet set;
  UndoHistory history(100);
  for (int i = 0; i < 150; ++i) {
    history.Record(set);
    set.SetValue(0, Typed(std::to_string(i)));
  }
  EXPECT_EQ(history.UndoSteps(), 100u);
  history.Undo(set);
  history.Record(set);
  EXPECT_FALSE(history.CanRedo());
}

TEST(HintsTest, ToldTextsCharacterForCharacter) {
  const struct {
    const char* control;
    const char* text;
  } kTold[] = {
      {"chkDSConnect", "Connect the standard objects with an intermediate cone ..."},
      {"EdNumber", "Number of segments ..."},
      {"edTailTexture", "Leaving this blank, no specific texture for this item ..."},
      {"edSWTex", "Leaving this blank, no specific texture for this item ..."},
      {"edTOmwBasis", "range -.6 (turning right) to .6 ; 0 is straight up"},
      {"EdRotFacZ", "360 degrees is turning once across worm ; also less or more ... "},
      {"edTDSF", "0 is no shrink ; positive is shrink, negative is grow ..."},
      {"EdTScaleFactorY", "0 is no shrink ; positive is shrink, negative is grow ..."},
      {"EdBBScSW", "span ... 0.5 => 1 ; 1.0 => 2 ; ..."},
      {"EdBBScCenter",
       "centerpoint of scaling ... with SW of 0.5 : 0.5 => 0 to 1 ; 1 => 0.5 to "
       "1.5 ; 2 => 1.5 to 2.5 ..."},
      {"EdBranchTrigger", "every n segment a branch ..."},
      {"EdYMoveF",
       "the amount of moving per segments in building the worm ... 0 => no move ; 1 "
       "=> ordinary move ; -1 => ordinary move in opposite direction ..."},
      {"ChkXOffset", "offset along x-axis (extra translate <LoopAmount/XOffsetFactor, 0, 0> ..."},
      {"EdInc2", "put here the includes you want to use ... in the form : #include \"myinc.inc\""},
      {"EdTSpread", "360\xB0*1 is one turn, neg. is clockwise, pos. is counterclockwise ..."},
      {"EdSymScaleValue",
       ".5 => 0.25 tot 0.75 ; 1 => 0.5 to 1.5 ; 2 => 1 to 3 ; 3 => 1.5 to 4.5 ..."},
      {"EdKropDegrees",
       "up/down bending (resp. neg./pos) in fan ... forward/backward (resp. neg./pos) in wheel "
       "..."},
      {"EdTwistBase", "twistfactor : range -0.6 to 0.6, 0 is straight ..."},
      {"ChkPowUp",
       "powered UpFactor ... NO negative value in UpFactor with PowerUp - when off linear UpFactor "
       "..."},
      {"TabEvolve", "fill in the values and hit RenderButton or F5 on this Tab to evolve ..."},
      {"EdMutFactor",
       "mutatefactor ... how hostile is the environment ... with 5 really weard things happen ..."},
      {"EdTank1", "genetank for building up segments, etc ..."},
      {"EdTank9", "genetank for building up segments, etc ..."},
      {"chkEvBranch", "note : branchnumber not changed for pov-choking reasons ..."},
      {"EdSmoothness", "smaller=smoother (amount in degrees to add each time) ..."},
      {"editPhongS",
       "size of the highlight spot, ranges from 1.0 (very dull) to 250 (highly "
       "polished), default is 40 (plastic) ..."},
      {"editRoughness",
       "size of the spot, ranges from 1.0 (large highlight) to 0.0005 (small "
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

// The window marks and the status bar names a field whose text the scene
// cannot use, as the user finds it: its label, its page and what is needed.
TEST(EntryCheckTest, UnusableTextsAreNamedWhereTheUserFindsThem) {
  const struct {
    const char* name;
    const char* text;
    const char* says;  // empty: fine
  } cases[] = {
      {"EdNumber", "abc",
       "\"Segments\" (Worms > SpiralWorm > General) holds \"abc\": a number is needed"},
      {"EdNumber", "", "holds \"\": a number is needed"},
      {"EdNumber", " -1.5e2 ", ""},
      {"edStartFrame", "2.5",
       "\"First frame to render\" (Features > Animation) holds \"2.5\": a whole number"},
      {"edImageW", "0",
       "\"Picture width (px)\" (Povray) holds \"0\": a whole number of pixels from 1 to 16384"},
      {"edImageH", "24 +O/tmp/x.png", "\"Picture height (px)\""},
      {"edImageH", "16384", ""},
      {"EdInc2", "anything at all", ""},
  };
  for (const auto& c : cases) {
    ParameterSet set;
    set.SetText(c.name, c.text);
    const std::string problem = FirstEntryProblem(set);
    if (!*c.says)
      EXPECT_EQ(problem, "") << c.name << " " << c.text;
    else
      EXPECT_NE(problem.find(c.says), std::string::npos) << problem;
  }
  EXPECT_EQ(FirstEntryProblem(ParameterSet()), "");
}

}  // namespace
}  // namespace vermora
