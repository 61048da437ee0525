#include "anim/second_set.h"

#include <algorithm>
#include <initializer_list>
#include <set>
#include <string_view>
#include <vector>

#include "common/fixed.h"
#include "params/animated_params.h"
#include "params/param_reader.h"

namespace vermora {
namespace {

using Names = std::initializer_list<const char*>;

int ThingKind(const ParameterSet& set) {
  int kind = 1;  // no thing counts as a fan
  int n = 1;
  for (const char* name : {"ChkFanOn", "ChkWheelOn", "ChkTrilobyt", "ChkAnemoneOn", "ChkClusterOn",
                           "chkHornOn", "chkHullOn"}) {
    if (set.On(name)) kind = n;
    ++n;
  }
  return kind;
}

const char* TwinOf(std::string_view name) { return FindAnimated(name)->twin.data(); }

// A feature that one switch turns on, with the parameters that make it vanish.
struct Feature {
  const char* on;
  Names params;
  Names vanishing;
  const char* value;
};

const Feature kFeatures[] = {
    {"ChkBranchON",
     {"EdBranchNumber", "EdBranchScale", "EdBranchRot", "EdBranchTrigger"},
     {"EdBranchScale"},
     "0.01"},
    {"ChkBaseOn", {"EdBaseNumber", "EdBaseScale", "EdBaseRot"}, {"EdBaseScale"}, "0.01"},
    {"ChkTopOn",
     {"EdTopNumber", "EdTopScale", "EdTopRot", "EdTopVNumber", "EdTopVMoveF", "EdTopVRot",
      "EdTopVScaleF"},
     {"EdTopScale"},
     "0.01"},
    {"ChkTopHartOn", {"edTHScale", "EdTopHartUp"}, {"edTHScale"}, "0.01"},
    {"ChkXOffset", {"EdXOffsetFactor"}, {"EdXOffsetFactor"}, "20"},
    {"chkCTopHartOn", {"edCTHScale"}, {"edCTHScale"}, "0.01"},
    {"chkRecTD", {"edRecNumber", "edRecScale", "edRecRot", "edRecTrigger"}, {"edRecScale"}, "0.01"},
    {"ChkWave", {"EdWaveNumber"}, {"EdWaveNumber"}, "0"},
    {"chkSpiralWay",
     {"edTOmwBasis", "edTNumberSpace", "edTMoveX", "edTMoveY", "edTMoveZ"},
     {"edTMoveX", "edTMoveY", "edTMoveZ"},
     "0"},
    {"ChkTentacle",
     {"EdTentRot", "EdTentScale", "EdTentStart", "EdTentNumber", "EdTentGrow"},
     {"EdTentScale"},
     "0.01"},
    {"ChkXTrans", {"EdXTransFactor"}, {"EdXTransFactor"}, "20"},
};

constexpr Names kBubbles = {"EdBBScaleSt", "EdBBScEnd", "EdBBScNr", "EdBBScSW", "EdBBScCenter"};
constexpr Names kCollapsed = {"edCoatST", "edCoatET", "edCHuskST", "edCHuskET"};
constexpr Names kSides = {"edSOScale", "edSideTrigger"};
// Moved by the second set alone: their fields keep its values, their twins are not set.
constexpr Names kUntouched = {"edStraalH",        "edRevH",          "edHTus",      "edHRotX",
                              "edHRotY",          "edHRotZ",         "EdMinorTurn", "EdRevs",
                              "edTorRad",         "edSTVX",          "edSTVY",      "edSTVZ",
                              "EdSymScaleNumber", "EdSymScaleValue", "edSWTrig",    "edSWETrig",
                              "IntTrigger",       "edCloudRot1",     "edCloudRot2"};

bool Contains(Names names, std::string_view name) {
  return std::any_of(names.begin(), names.end(), [&](const char* n) { return name == n; });
}

bool IsTorusPoint(std::string_view name) {
  return name.size() == 9 && (name.substr(0, 7) == "edPoint" || name.substr(0, 7) == "EdPoint");
}

class Mixer {
 public:
  Mixer(const ParameterSet& first, const ParameterSet& second, Diagnostics& diagnostics)
      : first_(first), out_(second), reader_(first, diagnostics) {}

  ParameterSet Mix();

 private:
  float FirstNumber(std::string_view name) const { return reader_.Number(name); }
  // A first-set value as its field shows it again.
  std::string Restored(const AnimatedParam& p) const {
    const float v = FirstNumber(p.name);
    if (p.name == "EdBBScEnd") return Fixed(v, 4, 2);
    if (p.name == "edHullAngle" || p.name.substr(0, 6) == "edTDDe") return Fixed(v, 3, 0);
    return p.kind == WriteBack::kDecimal ? Fixed(v, 4, 2) : Fixed(v, 3, 0);
  }
  std::string Restored(std::string_view name) const { return Restored(*FindAnimated(name)); }
  // Twin = the second set's value, field = the first set's.
  void Plain(std::string_view name) {
    out_.SetText(TwinOf(name), out_.Text(name));
    out_.SetText(name, Restored(name));
  }
  void Feature(const struct Feature& f);
  void Sides();
  void Bubbles();
  void Collapse();

  const ParameterSet& first_;
  ParameterSet out_;
  ParamReader reader_;
};

void Mixer::Feature(const struct Feature& f) {
  const bool in_first = first_.On(f.on), in_second = out_.On(f.on);
  out_.SetOn(f.on, in_first || in_second);
  for (const char* name : f.params) {
    const bool vanishing = Contains(f.vanishing, name);
    if (in_first && in_second) {
      Plain(name);
    } else if (in_first) {  // shrinks away
      const std::string value = Restored(name);
      out_.SetText(name, value);
      out_.SetText(TwinOf(name), vanishing ? std::string(f.value) : value);
    } else if (in_second) {  // grows in
      out_.SetText(TwinOf(name), out_.Text(name));
      if (vanishing) out_.SetText(name, f.value);
    }
  }
}

void Mixer::Sides() {
  // Side objects have no switch: they are on while the trigger lies within the worm.
  auto on = [](const ParamReader& r) { return r.Number("edSideTrigger") < r.Number("edDSNumber"); };
  Diagnostics quiet;
  const ParamReader second_reader(out_, quiet);
  const bool in_first = on(reader_), in_second = on(second_reader);
  if (in_first == in_second) {
    Plain("edSOScale");
    Plain("edSideTrigger");
  } else if (in_first) {
    for (const char* name : kSides) {
      out_.SetText(name, Restored(name));
      out_.SetText(TwinOf(name), Restored(name));
    }
    out_.SetText("edSOScale3", "0.01");
  } else {
    out_.SetText("edSOScale3", Restored("edSOScale"));
    out_.SetText("edSOScale", "0.01");
    out_.SetText("edSideTrigger3", out_.Text("edSideTrigger"));
  }
}

void Mixer::Bubbles() {
  Diagnostics quiet;
  const ParamReader second_reader(out_, quiet);
  const float M = std::max(FirstNumber("EdNumber"), second_reader.Number("EdNumber3"));
  const std::string past = Fixed(M + 1, 3, 0), past2 = Fixed(M + 2, 3, 0);
  const bool in_first = first_.On("ChkBubble"), in_second = out_.On("ChkBubble");
  if (in_first && in_second) {
    for (const char* name : kBubbles) Plain(name);
    return;
  }
  out_.SetOn("ChkBubble", in_first || in_second);
  if (!in_first && !in_second) {
    out_.SetText("EdBBScaleSt", past);
    out_.SetText("EdBBScaleSt3", past);
    out_.SetText("EdBBScEnd", past2);
    out_.SetText("EdBBScEnd3", past2);
    return;
  }
  for (const char* name : {"EdBBScaleSt", "EdBBScEnd"}) {
    const std::string mine = Fixed(FirstNumber(name), 3, 0);
    out_.SetText(name, in_first ? mine : past);
    out_.SetText(TwinOf(name), in_first ? past : mine);
  }
  for (const char* name : {"EdBBScNr", "EdBBScSW", "EdBBScCenter"}) {
    const std::string mine = Fixed(FirstNumber(name), 4, 2);
    out_.SetText(name, mine);
    out_.SetText(TwinOf(name), mine);
  }
}

void Mixer::Collapse() {
  out_.SetOn("chkCoatOn", false);
  out_.SetOn("chkCHuskOn", false);
  out_.SetOn("ChkSymScale", false);
  for (const char* name : {"edCoatST", "edCoatET"}) {
    out_.SetText(name, out_.Text("EdNumber"));
    out_.SetText(TwinOf(name), out_.Text("EdNumber3"));
  }
  for (const char* name : {"edCHuskST", "edCHuskET"}) {
    out_.SetText(name, out_.Text("EdRNumber"));
    out_.SetText(TwinOf(name), out_.Text("EdRNumber3"));
  }
}

ParameterSet Mixer::Mix() {
  if (!out_.On("chkAnim")) {
    out_.SetOn("chkAnim", true);
    CopyFieldsToTwins(out_);
  }
  std::set<std::string_view> special;
  for (const struct Feature& f : kFeatures) special.insert(f.params.begin(), f.params.end());
  for (Names names : {kBubbles, kCollapsed, kSides, kUntouched})
    special.insert(names.begin(), names.end());
  for (const AnimatedParam& p : AnimatedParams()) {
    if (special.count(p.name) || IsTorusPoint(p.name)) continue;
    Plain(p.name);
  }
  for (const struct Feature& f : kFeatures) Feature(f);
  Sides();
  Bubbles();
  Collapse();
  return out_;
}

}  // namespace

std::vector<std::string> FamilyProblems(const ParameterSet& first, const ParameterSet& second) {
  const std::string go_on = "\nShould I go on ? (or stop)";
  std::vector<std::string> problems;
  if (first.Index("RadioGroup1") != second.Index("RadioGroup1")) {
    problems.push_back("Worms not of the same family." + go_on);
  }
  if (second.On("ChkAlternate") && first.Index("RadioGroup2") != second.Index("RadioGroup2")) {
    problems.push_back("Worms not of the same family." + go_on);
  }
  if (ThingKind(first) != ThingKind(second))
    problems.push_back("Things not of the same family." + go_on);
  return problems;
}

std::string FamilyProblem(const ParameterSet& first, const ParameterSet& second) {
  const std::vector<std::string> problems = FamilyProblems(first, second);
  return problems.empty() ? std::string() : problems.front();
}

ParameterSet MixForAnimation(const ParameterSet& first, const ParameterSet& second,
                             Diagnostics& diagnostics) {
  return Mixer(first, second, diagnostics).Mix();
}

void CopyFieldsToTwins(ParameterSet& set) {
  for (const AnimatedParam& p : AnimatedParams()) set.SetText(p.twin, set.Text(p.name));
}

}  // namespace vermora
