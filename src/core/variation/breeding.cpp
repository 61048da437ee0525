#include "variation/breeding.h"

#include <algorithm>
#include <unordered_map>

#include "params/settings_file.h"
#include "variation/steps.h"

namespace vermora {
namespace {

constexpr const char* kCamera[] = {"edCamLocX", "edCamLocY",  "edCamLocZ",  "edCamDirX",
                                   "edCamDirY", "edCamDirZ",  "edCamRX",    "edCamRY",
                                   "edCamRZ",   "edCamLookX", "edCamLookY", "edCamLookZ"};

struct SegmentFields {
  int worm;
  const char* first;
  const char* second;
  const char* merge;
};
constexpr SegmentFields kSegments[] = {{0, "edJSegm", "edJSegm2", "chkJMerge"},
                                       {1, "edRSegm", "edRSegm2", "chkRMerge"},
                                       {2, "edDSSegm", "edDSSegm2", "chkDMerge"},
                                       {5, "edFWSegm", "edFWSegm2", "chkFMerge"},
                                       {6, "edTDSegm", "edTDSegm2", "chkTDMerge"}};

const SegmentFields* SegmentsOf(int worm) {
  for (const SegmentFields& f : kSegments) {
    if (f.worm == worm) return &f;
  }
  return nullptr;
}

// The own parent's segment texts and merge switch for one worm. Worms without
// segment fields offer fixed texts, and a merge switch that is off.
struct SegmentRecord {
  std::string first, second;
  bool merge = false;
};
SegmentRecord RecordSegments(const ParameterSet& own, int worm, const char* first,
                             const char* second) {
  if (const SegmentFields* f = SegmentsOf(worm)) {
    return {own.Text(f->first), own.Text(f->second), own.On(f->merge)};
  }
  return {first, second, false};
}

constexpr const char* kGenesBeforeBubbles[] = {"EdPWN", "EdWPN", "ChkARot"};
constexpr const char* kGenesBeforeThing[] = {
    "ChkBranchON", "ChkWormAsBranch", "EdPredBranch", "ChkBaseOn",    "ChkWormAsBase", "EdPredBase",
    "ChkTopOn",    "ChkWormAsTop",    "EdPredTop",    "ChkTopHartOn", "EdTopHart",     "chkCoatOn",
    "edCoat",      "chkHelixOn",      "edHObj",       "ChkXOffset",   "chkCTopHartOn", "edCTopHart",
    "chkCHuskOn",  "edCHusk",         "edSideObject", "chkTDAutoRot", "chkRecTD",      "ChkFanOn",
    "ChkWheelOn",  "ChkTrilobyt",     "ChkAnemoneOn", "ChkClusterOn", "chkHornOn",     "chkHullOn"};
constexpr const char* kGenesAfterThing[] = {
    "ChkSymScale", "chkSpiralWay", "ChkWave",    "ChkTentacle",   "ChkWormAsTent", "EdTentName",
    "ChkTwisting", "ChkTArot",     "ChkPowUp",   "ChkPowSpindle", "ChkXTrans",     "ChkCScaleOn",
    "ChkCRotXOn",  "chkCRotYOn",   "chkCRotZOn", "chkAutoRotZ"};
constexpr const char* kGenesLast[] = {"chkTailOn", "ChkTrLinkOn",  "ChkTrHeadOn",
                                      "chkTSerie", "chkTInterval", "edTail",
                                      "EdTrHead",  "EdTrLink",     "edSWPred"};

// The order in which one thing wins when several were inherited.
constexpr const char* kThingPrecedence[] = {"ChkTrilobyt",  "ChkWheelOn",   "ChkFanOn",
                                            "ChkClusterOn", "ChkAnemoneOn", "chkHornOn",
                                            "chkHullOn"};

constexpr const char* kWholeNumbers[] = {"EdNumber",
                                         "EdSpace",
                                         "EdLegTrig",
                                         "EdRotFacX",
                                         "EdRotFacY",
                                         "EdRotFacZ",
                                         "EdShTrig",
                                         "EdBranchNumber",
                                         "EdBranchRot",
                                         "EdBranchTrigger",
                                         "EdBaseNumber",
                                         "EdBaseRot",
                                         "EdTopNumber",
                                         "EdTopRot",
                                         "EdTopVNumber",
                                         "EdTopVRot",
                                         "edCoatST",
                                         "edCoatET",
                                         "edRevH",
                                         "edHTus",
                                         "edHRotX",
                                         "edHRotY",
                                         "edHRotZ",
                                         "EdRNumber",
                                         "EdMajorTurn",
                                         "EdTurnFctr",
                                         "EdMajorDegr",
                                         "EdXOffsetFactor",
                                         "EdMinorTurn",
                                         "EdRevs",
                                         "edCHuskST",
                                         "edCHuskET",
                                         "edDSNumber",
                                         "edSideTrigger",
                                         "edSOScale",
                                         "edFWNumber",
                                         "edFWSpace",
                                         "edTDNumber",
                                         "edTDSpace",
                                         "edObjRotXTot",
                                         "edObjRotYTot",
                                         "edObjRotZTot",
                                         "edRecNumber",
                                         "edRecRot",
                                         "edRecTrigger",
                                         "EdPostRotateX",
                                         "EdPostRotateY",
                                         "EdPostRotateZ",
                                         "EdPostTranslateX",
                                         "EdPostTranslateY",
                                         "EdPostTranslateZ",
                                         "EdTNumber",
                                         "EdTSpread",
                                         "EdSymScaleNumber",
                                         "EdKropDegrees",
                                         "edTNumberSpace",
                                         "EdWaveNumber",
                                         "EdTentRot",
                                         "EdTentStart",
                                         "EdTentNumber",
                                         "EdTrNumber",
                                         "EdUpFactor",
                                         "EdRotZAmount",
                                         "EdSpindleAmount",
                                         "EdANumber",
                                         "EdCNumber",
                                         "EdMinX",
                                         "EdMaxX",
                                         "EdMinY",
                                         "EdMaxY",
                                         "EdMinZ",
                                         "EdMaxZ",
                                         "EdFinAng",
                                         "EdRx",
                                         "EdRy",
                                         "EdSmoothness",
                                         "edHullNumber",
                                         "edHullAngle",
                                         "edSWTrig",
                                         "edSWETrig",
                                         "IntTrigger",
                                         "EdTPostRotateX",
                                         "EdTPostRotateY",
                                         "EdTPostRotateZ",
                                         "EdTPostTranslateX",
                                         "EdTPostTranslateY",
                                         "EdTPostTranslateZ"};
constexpr const char* kDecimalNumbers[] = {"EdOmw",
                                           "EdXMoveF",
                                           "EdYMoveF",
                                           "EdZMoveF",
                                           "EdShFX",
                                           "EdShFY",
                                           "EdShFZ",
                                           "EdBranchScale",
                                           "EdBaseScale",
                                           "EdTopScale",
                                           "EdTopVMoveF",
                                           "EdTopVScaleF",
                                           "EdTopHartUp",
                                           "edTHScale",
                                           "edStraalH",
                                           "EdScaleFactor",
                                           "edCTHScale",
                                           "edDSEndScale",
                                           "edYTrans",
                                           "edXDev",
                                           "edRotX",
                                           "edRotY",
                                           "edRotZ",
                                           "edMajorStartRadius",
                                           "edMajorEndRadius",
                                           "edMajorTurns",
                                           "edMinorStartRadius",
                                           "edMinorEndRadius",
                                           "edMinorTurns",
                                           "edFWShrink",
                                           "edFWTwists",
                                           "edFWRadius",
                                           "edFWUpInc",
                                           "edFWZTrans",
                                           "edTDSF",
                                           "edRecScale",
                                           "EdPostScaleX",
                                           "EdPostScaleY",
                                           "EdPostScaleZ",
                                           "EdTScaleFactorX",
                                           "EdTScaleFactorY",
                                           "EdTScaleFactorZ",
                                           "EdSymScaleValue",
                                           "EdTOffsetX",
                                           "EdTOffsetY",
                                           "EdTOffsetZ",
                                           "edTOmwBasis",
                                           "edTMoveX",
                                           "edTMoveY",
                                           "edTMoveZ",
                                           "EdTentScale",
                                           "EdTentGrow",
                                           "EdTwistBase",
                                           "EdTrXStep",
                                           "EdTrYStep",
                                           "EdTrZStep",
                                           "EdTrScale",
                                           "EdAScaleFactor",
                                           "EdMajorRad",
                                           "EdRadFactor",
                                           "EdTurns",
                                           "EdXTransFactor",
                                           "EdMinorRad",
                                           "EdRevolutions",
                                           "EdStartScale",
                                           "EdEndScale",
                                           "EdHRotXInc",
                                           "EdHRotYInc",
                                           "EdZTransInc",
                                           "EdTPostScaleX",
                                           "EdTPostScaleY",
                                           "EdTPostScaleZ"};

// Tweening writes these in the other form than selection does.
bool TweenWhole(std::string_view name, bool select_whole) {
  if (name == "edSOScale") return false;
  for (const char* n : {"EdMajorRad", "EdRadFactor", "EdTurns", "EdMinorRad", "EdRevolutions"}) {
    if (name == n) return true;
  }
  return select_whole;
}

class Breeder {
 public:
  Breeder(EngineRun& run, const ParameterSet& own)
      : set_(run.set), own_(own), s_(run.set, run.random, run.diagnostics) {}

  // The own parent's numbers, read (and warned about) while the record is taken.
  void RecordNumbers() {
    for (const char* name : kWholeNumbers) own_numbers_[name] = OwnNumber(name);
    for (const char* name : kDecimalNumbers) own_numbers_[name] = OwnNumber(name);
    own_numbers_["EdHRotZInc"] = OwnNumber("EdHRotZInc");
    for (const char* name : {"EdBBScaleSt", "EdBBScEnd", "EdBBScNr", "EdBBScSW", "EdBBScCenter"}) {
      own_numbers_[name] = OwnNumber(name);
    }
  }

  void Run(const SegmentRecord& first, const SegmentRecord& second, bool selection, bool tweening) {
    for (const char* name : kCamera) set_.SetText(name, own_.Text(name));
    Gene("ChkAlternate");
    if (s_.Pick(2) == 0) set_.SetIndex("RadioGroup1", own_.Index("RadioGroup1"));
    if (s_.Pick(2) == 0) set_.SetIndex("RadioGroup2", own_.Index("RadioGroup2"));
    Segments(set_.Index("RadioGroup1"), first);
    Segments(set_.Index("RadioGroup2"), second);
    for (const char* name : kGenesBeforeBubbles) Gene(name);
    Bubbles();
    for (const char* name : kGenesBeforeThing) Gene(name);
    OneThing();
    for (const char* name : kGenesAfterThing) Gene(name);
    if (set_.On("chkAutoRotZ")) {
      Select("EdHRotZInc", false);
    } else {
      set_.SetText("EdHRotZInc", "0.00");
    }
    for (const char* name : kGenesLast) Gene(name);
    if (selection) {
      for (const char* name : kWholeNumbers) Select(name, true);
      for (const char* name : kDecimalNumbers) Select(name, false);
    }
    if (tweening) {
      for (const char* name : kWholeNumbers) Tween(name, TweenWhole(name, true));
      for (const char* name : kDecimalNumbers) Tween(name, TweenWhole(name, false));
    }
  }

 private:
  float OwnNumber(std::string_view name) {
    if (auto value = ParseNumber(own_.Text(name))) return *value;
    s_.Number(name);  // the warning, as the field is read
    return 0.0f;
  }

  // Switch or text: r = 0 takes the own parent's, r = 1 leaves the partner's.
  void Gene(std::string_view name) {
    if (s_.Pick(2) != 0) return;
    if (set_.def(set_.Find(name)).kind == ParamKind::kSwitch) {
      set_.SetOn(name, own_.On(name));
    } else {
      set_.SetText(name, own_.Text(name));
    }
  }

  void Segments(int worm, const SegmentRecord& own) {
    const SegmentFields* f = SegmentsOf(worm);
    if (!f) return;
    if (s_.Pick(2) == 0) set_.SetText(f->first, own.first);
    if (s_.Pick(2) == 0) set_.SetText(f->second, own.second);
    if (s_.Pick(2) == 0) set_.SetOn(f->merge, own.merge);
  }

  void Bubbles() {
    struct Field {
      const char* name;
      Form form;
    };
    static constexpr Field kFields[] = {{"EdBBScaleSt", Form::kF3},
                                        {"EdBBScEnd", Form::kF3},
                                        {"EdBBScNr", Form::kF3},
                                        {"EdBBScSW", Form::kF42},
                                        {"EdBBScCenter", Form::kF42}};
    const bool own_on = own_.On("ChkBubble"), partner_on = set_.On("ChkBubble");
    const int r = s_.Pick(2);
    if (own_on && partner_on) {
      for (const Field& f : kFields) {
        const double value = s_.Pick(2) == 0 ? own_numbers_[f.name] : s_.Number(f.name);
        s_.Write(f.name, value, f.form);
      }
      return;
    }
    const bool partner_values = own_on && !partner_on && r == 1;
    set_.SetOn("ChkBubble", !own_on && partner_on && r == 1);
    if (partner_values) return;
    for (const Field& f : kFields) s_.Write(f.name, own_numbers_[f.name], f.form);
  }

  void OneThing() {
    for (const char* winner : kThingPrecedence) {
      if (!set_.On(winner)) continue;
      for (const char* other : kThingPrecedence) {
        if (other != winner) set_.SetOn(other, false);
      }
      return;
    }
    set_.SetOn("ChkWheelOn", true);
  }

  void Select(const char* name, bool whole) {
    const double value = s_.Pick(2) == 0 ? own_numbers_[name] : s_.Number(name);
    s_.Write(name, value, 4, whole ? 0 : 2);
  }

  void Tween(const char* name, bool whole) {
    const float own = own_numbers_[name], partner = s_.Number(name);
    const int k = s_.Pick(10);
    if (own == partner) return;
    s_.Write(name, TweenValue(own, partner, k / 10.0), 4, whole ? 0 : 2);
  }

  ParameterSet& set_;
  const ParameterSet& own_;
  Steps s_;
  std::unordered_map<std::string, float> own_numbers_;
};

}  // namespace

double TweenValue(double a, double b, double fraction) {
  const double lo = std::min(a, b), hi = std::max(a, b);
  return lo + (hi - lo) * fraction;
}

EngineResult Breed(ParameterSet& set, const ParameterSet& partner, const EngineOptions& options) {
  return RunEngine(set, options, [&partner](EngineRun& run) {
    const ParameterSet own = Detached(run.set);
    Breeder breeder(run, own);
    breeder.RecordNumbers();
    const SegmentRecord first =
        RecordSegments(own, own.Index("RadioGroup1"), "object{Bol}", "object{Spik1}");
    const SegmentRecord second =
        RecordSegments(own, own.Index("RadioGroup2"), "object{Spik6}", "object{Bol}");
    // The mode is the one chosen on the page before the partner came in; the
    // partner's file carries its own, saved when it was bred, which is not the
    // user's choice now.
    const bool selection = own.On("chkSelection"), tweening = own.On("chkTweening");
    ApplyValues(partner, run.set);
    run.set.SetOn("chkSelection", selection);
    run.set.SetOn("chkTweening", tweening);
    run.random.ReseedFromClock(run.clock);
    breeder.Run(first, second, selection, tweening);
    return Status::Ok();
  });
}

EngineResult BreedWithFile(ParameterSet& set, const std::string& partner_path,
                           const EngineOptions& options) {
  ParameterSet partner = Detached(set);
  if (Status loaded = LoadSettings(partner_path, partner); !loaded.ok()) {
    EngineResult failed;
    failed.status = Status::Error(partner_path + ": " + loaded.message());
    return failed;
  }
  return Breed(set, partner, options);
}

}  // namespace vermora
