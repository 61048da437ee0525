#include "variation/random_engine.h"

#include <array>

#include "variation/steps.h"

namespace vermora {
namespace {

// Segment fields of the worm types that have them (RadioGroup1 order).
struct SegmentFields {
  int worm;
  const char* first;
  const char* second;
};
constexpr SegmentFields kSegments[] = {{0, "edJSegm", "edJSegm2"},
                                       {1, "edRSegm", "edRSegm2"},
                                       {2, "edDSSegm", "edDSSegm2"},
                                       {5, "edFWSegm", "edFWSegm2"},
                                       {6, "edTDSegm", "edTDSegm2"}};

constexpr const char* kThingSwitches[] = {"ChkFanOn",     "ChkWheelOn", "ChkTrilobyt",
                                          "ChkAnemoneOn", "chkHornOn",  "chkHullOn"};

double AtLeast(double v, double low, double replacement) { return v < low ? replacement : v; }
double NonZero(double v, double replacement) {
  return static_cast<float>(v) == 0.0f ? replacement : v;
}

void ChooseWorms(Steps& s, ParameterSet& set) {
  const bool worms_only = set.On("ChkWormsOnly");
  const bool no_thing = set.Index("RadioGroup3") == 7;
  const int n = worms_only ? 6 : 8;
  const int ds = no_thing ? 2 : 0;  // DoubleSpiral, or SpiralWorm beside a thing
  const int td = no_thing ? 6 : 5;  // TwoDWorm, or FormWorm beside a thing
  const std::array<int, 8> all = {0, 1, ds, 3, 4, 5, td, 7};
  const std::array<int, 6> procedural = {0, 1, ds, 5, td, 7};
  const int k = s.Pick(n);
  const int first = worms_only ? procedural[k] : all[k];
  set.SetIndex("RadioGroup1", first);

  if (!set.On("ChkAlternate")) {
    set.SetIndex("RadioGroup2", -1);
    return;
  }
  // Each rule overrides the ones before; the test on the first worm is made
  // whatever was drawn, so the two types may even end equal.
  struct Rule {
    bool on_draw;  // test the draw, else the first worm
    int value;
    int result;
  };
  static constexpr int kDs = -2, kTd = -3;  // placeholders for ds and td
  static constexpr Rule kEight[] = {{true, 0, 0},   {false, 0, 1}, {true, 1, 1}, {false, 1, 0},
                                    {true, 2, kDs}, {false, 2, 3}, {true, 3, 3}, {false, 3, 2},
                                    {true, 4, 4},   {false, 4, 3}, {true, 5, 5}, {false, 5, 1},
                                    {true, 6, kTd}, {false, 6, 5}, {true, 7, 7}, {false, 7, 1}};
  static constexpr Rule kSix[] = {{true, 0, 0},   {false, 0, 1}, {true, 1, 1}, {false, 1, 0},
                                  {true, 2, kDs}, {false, 2, 0}, {true, 3, 5}, {false, 5, 1},
                                  {true, 4, kTd}, {false, 6, 5}, {true, 5, 7}, {false, 7, 1}};
  const int k2 = s.Pick(n);
  int second = -1;
  auto apply = [&](const Rule& r) {
    if ((r.on_draw ? k2 : first) != r.value) return;
    second = r.result == kDs ? ds : r.result == kTd ? td : r.result;
  };
  if (worms_only) {
    for (const Rule& r : kSix) apply(r);
  } else {
    for (const Rule& r : kEight) apply(r);
  }
  set.SetIndex("RadioGroup2", second);
}

void CopyNamesAndSegments(Steps& s, ParameterSet& set) {
  s.Text("EdPWN", set.Text("EdRPredefWormName"));
  s.Text("EdWPN", set.Text("EdRWormPredName"));
  const int first = set.Index("RadioGroup1"), second = set.Index("RadioGroup2");
  for (const SegmentFields& f : kSegments) {
    if (f.worm != first && f.worm != second) continue;
    s.Text(f.first, set.Text("EdRSegment"));
    s.Text(f.second, set.Text("edRSegment2"));
  }
}

void SpiralWorm(Steps& s, double m) {
  const double c = CountRule(s, m);
  s.F3("EdNumber", c);
  s.F3("EdSpace", SpacingRule(s, m, c));
  s.F42("EdOmw", s.R() * 1.2 - 0.6);
  double t = s.R() * c;
  if (c * 0.5 > t) t = c + 1;
  s.F3("EdLegTrig", t);
  s.On("ChkARot", true);
  auto move = [&](double scale, double low) {
    const double x = s.R() * scale;
    return x < low ? x + low : x;
  };
  s.F42("EdXMoveF", move(1.5, 0.5));
  s.F42("EdYMoveF", move(1.0, 0.3));
  s.F42("EdZMoveF", move(1.5, 0.5));
  const double shrink = s.R() * 1.5;
  for (const char* name : {"EdShFX", "EdShFY", "EdShFZ"}) s.F42(name, shrink);
  s.Text("EdShTrig", std::to_string(s.Integer("EdNumber") + 10));
  if (s.IsOn("chkRSplit")) {
    s.F3("edSplitTrig", SpacingRule(s, m, c));
    s.Write("edRadiusIncr", s.R() * 0.005 + 0.005, 4, 3);
    s.Flip("chkMinPlusOn");
  }
  s.On("ChkBubble", false);
  s.F3("EdBBScaleSt", c + 10);
  s.F3("EdBBScEnd", c + 20);
  s.F3("EdBBScNr", s.R() * 7);
  s.F42("EdBBScSW", s.R() * 2);
  s.F42("EdBBScCenter", s.R() * 2);
  s.On("ChkBranchON", false);
  const int ends = s.Pick(3);
  s.On("ChkBaseOn", ends == 0);
  s.On("ChkTopOn", ends == 1);

  const ParameterSet& set = s.set();
  s.Flip("ChkWormAsBase");
  s.On("ChkBranchedBase", false);
  s.Text("EdPredBase", set.Text("EdRPredBase"));
  s.F3("EdBaseNumber", AtLeast(s.R() * 6, 1, 1));
  s.F42("EdBaseScale", NonZero(s.R(), 0.3));
  s.F3("EdBaseRot", s.R() * 45);
  s.Flip("ChkWormAsTop");
  s.On("ChkBranchedTop", false);
  s.Text("EdPredTop", set.Text("EdRPredTop"));
  s.F3("EdTopNumber", AtLeast(s.R() * 6, 1, 1));
  s.F42("EdTopScale", NonZero(s.R(), 0.3));
  s.F3("EdTopRot", s.R() * 45);
  s.F3("EdTopVNumber", AtLeast(s.R() * 5, 1, 1));
  s.F42("EdTopVScaleF", s.R() * 2 - 1);
  s.F3("EdTopVRot", s.R() * 45);
  s.F3("EdTopVMoveF", s.R() * 8);
  s.Flip("ChkTopHartOn");
  s.Text("EdTopHart", set.Text("EdRPredTopHart"));
  s.Text("EdTopHartUp", "0.5");
  s.F42("edTHScale", NonZero(s.R() * 2, 0.4));
  s.Flip("chkCoatOn");
  if (s.IsOn("chkCoatOn")) {
    const float n = s.Number("EdNumber");
    for (auto [name, part] : {std::pair{"edCoatST", 0.5}, std::pair{"edCoatET", 2.0 / 3.0}}) {
      double v = s.R() * m;
      if (v > n) v = n * part;
      if (v < n) v = n * part;
      s.F3(name, v);
    }
  }
}

void CurlWorm(Steps& s) {
  double r = s.R() * 120;
  if (r < 60) r += 40;
  s.F3("EdRNumber", r);
  const float n = s.Number("EdRNumber");
  s.F42("EdScaleFactor", s.R() * 1.2);
  s.F3("EdMajorTurn", AtLeast(s.R() * 7, 2, 2));
  s.F3("EdTurnFctr", s.R() * 2 - 1);
  s.F3("EdMajorDegr", s.R() * 500);
  s.Flip("ChkXOffset");
  s.F3("EdXOffsetFactor", AtLeast(s.R() * 10, 5, 5));
  s.F3("EdMinorTurn", AtLeast(s.R() * 4, 1, 1));
  s.F3("EdRevs", AtLeast(s.R() * 4, 1, 1));
  s.Flip("chkCTopHartOn");
  if (s.IsOn("chkCTopHartOn")) {
    s.Text("edCTopHart", s.TextOf("EdRPredTopHart"));
    s.F42("edCTHScale", NonZero(s.R() * 2, 0.4));
  }
  s.Flip("chkCHuskOn");
  if (s.IsOn("chkCHuskOn")) {
    for (auto [name, part] : {std::pair{"edCHuskST", 0.5}, std::pair{"edCHuskET", 2.0 / 3.0}}) {
      double v = s.R() * 120;
      if (v > n) v = n * part;
      if (v < n) v = n * part;
      s.F3(name, v);
    }
  }
}

void DoubleSpiral(Steps& s) {
  const double d = s.R() * 600;
  s.F3("edDSNumber", d);
  const double end_scale = s.R() * 2;
  s.F42("edDSEndScale", end_scale < 0.5 ? 1 : end_scale);
  // A draw once meant for edXDev, replaced at once: kept so the sequence of
  // draws, and with it every later value, stays the same.
  (void)s.R();
  s.F42("edYTrans", s.R() * 10);
  for (const char* name :
       {"edRotX", "edRotY", "edRotZ", "edMajorStartRadius", "edMajorEndRadius", "edMajorTurns"}) {
    s.F42(name, s.R() * 10);
  }
  s.F42("edMinorStartRadius", s.R() * 5);
  s.F42("edMinorEndRadius", s.R() * 5);
  s.F42("edMinorTurns", s.R() * 25);
  s.Text("edSOScale", "1");
  s.F3("edSideTrigger", d + 1);
  s.F3("EdPostRotateZ", s.R() * 90);
}

void FormTwoDTorus(Steps& s, double m) {
  const double f = CountRule(s, m);
  s.F3("edFWNumber", f);
  s.F3("edFWSpace", SpacingRule(s, m, f));
  s.F42("edFWShrink", s.R() * 1.5);
  s.F3("edFWTwists", s.R() * 5);
  s.F42("edFWRadius", s.R() * 5);
  s.F42("edFWUpInc", s.R());
  s.F42("edFWZTrans", s.R());
  const double t = CountRule(s, m);
  s.F3("edTDNumber", t);
  s.F3("edTDSpace", SpacingRule(s, m, t));
  s.F42("edTDSF", s.R() * 1.5);
  s.F3("edObjRotXTot", s.R() * 360);
  s.F3("edObjRotYTot", s.R() * 360);
  s.Flip("chkTDAutoRot");
  if (!s.IsOn("chkTDAutoRot")) s.F3("edObjRotZTot", s.R() * 360);
  for (const char* name : {"edTDDevX", "edTDDevY", "edTDDevZ"}) s.Text(name, "0");
  s.On("chkRecTD", false);
  s.F42("edTorRad", s.R() * 5);
  s.set().SetIndex("ScrAN", 3 + s.Pick(4));
  for (int point = 1; point <= 6; ++point) {
    for (const char* axis : {"X", "Y", "Z"}) {
      s.F42("edPoint" + std::to_string(point) + axis, s.R() * 5);
    }
  }
}

void ChooseThing(Steps& s, ParameterSet& set) {
  int thing = set.Index("RadioGroup3");
  if (thing == 6) thing = s.Pick(7);  // "Randompick"; 6 gives no thing
  if (thing < 0 || thing > 7) return;
  // The chosen thing goes on before the others go off, so the set never passes
  // through "no thing at all" (whose rule would turn ChkAlternate off).
  if (thing < 6) s.On(kThingSwitches[thing], true);
  for (int i = 0; i < 6; ++i) {
    if (i != thing) s.On(kThingSwitches[i], false);
  }
  if (thing == 7) s.On("ChkAlternate", false);
}

void ThingParameters(Steps& s, double a) {
  s.F3("EdTNumber", s.R() * 10 * a);
  const float tn = s.Number("EdTNumber");
  s.F3("EdTSpread", s.R() * 720);
  const double scale = s.R() * 2 - 1;
  for (const char* name : {"EdTScaleFactorX", "EdTScaleFactorY", "EdTScaleFactorZ"})
    s.F42(name, scale);
  s.On("ChkSymScale", s.Pick(3) == 0);
  s.F3("EdSymScaleNumber", NonZero(s.R() * 5, 1));
  s.F3("EdSymScaleValue", NonZero(s.R() * 3, 1));
  if (s.IsOn("ChkFanOn")) {
    s.Text("EdTOffsetX", "0");
    s.F3("EdTOffsetY", -s.R() * tn);
    s.Text("EdTOffsetZ", "0");
  }
  if (s.IsOn("ChkWheelOn")) {
    s.Text("EdTOffsetX", "0");
    s.F3("EdTOffsetZ", -s.R() * tn);
    s.Text("EdTOffsetY", "0");
  }
  s.F3("EdKropDegrees", s.R() * 90);
  s.Flip("ChkWave");
  s.F3("EdWaveNumber", s.R() * 5);
  s.Flip("chkSpiralWay");
  s.F42("edTOmwBasis", s.R() * 1.2 - 0.6);
  double space = s.R() * a;
  if (space > tn) space = tn * 0.75;
  if (tn * 0.25 > space) space = tn * 0.75;
  s.F3("edTNumberSpace", space);
  for (const char* name : {"edTMoveX", "edTMoveY", "edTMoveZ"}) {
    const double x = s.R() * 1.5;
    s.F42(name, x < 0.5 ? x + 0.5 : x);
  }
  s.On("ChkTentacle", false);
  for (const char* name :
       {"EdTentStart", "EdTentNumber", "EdTentGrow", "EdTentRot", "EdTentScale"}) {
    s.Text(name, "0.0");
  }
}

void Trilobyt(Steps& s, double a) {
  const bool twisting = s.Pick(2) == 0;
  s.On("ChkTwisting", twisting);
  s.On("ChkTArot", twisting);
  if (twisting) {
    s.F42("EdTwistBase", s.R() * 1.2 - 0.6);
  } else {
    s.Text("EdTwistBase", "0.1");
  }
  s.F3("EdTrNumber", s.R() * 10 * a);
  if (twisting) {
    s.F42("EdTrXStep", s.R() * 2);
    s.F42("EdTrYStep", s.R() * 4);
    s.F42("EdTrZStep", -s.R());
  } else {
    s.Text("EdTrXStep", "1.0");
    s.Text("EdTrYStep", "0.0");
    s.Text("EdTrZStep", "0.0");
  }
  s.F42("EdTrScale", s.R() * 2 - 1);
  auto turn = [&](const char* name) {
    if (twisting) {
      s.Text(name, "0.0");
    } else {
      s.F3(name, s.R() * 720 - 360);
    }
  };
  turn("EdUpFactor");
  s.On("ChkPowUp", false);
  turn("EdRotZAmount");
  turn("EdSpindleAmount");
  s.On("ChkPowSpindle", false);
}

void AnemoneClusterHornHull(Steps& s, double a) {
  double v = s.R() * 60 * a;
  if (v < 50) v = v * 0.5 + 40;
  if (v > 150) v = v - 10 * a;
  s.F3("EdANumber", v);
  s.Text("EdAScaleFactor", "0.0");
  s.F3("EdMajorRad", s.R() * 7);
  s.Text("EdRadFactor", "0.0");
  s.F3("EdTurns", s.R() * 720);
  s.Flip("ChkXTrans");
  s.F3("EdXTransFactor", NonZero(s.R() * 8, 7));
  s.F3("EdMinorRad", NonZero(s.R() * 3, 1));
  s.F3("EdRevolutions", s.R() * 8);
  double c = s.R() * 20 * a;
  if (c < 20) c = c * 0.5 + 20;
  if (c > 80) c = c - 5 * a;
  s.F3("EdCNumber", c);
  for (const char* axis : {"X", "Y", "Z"}) {
    s.F3(std::string("EdMin") + axis, -s.R() * 20);
    s.F3(std::string("EdMax") + axis, s.R() * 20);
  }
  for (const char* name : {"ChkCScaleOn", "ChkCRotXOn", "chkCRotYOn", "chkCRotZOn"}) s.Flip(name);
  s.F3("EdFinAng", s.R() * 500);
  s.F3("EdRx", s.R() * 8);
  s.F3("EdRy", s.R() * 5);
  s.F42("EdStartScale", s.R() * 2);
  s.F42("EdEndScale", s.R() * 2);
  s.F3("EdSmoothness", s.R() * 5 * a);
  s.F42("EdHRotXInc", s.R() * 10);
  s.F42("EdHRotYInc", s.R() * 10);
  s.Flip("chkAutoRotZ");
  if (s.IsOn("chkAutoRotZ")) {
    s.F42("EdHRotZInc", s.R() * 10);
  } else {
    s.Text("EdHRotZInc", "0.0");
  }
  s.F42("EdZTransInc", -s.R() * 2);
  s.F3("edHullNumber", s.R() * 20);
  s.F3("edHullAngle", s.R() * 50);
}

void Run(ParameterSet& set, Random& random, Diagnostics& diagnostics) {
  Steps s(set, random, diagnostics);
  // Read once: nothing below changes them, and a bad text then warns once.
  const double m = s.Number("EdSegMax");
  const double a = s.Number("EdArmFactor");
  s.On("ChkAlternate", set.On("ChkRAlternate"));
  ChooseWorms(s, set);
  CopyNamesAndSegments(s, set);
  SpiralWorm(s, m);
  CurlWorm(s);
  DoubleSpiral(s);
  FormTwoDTorus(s, m);
  ChooseThing(s, set);
  ThingParameters(s, a);
  Trilobyt(s, a);
  AnemoneClusterHornHull(s, a);
  const bool end_rot = set.On("ChkEndRot");
  for (const char* name : {"EdTPostRotateX", "EdTPostRotateY", "EdTPostRotateZ"}) {
    if (end_rot) {
      s.F3(name, s.R() * 90);
    } else {
      s.Text(name, "0.0");
    }
  }
  s.On("ChkTextureOverThing", true);
}

}  // namespace

EngineResult RunRandomEngine(ParameterSet& set, const EngineOptions& options) {
  return RunEngine(set, options, [](EngineRun& run) {
    run.random.ReseedFromClock(run.clock);
    Run(run.set, run.random, run.diagnostics);
    return Status::Ok();
  });
}

}  // namespace vermora
