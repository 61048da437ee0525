#include "anim/curves.h"

#include <cmath>

#include "common/fixed.h"

namespace vermora {

float AdvanceProgress(float t, float frames) {
  const float step = 1.0f / (frames - 1.0f);
  return t + step;
}

float CurveFraction(float t, Curve curve, float strength) {
  constexpr float kPi = 3.141593f;
  switch (curve) {
    case Curve::kLinear:
      return t;
    case Curve::kWave:
      return 0.5f * std::sin(2.0f * kPi * (t - 0.25f)) + 0.5f;
    case Curve::kSCurve:
      return 0.5f * std::sin(kPi * (t - 0.5f)) + 0.5f;
    case Curve::kAccelerate:
      return std::pow(t, 2.0f * strength);
    case Curve::kDecelerate:
      if (strength == 0) strength = 0.1f;
      return std::pow(t, 0.5f / strength);
  }
  return t;
}

float NextValue(float S, float E, float V, float f, float frames, Curve curve) {
  if (S == E) return V;
  if (curve == Curve::kLinear) return V + (E - S) / (frames - 1.0f);
  return S + (E - S) * f;
}

std::string WriteBackText(float V, WriteBack kind) {
  switch (kind) {
    case WriteBack::kRounded: {
      const double whole = std::nearbyint(static_cast<double>(V));  // halves to even
      if (!(std::fabs(whole) < 9e18)) return Fixed(whole, 3, 0);    // no integer holds it
      return IntegerText(static_cast<long long>(whole));
    }
    case WriteBack::kWhole:
      return Fixed(std::trunc(V), 3, 0);
    case WriteBack::kDecimal:
      return Fixed(V, 5, 3);
  }
  return {};
}

}  // namespace vermora
