#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/random.h"
#include "params/number_reading.h"
#include "params/parameter_set.h"

namespace vermora {

// How an engine writes a computed number back into a field: fixed(3,0) or fixed(4,2).
enum class Form { kF3, kF42 };

// Which current values a conditional step leaves alone ("when != 0" and so on).
enum class Unless { kNothing, kZero, kOne, k360, kNotPositive };

// The shared vocabulary of the engines: draws from the program's generator,
// number reading with its warning, and the writes back as text. `factor` is
// the evolve or mutation factor that scales every step.
class Steps {
 public:
  Steps(ParameterSet& set, Random& random, Diagnostics& diagnostics, float factor = 0)
      : set_(set), random_(random), diagnostics_(diagnostics), factor_(factor) {}

  double R() { return random_.Next(); }
  int Pick(int n) { return random_.Below(n); }

  // The number reading: bad text warns once per read and gives 0.
  float Number(std::string_view name);
  // The integer reading: bad text throws CommandError.
  std::int32_t Integer(std::string_view name);
  const std::string& TextOf(std::string_view name) const { return set_.Text(name); }
  bool IsOn(std::string_view name) const { return set_.On(name); }

  // Writes `value` rounded to single precision, in the given form.
  void Write(std::string_view name, double value, Form form);
  void Write(std::string_view name, double value, int precision, int decimals);
  void F3(std::string_view name, double value) { Write(name, value, Form::kF3); }
  void F42(std::string_view name, double value) { Write(name, value, Form::kF42); }
  void Text(std::string_view name, std::string text) { set_.SetText(name, std::move(text)); }
  void On(std::string_view name, bool on) { set_.SetOn(name, on); }
  // On when pick(2) is 0, off when it is 1; the old state does not matter.
  void Flip(std::string_view name) { set_.SetOn(name, Pick(2) == 0); }
  // One of the nine tank texts, drawn anew.
  void TankPick(std::string_view name);

  // old + R * width * factor, unless the current value is excluded by `unless`.
  void Step(std::string_view name, double width, Form form, Unless unless = Unless::kNothing);
  // Count step: old + R * 4 * factor, lifted by 10 below 20; F3. Returns the
  // unrounded new count for the spacing step that follows.
  double CountStep(std::string_view name);
  // Spacing step relative to count `c`: old + R * 2 * factor, put back to half
  // the count when above it or below a quarter of it; F3.
  void SpacingStep(std::string_view name, double c);
  // Scale step of width 0.05 (exactly 0 becomes a fresh R) or 0.1 (0 or less
  // becomes a fresh R); F42.
  void ScaleStep(std::string_view name, double width);

  float factor() const { return factor_; }
  void set_factor(float factor) { factor_ = factor; }
  ParameterSet& set() { return set_; }

 private:
  ParameterSet& set_;
  Random& random_;
  Diagnostics& diagnostics_;
  float factor_;
};

// The count rule and spacing rule of the random engine, relative to `max`.
double CountRule(Steps& s, double max);
double SpacingRule(Steps& s, double max, double count);

}  // namespace vermora
