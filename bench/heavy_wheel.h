#pragma once

#include "params/parameter_set.h"

// The heaviest Wheel of the benches: 400 arms of 300 segments with links,
// tentacles, scrambling and waves.
inline vermora::ParameterSet HeavyWheel() {
  vermora::ParameterSet wheel;
  wheel.SetText("EdTNumber", "400");
  wheel.SetText("EdNumber", "300");
  for (const char* on : {"ChkTentacle", "ChkTrLinkOn", "chkScrambleS", "chkScrambleR", "ChkWave"}) {
    wheel.SetOn(on, true);
  }
  wheel.SetText("EdTentStart", "0");
  wheel.SetText("EdTentNumber", "6");
  return wheel;
}
