#include "scene/object_limit.h"

#include "params/page_path.h"
#include "scene/object_count.h"

namespace vermora {
namespace {

bool Counts(const ParamDef& def) {
  return def.kind == ParamKind::kNumber || def.kind == ParamKind::kInteger ||
         def.kind == ParamKind::kSwitch;
}

}  // namespace

std::string LargestObjectShare(const ParameterSet& set) {
  const ObjectEstimate whole = EstimateObjects(set);
  if (!whole.status.ok()) return {};
  // A number is what a designer turns back; a switch (a whole thing on) only
  // when no number accounts for any of it.
  double largest = 0, largest_switch = 0;
  std::string found, found_switch;
  for (size_t i = 0; i < set.size(); ++i) {
    const ParamDef& def = set.def(i);
    if (!Counts(def)) continue;
    ParameterSet back = set;
    if (def.kind == ParamKind::kSwitch) {
      const bool on = def.value == "Y";
      if (set.On(def.name) == on) continue;
      back.SetOn(def.name, on);
    } else {
      if (set.Text(def.name) == def.value) continue;
      back.SetText(def.name, std::string(def.value));
    }
    const ObjectEstimate without = EstimateObjects(back);
    const bool is_switch = def.kind == ParamKind::kSwitch;
    double& best = is_switch ? largest_switch : largest;
    if (!without.status.ok() || !(whole.objects - without.objects > best)) continue;
    best = whole.objects - without.objects;
    (is_switch ? found_switch : found) =
        FieldPlace(def) + (is_switch ? "" : " at " + set.Text(def.name));
  }
  return found.empty() ? found_switch : found;
}

std::string ObjectLimitProblem(const ParameterSet& set, double limit) {
  const ObjectEstimate estimate = EstimateObjects(set);
  if (!estimate.status.ok() || estimate.objects <= limit) return {};
  std::string problem = "The scene would hold ca. " + estimate.text +
                        " objects, more than the limit of " + GroupedWhole(limit);
  if (const std::string share = LargestObjectShare(set); !share.empty()) {
    problem += "; most of them come from " + share;
  }
  return problem;
}

}  // namespace vermora
