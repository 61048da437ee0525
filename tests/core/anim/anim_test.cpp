#include <gtest/gtest.h>

#include <filesystem>
#include <mutex>
#include <vector>

#include "anim/curves.h"
#include "anim/frame_series.h"
#include "anim/grow_in.h"
#include "anim/second_set.h"
#include "params/settings_file.h"
#include "support/creatures.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Series(float S, float E, int N, Curve curve, WriteBack kind,
                                float strength = 1, std::vector<float>* grow = nullptr) {
  std::vector<std::string> shown;
  float t = 0, V = S;
  shown.push_back(WriteBackText(V, kind));
  if (grow) grow->push_back(0);
  for (int k = 1; k < N; ++k) {
    t = AdvanceProgress(t, N);
    V = NextValue(S, E, V, CurveFraction(t, curve, strength), N, curve);
    shown.push_back(WriteBackText(V, kind));
    if (grow) {
      GrowInState state;
      state.WroteCount("EdTNumber", V);
      grow->push_back(state.Ring("EdTNumber").grow_in);
    }
  }
  return shown;
}

TEST(CurvesTest, LinearWaveAndCounts) {
  EXPECT_EQ(Series(0, 9, 10, Curve::kLinear, WriteBack::kRounded),
            (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
  EXPECT_EQ(Series(2, 8, 3, Curve::kWave, WriteBack::kRounded),
            (std::vector<std::string>{"2", "8", "2"}));
  std::vector<float> grow;
  EXPECT_EQ(Series(4, 6, 5, Curve::kLinear, WriteBack::kWhole, 1, &grow),
            (std::vector<std::string>{"4", "4", "5", "5", "6"}));
  for (size_t i = 0; i < grow.size(); ++i)
    EXPECT_NEAR(grow[i], i % 2 ? 0.5f : 0, 1e-5) << i;  // 0, .5, 0, .5, 0
  EXPECT_EQ(Series(3, 3, 4, Curve::kSCurve, WriteBack::kDecimal).back(), "3.000");
}

TEST(CurvesTest, FractionsAndRounding) {
  EXPECT_NEAR(CurveFraction(0.5f, Curve::kAccelerate, 1), 0.25f, 1e-6);
  EXPECT_FLOAT_EQ(CurveFraction(0.3f, Curve::kAccelerate, 0), 1.0f);
  EXPECT_NEAR(CurveFraction(0.25f, Curve::kDecelerate, 1), 0.5f, 1e-6);
  EXPECT_NEAR(CurveFraction(0.5f, Curve::kDecelerate, 0), 0.03125f, 1e-5);
  EXPECT_NEAR(CurveFraction(0.5f, Curve::kSCurve, 1), 0.5f, 1e-6);
  EXPECT_NEAR(CurveFraction(0.5f, Curve::kWave, 1), 1.0f, 1e-6);
  for (const auto& [value, kind, text] : {std::tuple{2.5f, WriteBack::kRounded, "2"},
                                          {3.5f, WriteBack::kRounded, "4"},
                                          {7.9f, WriteBack::kWhole, "7"},
                                          {0.12345f, WriteBack::kDecimal, "0.123"}}) {
    EXPECT_EQ(WriteBackText(value, kind), text) << value;
  }
  EXPECT_EQ(WriteBackText(1e30f, WriteBack::kRounded).find('-'), std::string::npos);
}

struct SeriesRun {
  std::string folder;
  FixedClock clock;
  std::mutex mutex;
  std::vector<std::string> rendered;  // scene texts, in render order
  FrameSeriesSettings settings;

  explicit SeriesRun(int jobs = 1) : folder(test::MakeTempFolder()) {
    settings.folder = folder;
    settings.povray = test::kPovray;
    settings.jobs = jobs;
    settings.clock = &clock;
    settings.render = [this](const RenderInvocation& inv) {
      const std::string text = test::ReadFile(inv.working_dir + "/" + inv.args[0].substr(2));
      std::lock_guard<std::mutex> lock(mutex);
      rendered.push_back(text);
      RenderOutcome out;
      out.started = true;
      out.exit_code = 0;
      return out;
    };
  }
  ~SeriesRun() { fs::remove_all(folder); }
};

ParameterSet Animated(int frames) {
  ParameterSet set = test::With(ParameterSet(), {"chkAnim"});
  CopyFieldsToTwins(set);
  const std::string n = std::to_string(frames);
  set = test::With(set, {},
                   {{"edTotalFrames", n.c_str()},
                    {"edEndFrame", n.c_str()},
                    {"edTNumber2", "12"},
                    {"EdTSpread2", "180"}});
  set.SetOn("chkDelPovs", false);
  return set;
}

TEST(FrameSeriesTest, WritesEveryFrameAndRestoresTheStartSet) {
  ParameterSet set = Animated(4);
  const std::string before = SettingsText(set);
  SeriesRun run;
  const FrameSeriesResult result = RunFrameSeries(set, run.settings);
  EXPECT_TRUE(result.status.ok()) << result.status.message();
  EXPECT_EQ(result.rendered, 4);
  EXPECT_EQ(FramesToRender(set), 4);  // the count said beforehand is the count made
  EXPECT_EQ(SettingsText(set), before);
  for (const char* name : {"anim001.pov", "anim004.pov", "_anim.vmx"})
    EXPECT_TRUE(fs::exists(run.folder + name)) << name;
  EXPECT_FALSE(fs::exists(run.folder + "anim005.pov"));
  ASSERT_EQ(run.rendered.size(), 4u);
  // The wheel grows from 8 to 12 arms: 8, 9.33, 10.67, 12.
  EXPECT_EQ(test::CountLines(run.rendered[0], " Worm1"), 8u);
  EXPECT_EQ(test::CountLines(run.rendered[1], " Worm1"), 10u);  // 9 and one growing in
  EXPECT_EQ(test::CountLines(run.rendered[3], " Worm1"), 12u);
  EXPECT_EQ(FrameFileName(42), "anim042.pov");
  EXPECT_EQ(FrameFileName(1000), "anim1000.pov");
}

TEST(FrameSeriesTest, StartFrameSkipsRendersButNotUpdates) {
  ParameterSet set = test::With(
      Animated(10), {"chkDelPovs"},
      {{"edStartFrame", "4"}, {"edEndFrame", "6"}, {"edCountStart", "4"}, {"edTNumber2", "8"}});
  SeriesRun run;
  std::vector<int> counters;
  run.settings.after_frame = [&](const FrameReport& r) {
    counters.push_back(r.counter);
    return true;
  };
  const FrameSeriesResult result = RunFrameSeries(set, run.settings);
  EXPECT_EQ(counters, (std::vector<int>{4, 5, 6}));
  EXPECT_EQ(result.rendered, 3);
  EXPECT_EQ(FramesToRender(set), 3);
  EXPECT_EQ(FramesToRender(test::With(set, {}, {{"edEndFrame", "99"}})),
            7);  // ends with the series
  // The fourth frame shows the fourth frame's spread, 360 - 3 x 20: arm 4 of 8 at 150.
  EXPECT_NE(run.rendered[0].find("  rotate <0, 0, 150>"), std::string::npos);
  EXPECT_EQ(run.rendered[0].find("  rotate <0, 0, 180>"), std::string::npos);
  EXPECT_FALSE(fs::exists(run.folder + "anim004.pov"));  // deleted afterwards
}

TEST(FrameSeriesTest, StopAndFailureEndTheSeriesAndRestore) {
  ParameterSet set = Animated(6);
  const std::string before = SettingsText(set);
  SeriesRun run;
  int asked = 0;
  run.settings.running = [&] { return ++asked <= 2; };
  FrameSeriesResult result = RunFrameSeries(set, run.settings);
  EXPECT_TRUE(result.stopped);
  EXPECT_EQ(result.rendered, 2);
  EXPECT_EQ(SettingsText(set), before);
  SeriesRun failing;
  auto fine = failing.settings.render;
  int n = 0;
  failing.settings.render = [&](const RenderInvocation& inv) {
    RenderOutcome out = fine(inv);
    if (++n == 3) out.failure = "Parse Error";
    return out;
  };
  result = RunFrameSeries(set, failing.settings);
  EXPECT_FALSE(result.status.ok());
  EXPECT_EQ(result.failed_counter, 3);
  EXPECT_EQ(result.status.message(), "Frame 3: Parse Error");
  EXPECT_EQ(SettingsText(set), before);
  set.SetText("edEndFrame", "ten");
  const std::string typed = SettingsText(set);
  result = RunFrameSeries(set, run.settings);
  EXPECT_EQ(result.status.message(), "'ten' is not a valid integer value");
  EXPECT_EQ(SettingsText(set), typed);
}

TEST(FrameSeriesTest, OneOrNoFrames) {
  ParameterSet set = Animated(1);
  SeriesRun run;
  EXPECT_EQ(RunFrameSeries(set, run.settings).rendered, 1);
  set.SetText("edTotalFrames", "0");
  SeriesRun none;
  EXPECT_EQ(RunFrameSeries(set, none.settings).rendered, 0);
  EXPECT_TRUE(none.rendered.empty());
}

TEST(FrameSeriesTest, OverlappingRendersWriteTheSameFrames) {
  ParameterSet set = Animated(5);
  set.SetOn("chkScrambleR", true);  // the clock seed must match too
  SeriesRun serial(1), parallel(3);
  ASSERT_TRUE(RunFrameSeries(set, serial.settings).status.ok());
  ASSERT_TRUE(RunFrameSeries(set, parallel.settings).status.ok());
  for (int c = 1; c <= 5; ++c)
    EXPECT_EQ(test::ReadFile(serial.folder + FrameFileName(c)),
              test::ReadFile(parallel.folder + FrameFileName(c)))
        << c;
}

TEST(FrameSeriesTest, RealRenderOfAShortSeries) {
  ParameterSet set =
      test::With(Animated(3), {}, {{"edImageW", "32"}, {"edImageH", "24"}, {"edCamLocZ", "-15"}});
  SeriesRun run(2);
  run.settings.render = {};
  run.settings.include_dirs = {VERMORA_DATA_DIR};
  const FrameSeriesResult result = RunFrameSeries(set, run.settings);
  EXPECT_TRUE(result.status.ok()) << result.status.message();
  EXPECT_EQ(result.rendered, 3);
  for (const char* picture : {"anim001.bmp", "anim002.bmp", "anim003.bmp"}) {
    EXPECT_GE(test::ReadBmp(run.folder + picture).Differing(), 10) << picture;  // the wheel shows
  }
}

TEST(SecondSetTest, FamilyTest) {
  ParameterSet first, second;
  EXPECT_EQ(FamilyProblem(first, second), "");
  second.SetIndex("RadioGroup1", 1);
  EXPECT_EQ(FamilyProblem(first, second),
            "Worms not of the same family.\nShould I go on ? (or stop)");
  second = ParameterSet{};
  second.SetOn("ChkWheelOn", false);
  second.SetOn("chkHullOn", true);
  EXPECT_EQ(FamilyProblem(first, second),
            "Things not of the same family.\nShould I go on ? (or stop)");
  first.SetOn("ChkWheelOn", false);
  second.SetOn("chkHullOn", false);
  second.SetOn("ChkFanOn", true);  // no thing counts as a fan
  EXPECT_EQ(FamilyProblem(first, second), "");
}

// Texts typed into a set; "Y" and "N" turn a switch on and off.
using Edits = std::vector<std::pair<const char*, const char*>>;
ParameterSet Edited(const Edits& edits) {
  ParameterSet set;
  for (const auto& [name, text] : edits) {
    if (set.def(set.Find(name)).kind == ParamKind::kSwitch) {
      set.SetOn(name, *text == 'Y');
    } else {
      set.SetText(name, text);
    }
  }
  return set;
}

// The second set's values go to the end twins; features only one set has shrink
// away or grow in; the first set's numbers come back in their restore formats.
TEST(SecondSetTest, MixCases) {
  const struct {
    const char* what;
    Edits first, second, mixed;  // mixed: a switch's state or a field's text
  } cases[] = {
      {"the second set in the twins, branches grow in, bubbles off in both parked past the longer "
       "worm",
       {},
       {{"EdNumber", "40"}, {"EdOmw", "0.3"}, {"ChkBranchON", "Y"}, {"EdBranchScale", "0.5"}},
       {{"chkAnim", "Y"},
        {"EdNumber", "30"},
        {"EdNumber3", "40"},
        {"EdOmw", "0.15"},
        {"EdOmw3", "0.3"},
        {"ChkBranchON", "Y"},
        {"EdBranchScale", "0.01"},
        {"EdBranchScale3", "0.5"},
        {"EdBBScaleSt", "41"},
        {"EdBBScEnd3", "42"},
        {"edCoatST", "30"},
        {"edCoatET3", "40"}}},
      {"a base shrinks away",
       {{"ChkBaseOn", "Y"}},
       {{"EdBaseScale", "0.4"}},
       {{"ChkBaseOn", "Y"},
        {"EdBaseScale", "0.70"},
        {"EdBaseScale3", "0.01"},
        {"EdBaseNumber", "3"},
        {"EdBaseNumber3", "3"},
        {"EdBaseRot3", "10"}}},
      {"side objects shrink away",
       {{"edSideTrigger", "50"}},
       {{"edSideTrigger", "600"}, {"edSOScale", "2"}},
       {{"edSOScale", "1.00"},
        {"edSOScale3", "0.01"},
        {"edSideTrigger", "50"},
        {"edSideTrigger3", "50"}}},
      {"side objects grow in",
       {},
       {{"edSideTrigger", "50"}, {"edSOScale", "2"}},
       {{"edSOScale", "0.01"},
        {"edSOScale3", "1.00"},
        {"edSideTrigger", "50"},
        {"edSideTrigger3", "50"}}},
      {"bubbles in the first set only",
       {{"ChkBubble", "Y"}, {"EdBBScaleSt", "3"}, {"EdBBScEnd", "9"}},
       {{"EdNumber", "40"}},
       {{"ChkBubble", "Y"},
        {"EdBBScaleSt", "3"},
        {"EdBBScEnd", "9"},
        {"EdBBScaleSt3", "41"},
        {"EdBBScEnd3", "41"},
        {"EdBBScNr", "3.00"},
        {"EdBBScNr3", "3.00"},
        {"EdBBScSW3", "1.50"},
        {"EdBBScCenter", "2.00"}}},
      {"bubbles in the second set only",
       {},
       {{"ChkBubble", "Y"}, {"EdBBScaleSt", "3"}, {"EdBBScEnd", "9"}, {"EdNumber", "40"}},
       {{"ChkBubble", "Y"},
        {"EdBBScaleSt", "41"},
        {"EdBBScEnd", "41"},
        {"EdBBScaleSt3", "100"},
        {"EdBBScEnd3", "100"},
        {"EdBBScSW", "1.50"},
        {"EdBBScCenter3", "2.00"}}},
      {"restore formats",
       {{"ChkBubble", "Y"},
        {"EdBBScaleSt", "3.4"},
        {"EdBBScEnd", "9"},
        {"edHullAngle", "12.6"},
        {"edTDDevX", "2.4"},
        {"edTDDevZ", "-1.6"},
        {"EdOmw", "0.125"}},
       {{"ChkBubble", "Y"}, {"EdBBScEnd", "12"}, {"edHullAngle", "20"}, {"edTDDevX", "5"}},
       {{"EdBBScaleSt", "3"},
        {"EdBBScEnd", "9.00"},
        {"EdBBScEnd3", "12"},
        {"edHullAngle", "13"},
        {"edHullAngle2", "20"},
        {"edTDDevX", "2"},
        {"edTDDevX3", "5"},
        {"edTDDevZ", "-2"},
        {"EdOmw", "0.13"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Diagnostics d;
    const ParameterSet mixed = MixForAnimation(Edited(c.first), Edited(c.second), d);
    EXPECT_TRUE(d.warnings.empty());
    for (const auto& [name, text] : c.mixed) {
      const bool is_switch = mixed.def(mixed.Find(name)).kind == ParamKind::kSwitch;
      EXPECT_EQ(is_switch ? std::string(mixed.On(name) ? "Y" : "N") : mixed.Text(name), text)
          << name;
    }
  }
  // The same set at both ends: every twin equals its field.
  Diagnostics d;
  const ParameterSet same = MixForAnimation(ParameterSet(), ParameterSet(), d);
  EXPECT_EQ(same.Text("EdTSpread2") + " " + same.Text("edTNumber2"),
            same.Text("EdTSpread") + " " + same.Text("EdTNumber"));
  EXPECT_TRUE(d.warnings.empty());
}

}  // namespace
}  // namespace vermora
