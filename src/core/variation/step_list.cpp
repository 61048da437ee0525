#include "variation/step_list.h"

namespace vermora {
namespace {

using F = Form;
using U = Unless;

void Rotations(Steps& s) {
  if (s.IsOn("ChkARot")) return;
  for (const char* name : {"EdRotFacX", "EdRotFacY", "EdRotFacZ"}) s.Step(name, 360, F::kF3);
}

// The segment objects of every worm drawn anew from the tanks.
void SegmentTanks(Steps& s) {
  for (const char* name : {"edJSegm", "edRSegm", "edDSSegm", "edFWSegm", "edTDSegm"})
    s.TankPick(name);
  if (s.IsOn("ChkAlternate")) {
    for (const char* name : {"edJSegm2", "edRSegm2", "edDSSegm2", "edFWSegm2", "edTDSegm2"}) {
      s.TankPick(name);
    }
  }
}

void SpiralWormSteps(Steps& s, const StepEngine& engine) {
  const bool mutate = engine.mutate, large = engine.large;
  const double c = s.CountStep("EdNumber");
  s.SpacingStep("EdSpace", c);
  s.Step("EdOmw", 0.05, F::kF42);
  s.Step("EdLegTrig", 4, F::kF3);
  // Mutate turns the worm before it moves it, Evolve after.
  if (mutate) {
    s.Flip("ChkARot");
    Rotations(s);
  }
  for (const char* name : {"EdXMoveF", "EdYMoveF", "EdZMoveF"})
    s.Step(name, mutate ? 0.2 : 0.1, F::kF42);
  if (!mutate) Rotations(s);
  for (const char* name : {"EdShFX", "EdShFY", "EdShFZ"}) s.Step(name, 0.1, F::kF42);
  if (mutate) {
    s.F3("EdShTrig", c + 10);
  } else {
    s.Step("EdShTrig", 4, F::kF3);
  }
  const double b = s.Number("EdBBScaleSt") + s.R() * 4 * s.factor();
  s.F3("EdBBScaleSt", b);
  double e = s.Number("EdBBScEnd") + s.R() * 4 * s.factor();
  if (e < b) e = b + 5;
  s.F3("EdBBScEnd", e);
  s.Step("EdBBScNr", 2, F::kF3);
  s.Step("EdBBScSW", 1, F::kF42);
  s.Step("EdBBScCenter", 1, F::kF42);
  if (mutate) {
    s.On("ChkBranchON", false);
  } else if (s.IsOn("chkEvBranch")) {
    s.ScaleStep("EdBranchScale", 0.05);
    s.Step("EdBranchRot", 10, F::kF3);
    s.Step("EdBranchTrigger", 1, F::kF3);
  }

  if (large) {
    s.Flip("ChkBaseOn");
    s.Flip("ChkWormAsBase");
    s.TankPick("EdPredBase");
  }
  s.Step("EdBaseNumber", 1, F::kF3);
  s.ScaleStep("EdBaseScale", 0.05);
  s.Step("EdBaseRot", 10, F::kF3);
  if (large) {
    s.Flip("ChkTopOn");
    s.Flip("ChkWormAsTop");
    s.TankPick("EdPredTop");
  }
  s.Step("EdTopNumber", 1, F::kF3);
  s.ScaleStep("EdTopScale", 0.05);
  s.Step("EdTopRot", 10, F::kF3);
  s.Step("EdTopVNumber", 2.0f / 3.0f, F::kF3);
  s.Step("EdTopVScaleF", 1, F::kF42);
  s.Step("EdTopVRot", 45, F::kF3);
  s.Step("EdTopVMoveF", 1, F::kF42);
  if (large) {
    s.Flip("ChkTopHartOn");
    s.TankPick("EdTopHart");
  }
  s.ScaleStep("edTHScale", 0.05);
  if (large) s.Flip("chkCoatOn");
  if (!mutate || s.IsOn("chkCoatOn")) {
    s.Step("edCoatST", 4, F::kF3);
    s.Step("edCoatET", 4, F::kF3);
  }
}

void CurlWormSteps(Steps& s, const StepEngine& engine) {
  const bool mutate = engine.mutate;
  s.Step("EdRNumber", 4, F::kF3);
  if (mutate) {
    s.ScaleStep("EdScaleFactor", 0.05);
  } else {
    s.Step("EdScaleFactor", 0.05, F::kF42);
  }
  s.Step("EdMajorTurn", 1, F::kF42);
  s.Step("EdTurnFctr", 0.1, F::kF42);
  s.Step("EdMajorDegr", 10, F::kF3);
  if (mutate) s.Flip("ChkXOffset");
  if (s.IsOn("ChkXOffset")) s.Step("EdXOffsetFactor", 1, F::kF42);
  s.Step("EdMinorTurn", 0.5, F::kF42);
  s.Step("EdRevs", 1, F::kF3);
  s.ScaleStep("edCTHScale", 0.05);
  if (!mutate || s.IsOn("chkCHuskOn")) {
    s.Step("edCHuskST", 4, F::kF3);
    s.Step("edCHuskET", 4, F::kF3);
  }
}

void DoubleSpiralSteps(Steps& s, const StepEngine& engine) {
  s.Step("edDSNumber", 10, F::kF3);
  s.Step("edDSEndScale", 0.05, F::kF42);
  s.Step("edYTrans", 2, F::kF42);
  s.Step("edXDev", 1, F::kF42);
  for (const char* name : {"edRotX", "edRotY", "edRotZ"}) s.Step(name, 1, F::kF42);
  s.Step("edMajorStartRadius", 0.5, F::kF42);
  s.Step("edMajorEndRadius", 0.5, F::kF42);
  s.Step("edMajorTurns", 0.2, F::kF42);
  s.Step("edMinorStartRadius", 0.5, F::kF42);
  s.Step("edMinorEndRadius", 0.5, F::kF42);
  s.Step("edMinorTurns", 0.2, F::kF42);
  // The side objects: Evolve moves them; Mutate leaves them but when large,
  // and then either puts them past the last segment or moves them.
  if (engine.mutate && !engine.large) return;
  if (engine.large && s.Pick(2) == 0) {
    s.F3("edSideTrigger", s.Number("edDSNumber") + 1);
    return;
  }
  s.Step("edSideTrigger", 10, F::kF3);
  s.Step("edSOScale", 0.05, F::kF42);
}

void FormAndTwoDSteps(Steps& s) {
  const double f = s.CountStep("edFWNumber");
  s.SpacingStep("edFWSpace", f);
  s.Step("edFWShrink", 0.1, F::kF42);
  s.Step("edFWTwists", 1, F::kF42);
  s.Step("edFWRadius", 0.1, F::kF42);
  s.Step("edFWUpInc", 0.1, F::kF42);
  s.Step("edFWZTrans", 0.5, F::kF42, U::kNotPositive);
  const double t = s.CountStep("edTDNumber");
  s.SpacingStep("edTDSpace", t);
  s.Step("edTDSF", 0.1, F::kF42);
  s.Step("edObjRotXTot", 10, F::kF3, U::kNotPositive);
  s.Step("edObjRotYTot", 10, F::kF3, U::kNotPositive);
  if (!s.IsOn("chkTDAutoRot")) s.Step("edObjRotZTot", 10, F::kF3);
}

// The scale, rotation and translation of a worm or of the thing; Mutate writes
// the translation as a whole number.
void PlacementSteps(Steps& s, const StepEngine& engine, const char* const (&scales)[3],
                    const char* const (&rotations)[3], const char* const (&translations)[3]) {
  for (const char* name : scales) s.Step(name, 0.05, F::kF42, U::kOne);
  for (const char* name : rotations) s.Step(name, 10, F::kF3, U::kZero);
  for (const char* name : translations) {
    s.Step(name, 1, engine.mutate ? F::kF3 : F::kF42, U::kZero);
  }
}

void FanWheelSteps(Steps& s, const StepEngine& engine) {
  const bool mutate = engine.mutate;
  const double tn = s.Number("EdTNumber") + s.R() * 5 * s.factor();
  s.F3("EdTNumber", tn);
  s.Step("EdTSpread", 20, F::kF3);
  for (const char* name : {"EdTScaleFactorX", "EdTScaleFactorY", "EdTScaleFactorZ"}) {
    s.Step(name, 0.2, F::kF42, U::kZero);
  }
  if (mutate) s.Flip("ChkSymScale");
  if (s.IsOn("ChkSymScale")) {
    s.Step("EdSymScaleNumber", 2, F::kF3);
    s.Step("EdSymScaleValue", 0.4, F::kF42);
  }
  // Mutate moves an offset by up to the new arm count, Evolve by the factor.
  for (const char* name : {"EdTOffsetX", "EdTOffsetY", "EdTOffsetZ"}) {
    if (!mutate) {
      s.Step(name, 1, F::kF42, U::kZero);
    } else if (const float old = s.Number(name); old != 0.0f) {
      s.F42(name, old + s.R() * tn);
    }
  }
  if (mutate) s.Flip("chkSpiralWay");
  if (s.IsOn("chkSpiralWay")) {
    s.Step("edTOmwBasis", 0.05, F::kF42);
    s.SpacingStep("edTNumberSpace", s.Number("EdTNumber"));
    for (const char* name : {"edTMoveX", "edTMoveY", "edTMoveZ"})
      s.Step(name, mutate ? 0.2 : 0.1, F::kF42);
  }
  s.Step("EdKropDegrees", 10, F::kF3);
  if (mutate) s.Flip("ChkWave");
  s.Step("EdWaveNumber", 2, F::kF3);
  if (mutate) s.Flip("ChkTentacle");
  if (s.IsOn("ChkTentacle")) {
    if (engine.large) {
      s.Flip("ChkWormAsTent");
      s.TankPick("EdTentName");
    }
    s.Step("EdTentStart", 2, F::kF3);
    s.Step("EdTentNumber", 1, F::kF3);
    s.Step("EdTentRot", 10, F::kF3);
    s.ScaleStep("EdTentScale", 0.1);
    s.Step("EdTentGrow", 0.1, F::kF42);
  }
}

void TrilobytSteps(Steps& s, const StepEngine& engine) {
  if (engine.mutate) s.Flip("ChkTwisting");
  s.Step("EdTwistBase", 0.05, F::kF42);
  if (engine.mutate) s.Flip("ChkTArot");
  s.Step("EdTrNumber", 5, F::kF3);
  s.Step("EdTrXStep", 0.4, F::kF42);
  s.Step("EdTrYStep", 0.4, F::kF42, U::kZero);
  s.Step("EdTrZStep", 0.4, F::kF42, U::kZero);
  s.Step("EdTrScale", 0.1, F::kF42, U::kZero);
  for (const char* name : {"EdUpFactor", "EdRotZAmount", "EdSpindleAmount"}) {
    s.Step(name, 10, F::kF3, U::kZero);
  }
}

void AnemoneSteps(Steps& s, const StepEngine& engine) {
  s.Step("EdANumber", 10, F::kF3);
  s.Step("EdAScaleFactor", 0.1, F::kF42, U::kZero);
  s.Step("EdMajorRad", 1, F::kF42);
  s.Step("EdRadFactor", 0.5, F::kF42, U::kZero);
  s.Step("EdTurns", 10, F::kF3, U::k360);
  if (engine.mutate) s.Flip("ChkXTrans");
  s.Step("EdXTransFactor", 2, F::kF42);
  s.Step("EdMinorRad", 0.5, F::kF42);
  s.Step("EdRevolutions", 0.5, F::kF42);
}

// The horn is where the engines part most: Evolve turns all three increments by
// one draw, Mutate each by its own and also steps the anemone's turns.
void HornSteps(Steps& s, const StepEngine& engine) {
  s.Step("EdFinAng", 10, F::kF3);
  if (engine.mutate) {
    for (const char* name : {"EdRx", "EdRy", "EdStartScale", "EdEndScale"})
      s.Step(name, 0.5, F::kF42);
    s.Step("EdHRotXInc", 1, F::kF42);
    s.Step("EdHRotYInc", 1, F::kF42);
    if (!s.IsOn("chkAutoRotZ")) s.Step("EdHRotZInc", 1, F::kF42);
    s.Step("EdTurns", 0.5, F::kF42, U::kZero);
    return;
  }
  s.Step("EdRy", 2, F::kF42);
  s.ScaleStep("EdStartScale", 0.1);
  s.ScaleStep("EdEndScale", 0.1);
  s.Step("EdSmoothness", 2, F::kF3);
  const double d = s.R() * 10 * s.factor();
  for (const char* name : {"EdHRotXInc", "EdHRotYInc", "EdHRotZInc"})
    s.F3(name, s.Number(name) + d);
  s.Step("EdZTransInc", 1, F::kF42);
}

}  // namespace

void WormSteps(Steps& s, const StepEngine& engine) {
  if (engine.large) SegmentTanks(s);
  SpiralWormSteps(s, engine);
  CurlWormSteps(s, engine);
  DoubleSpiralSteps(s, engine);
  FormAndTwoDSteps(s);
  PlacementSteps(s, engine, {"EdPostScaleX", "EdPostScaleY", "EdPostScaleZ"},
                 {"EdPostRotateX", "EdPostRotateY", "EdPostRotateZ"},
                 {"EdPostTranslateX", "EdPostTranslateY", "EdPostTranslateZ"});
}

void ThingSteps(Steps& s, const StepEngine& engine) {
  const bool large = engine.large;
  if (s.IsOn("ChkFanOn") || s.IsOn("ChkWheelOn")) FanWheelSteps(s, engine);
  if (s.IsOn("ChkTrilobyt")) TrilobytSteps(s, engine);
  if (s.IsOn("ChkAnemoneOn")) AnemoneSteps(s, engine);
  if (s.IsOn("chkHornOn")) HornSteps(s, engine);
  if (s.IsOn("chkHullOn")) {
    s.Step("edHullNumber", 5, F::kF3);
    s.Step("edHullAngle", 10, F::kF3);
  }
  if (large) {
    if (s.IsOn("chkTailOn")) s.TankPick("edTail");
    if (s.IsOn("ChkTrLinkOn")) s.TankPick("EdTrLink");
    if (s.IsOn("ChkTrHeadOn")) s.TankPick("EdTrHead");
  }
  if (s.IsOn("chkTSerie")) {
    s.Step("edSWTrig", 4, F::kF3);
    s.Step("edSWETrig", 4, F::kF3);
    if (large) s.TankPick("edTail");
  }
  if (s.IsOn("chkTInterval")) {
    s.Step("IntTrigger", 4, F::kF3);
    if (large) s.TankPick("edTail");
  }
}

void ThingPostSteps(Steps& s, const StepEngine& engine) {
  PlacementSteps(s, engine, {"EdTPostScaleX", "EdTPostScaleY", "EdTPostScaleZ"},
                 {"EdTPostRotateX", "EdTPostRotateY", "EdTPostRotateZ"},
                 {"EdTPostTranslateX", "EdTPostTranslateY", "EdTPostTranslateZ"});
}

}  // namespace vermora
