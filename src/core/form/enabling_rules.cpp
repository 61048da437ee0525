#include "form/enabling_rules.h"

#include <charconv>
#include <vector>

#include "background/background_rules.h"
#include "common/fixed.h"
#include "params/animated_params.h"
#include "texture/type_rules.h"

namespace vermora {
namespace {

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  while (!text.empty()) {
    const size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    text.remove_prefix(start);
    const size_t end = std::min(text.find(' '), text.size());
    words.push_back(text.substr(0, end));
    text.remove_prefix(end);
  }
  return words;
}

bool Holds(const FormRule& rule, const ParameterSet& set) {
  const std::vector<std::string_view> controls = Words(rule.controls);
  switch (rule.state) {
    case RuleState::kOn:
    case RuleState::kOff: {
      bool any = false;
      for (std::string_view c : controls) any = any || set.On(c);
      return rule.state == RuleState::kOn ? any : !any;
    }
    case RuleState::kIndex:
      for (std::string_view c : controls) {
        if (set.Index(c) == rule.value) return true;
      }
      return false;
    case RuleState::kAtLeast:
      return set.Index(controls.front()) >= rule.value;
  }
  return false;
}

bool Names(const FormRule& rule, std::string_view name) {
  const std::string lower = LowerAscii(name);
  for (std::string_view c : Words(rule.controls)) {
    if (LowerAscii(c) == lower) return true;
  }
  return false;
}

// A target and, for an animated field, its end twin.
std::vector<std::string_view> WithTwins(std::string_view targets) {
  std::vector<std::string_view> all;
  for (std::string_view t : Words(targets)) {
    all.push_back(t);
    if (const AnimatedParam* animated = FindAnimated(t)) all.push_back(animated->twin);
  }
  return all;
}

// Keys of controls are lower case, as the settings file matches names.
std::string Key(std::string_view target) {
  const std::string_view path = PagePathOf(target);
  return path.empty() ? LowerAscii(target) : std::string(path);
}

void SetTo(ParameterSet& set, std::string_view name, std::string_view text) {
  const ParamKind kind = set.def(static_cast<size_t>(set.Find(name))).kind;
  if (kind == ParamKind::kSwitch || kind == ParamKind::kToggle) {
    set.SetOn(name, text == "Y");
  } else if (kind == ParamKind::kChoice || kind == ParamKind::kList) {
    int index = -1;
    std::from_chars(text.data(), text.data() + text.size(), index);
    set.SetIndex(name, index);
  } else {
    set.SetText(name, std::string(text));
  }
}

}  // namespace

bool FormState::Visible(std::string_view name) const {
  auto it = visible.find(std::string(name));  // a page's path
  if (it == visible.end()) it = visible.find(Key(name));
  return it == visible.end() || it->second;
}

bool FormState::Enabled(std::string_view name) const {
  auto it = enabled.find(Key(name));
  return it == enabled.end() || it->second;
}

std::string FormState::Caption(std::string_view name) const {
  auto it = captions.find(Key(name));
  return it == captions.end() ? std::string() : it->second;
}

// The texture pages' groups follow the pigment and normal types.
void AddTypeGroups(const ParameterSet& set, FormState& state) {
  const PigmentGroups pigment = PigmentTypeGroups(set.Index("cbPigmentType"));
  const NormalGroups normal = NormalTypeGroups(set.Index("cbNormalType"));
  auto show = [&state](std::initializer_list<const char*> names, bool shown) {
    for (const char* name : names) {
      auto [it, fresh] = state.visible.emplace(Key(name), shown);
      if (!fresh) it->second = it->second && shown;
    }
  };
  show({"editRed1", "editGreen1", "editBlue1", "editFilter1", "cbColor1"}, pigment.row1);
  show({"editRed2", "editGreen2", "editBlue2", "editFilter2", "cbColor2"}, pigment.row2);
  show({"editRed3", "editGreen3", "editBlue3", "editFilter3", "cbColor3"}, pigment.row3);
  show({"sgColorMap", "cbColor4"}, pigment.colour_map);
  show({"edIMName", "RadioGroup4", "edIMTurb", "edIMScale"}, pigment.image_map);
  show({"editNTurbulence", "editNLambda", "editNOmega", "editNOctaves", "editNFrequency",
        "editNPhase", "editNormalScale"},
       normal.pattern);
  show({"edBMName", "RadioGroup6", "edBMTurb", "edBMScale"}, normal.bump_map);
  show({"editNormalDepth"}, normal.depth);
}

FormState EvaluateForm(const ParameterSet& set) {
  FormState state;
  for (const FormRule& rule : FormRules()) {
    if (rule.effect == RuleEffect::kSet || rule.effect == RuleEffect::kCopy) continue;
    const bool holds = Holds(rule, set);
    for (std::string_view target : WithTwins(rule.targets)) {
      const std::string key = Key(target);
      if (rule.effect == RuleEffect::kCaption) {
        if (holds) state.captions[key] = std::string(rule.text);
        continue;
      }
      auto& states = rule.effect == RuleEffect::kShow ? state.visible : state.enabled;
      auto [it, fresh] = states.emplace(key, holds);
      if (!fresh) it->second = it->second && holds;
    }
  }
  AddTypeGroups(set, state);
  return state;
}

void ApplyChangeRule(ParameterSet& set, size_t index, Random& random, const Clock& clock) {
  const ParamDef& def = set.def(index);
  if (def.end_twin) return;
  for (const FormRule& rule : FormRules()) {
    if (rule.effect != RuleEffect::kSet && rule.effect != RuleEffect::kCopy) continue;
    if (!Names(rule, def.name) || !Holds(rule, set)) continue;
    if (rule.effect == RuleEffect::kCopy) {
      set.SetText(rule.targets, set.Text(rule.text));
      const AnimatedParam* to = FindAnimated(rule.targets);
      const AnimatedParam* from = FindAnimated(rule.text);
      if (to && from) set.SetText(to->twin, set.Text(from->twin));
      continue;
    }
    for (std::string_view target : WithTwins(rule.targets)) SetTo(set, target, rule.text);
  }
  ApplyBackgroundRule(set, def.name, random, clock);
}

void RandomViewAngle(ParameterSet& set, Random& random, const Clock& clock) {
  random.ReseedFromClock(clock);
  for (const char* name : {"EdTPostRotateX", "EdTPostRotateY", "EdTPostRotateZ"}) {
    set.SetText(name, Fixed(random.Next() * 360, 4, 0));
  }
}

}  // namespace vermora
