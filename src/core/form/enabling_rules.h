#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/random.h"
#include "params/parameter_set.h"

namespace vermora {

// What a rule does to its targets.
enum class RuleEffect {
  kShow,     // shown while the condition holds, hidden otherwise
  kEnable,   // enabled while the condition holds, disabled otherwise
  kSet,      // set to `text` at the moment the condition comes to hold
  kCopy,     // given the text of parameter `text` at that moment
  kCaption,  // its label reads `text` while the condition holds
};

// When a rule's condition holds, over the controls of `controls` (names apart
// by blanks): kOn any of them is on, kOff none of them is on, kIndex any of
// them holds item `value`, kAtLeast the first one's position is `value` or more.
enum class RuleState { kOn, kOff, kIndex, kAtLeast };

// One row of the form's rule table. Targets are parameter names, or page names
// such as "TabBubble" (see PagePathOf). A target's end twin goes with it.
// Shown and enabled targets need every row naming them to hold.
struct FormRule {
  std::string_view controls;
  RuleState state;
  int value;
  RuleEffect effect;
  std::string_view targets;
  std::string_view text = {};
};

std::span<const FormRule> FormRules();

// The window page path of a page target ("TabBubble" -> "Worms/SpiralWorm/Bubble"),
// or empty for a name that is no page.
std::string_view PagePathOf(std::string_view page);
// The paths of every page a rule shows or hides.
std::vector<std::string_view> RulePagePaths();

// Visible and enabled states of every target the rules govern; a control no
// rule names is visible and enabled. Pages are keyed by their path. Captions
// are label texts some rules give.
struct FormState {
  std::map<std::string, bool> visible;
  std::map<std::string, bool> enabled;
  std::map<std::string, std::string> captions;
  bool Visible(std::string_view name) const;
  bool Enabled(std::string_view name) const;
  // The caption a rule gives the label of `name`, or empty.
  std::string Caption(std::string_view name) const;
};

FormState EvaluateForm(const ParameterSet& set);

// The one-time part of the rules after parameter `index` changed state: the
// resets, copies and exclusive partners it sets, and the background rules.
// Every ParameterSet runs it for each switch and choice that changes (see
// form/change_rule.cpp).
void ApplyChangeRule(ParameterSet& set, size_t index, Random& random, const Clock& clock);

// "Random viewangle" (sbRotRandom): re-seeds the generator from the clock and
// turns the thing to EdTPostRotateX, Y and Z, each a random fraction of 360
// degrees as fixed(4,0).
void RandomViewAngle(ParameterSet& set, Random& random, const Clock& clock);

}  // namespace vermora
