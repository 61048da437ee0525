#include "variation/steps.h"

#include "common/fixed.h"

namespace vermora {

float Steps::Number(std::string_view name) {
  const std::string& text = set_.Text(name);
  if (auto value = ParseNumber(text)) return *value;
  diagnostics_.Warn(BadNumberMessage(text));
  return 0.0f;
}

std::int32_t Steps::Integer(std::string_view name) {
  const std::string& text = set_.Text(name);
  if (auto value = ParseInteger(text)) return *value;
  throw CommandError{BadIntegerMessage(text)};
}

void Steps::Write(std::string_view name, double value, Form form) {
  if (form == Form::kF3) {
    Write(name, value, 3, 0);
  } else {
    Write(name, value, 4, 2);
  }
}

void Steps::Write(std::string_view name, double value, int precision, int decimals) {
  set_.SetText(name, Fixed(static_cast<float>(value), precision, decimals));
}

void Steps::TankPick(std::string_view name) {
  static constexpr const char* kTanks[] = {"EdTank1", "EdTank2", "EdTank3", "EdTank4", "EdTank5",
                                           "EdTank6", "EdTank7", "EdTank8", "EdTank9"};
  set_.SetText(name, set_.Text(kTanks[Pick(9)]));
}

void Steps::Step(std::string_view name, double width, Form form, Unless unless) {
  const float old = Number(name);
  switch (unless) {
    case Unless::kNothing:
      break;
    case Unless::kZero:
      if (old == 0.0f) return;
      break;
    case Unless::kOne:
      if (old == 1.0f) return;
      break;
    case Unless::k360:
      if (old == 360.0f) return;
      break;
    case Unless::kNotPositive:
      if (!(old > 0.0f)) return;
      break;
  }
  Write(name, old + R() * width * factor_, form);
}

double Steps::CountStep(std::string_view name) {
  double v = Number(name) + R() * 4 * factor_;
  if (v < 20) v += 10;
  F3(name, v);
  return v;
}

void Steps::SpacingStep(std::string_view name, double c) {
  double s = Number(name) + R() * 2 * factor_;
  if (s > c) s = c * 0.5;
  if (c * 0.25 > s) s = c * 0.5;
  F3(name, s);
}

void Steps::ScaleStep(std::string_view name, double width) {
  double v = Number(name) + R() * width * factor_;
  // The result is judged as the single-precision value that is written.
  const float written = static_cast<float>(v);
  if (width < 0.075 ? written == 0.0f : written <= 0.0f) v = R();
  F42(name, v);
}

double CountRule(Steps& s, double max) {
  double v = s.R() * max;
  if (v < 15) v += 15;
  return v;
}

double SpacingRule(Steps& s, double max, double count) {
  double v = s.R() * max;
  if (v > count) v = count * 0.5;
  if (count * 0.25 > v) v = count * 0.5;
  return v;
}

}  // namespace vermora
