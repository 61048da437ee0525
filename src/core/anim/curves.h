#pragma once

#include <string>

#include "params/animated_params.h"

namespace vermora {

// The curve choices of the Animation page, in item order.
enum class Curve { kLinear = 0, kWave, kSCurve, kAccelerate, kDecelerate };

// The progress of the next frame: t + 1/(N - 1), kept in single precision so
// that t carries the rounding of every step.
float AdvanceProgress(float t, float frames);

// The curve fraction at progress t; `strength` matters only to the last two.
float CurveFraction(float t, Curve curve, float strength);

// The value of the next frame from start S, end E and the previous value V.
// Linear steps from V; the other curves place the value from S afresh.
float NextValue(float S, float E, float V, float f, float frames, Curve curve);

// The field text for value V in the given write-back kind.
std::string WriteBackText(float V, WriteBack kind);

}  // namespace vermora
