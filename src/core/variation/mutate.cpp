#include "variation/mutate.h"

#include "params/working_files.h"
#include "variation/kept_parent.h"
#include "variation/shared_steps.h"
#include "variation/steps.h"

namespace vermora {
namespace {

using F = Form;
using U = Unless;

void WormBlock(Steps& s, bool large) {
  if (large) {
    for (const char* name : {"edJSegm", "edRSegm", "edDSSegm", "edFWSegm", "edTDSegm"}) s.TankPick(name);
    if (s.IsOn("ChkAlternate")) {
      for (const char* name : {"edJSegm2", "edRSegm2", "edDSSegm2", "edFWSegm2", "edTDSegm2"}) {
        s.TankPick(name);
      }
    }
  }
  const double c = s.CountStep("EdNumber");
  s.SpacingStep("EdSpace", c);
  s.Step("EdOmw", 0.05, F::kF42);
  s.Step("EdLegTrig", 4, F::kF3);
  s.Flip("ChkARot");
  if (!s.IsOn("ChkARot")) {
    for (const char* name : {"EdRotFacX", "EdRotFacY", "EdRotFacZ"}) s.Step(name, 360, F::kF3);
  }
  for (const char* name : {"EdXMoveF", "EdYMoveF", "EdZMoveF"}) s.Step(name, 0.2, F::kF42);
  for (const char* name : {"EdShFX", "EdShFY", "EdShFZ"}) s.Step(name, 0.1, F::kF42);
  s.F3("EdShTrig", c + 10);
  const double b = s.Number("EdBBScaleSt") + s.R() * 4 * s.factor();
  s.F3("EdBBScaleSt", b);
  double e = s.Number("EdBBScEnd") + s.R() * 4 * s.factor();
  if (e < b) e = b + 5;
  s.F3("EdBBScEnd", e);
  s.Step("EdBBScNr", 2, F::kF3);
  s.Step("EdBBScSW", 1, F::kF42);
  s.Step("EdBBScCenter", 1, F::kF42);
  s.On("ChkBranchON", false);

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
  if (s.IsOn("chkCoatOn")) {
    s.Step("edCoatST", 4, F::kF3);
    s.Step("edCoatET", 4, F::kF3);
  }

  s.Step("EdRNumber", 4, F::kF3);
  s.ScaleStep("EdScaleFactor", 0.05);
  s.Step("EdMajorTurn", 1, F::kF42);
  s.Step("EdTurnFctr", 0.1, F::kF42);
  s.Step("EdMajorDegr", 10, F::kF3);
  s.Flip("ChkXOffset");
  if (s.IsOn("ChkXOffset")) s.Step("EdXOffsetFactor", 1, F::kF42);
  s.Step("EdMinorTurn", 0.5, F::kF42);
  s.Step("EdRevs", 1, F::kF3);
  s.ScaleStep("edCTHScale", 0.05);
  if (s.IsOn("chkCHuskOn")) {
    s.Step("edCHuskST", 4, F::kF3);
    s.Step("edCHuskET", 4, F::kF3);
  }

  s.Step("edDSNumber", 10, F::kF3);
  DoubleSpiralShapeSteps(s);
  if (large) {
    if (s.Pick(2) == 0) {
      s.F3("edSideTrigger", s.Number("edDSNumber") + 1);
    } else {
      s.Step("edSideTrigger", 10, F::kF3);
      s.Step("edSOScale", 0.05, F::kF42);
    }
  }

  FormAndTwoDSteps(s);

  WormPlacementSteps(s, F::kF3);
}

void FanWheel(Steps& s, bool large) {
  const double tn = s.Number("EdTNumber") + s.R() * 5 * s.factor();
  s.F3("EdTNumber", tn);
  s.Step("EdTSpread", 20, F::kF3);
  for (const char* name : {"EdTScaleFactorX", "EdTScaleFactorY", "EdTScaleFactorZ"}) {
    s.Step(name, 0.2, F::kF42, U::kZero);
  }
  s.Flip("ChkSymScale");
  if (s.IsOn("ChkSymScale")) {
    s.Step("EdSymScaleNumber", 2, F::kF3);
    s.Step("EdSymScaleValue", 0.4, F::kF42);
  }
  for (const char* name : {"EdTOffsetX", "EdTOffsetY", "EdTOffsetZ"}) {
    const float old = s.Number(name);
    if (old != 0.0f) s.F42(name, old + s.R() * tn);
  }
  s.Flip("chkSpiralWay");
  if (s.IsOn("chkSpiralWay")) {
    s.Step("edTOmwBasis", 0.05, F::kF42);
    s.SpacingStep("edTNumberSpace", s.Number("EdTNumber"));
    for (const char* name : {"edTMoveX", "edTMoveY", "edTMoveZ"}) s.Step(name, 0.2, F::kF42);
  }
  s.Step("EdKropDegrees", 10, F::kF3);
  s.Flip("ChkWave");
  s.Step("EdWaveNumber", 2, F::kF3);
  s.Flip("ChkTentacle");
  if (s.IsOn("ChkTentacle")) {
    if (large) {
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

void ThingBlock(Steps& s, bool large) {
  if (s.IsOn("ChkFanOn") || s.IsOn("ChkWheelOn")) FanWheel(s, large);
  if (s.IsOn("ChkTrilobyt")) {
    s.Flip("ChkTwisting");
    s.Step("EdTwistBase", 0.05, F::kF42);
    s.Flip("ChkTArot");
    s.Step("EdTrNumber", 5, F::kF3);
    s.Step("EdTrXStep", 0.4, F::kF42);
    s.Step("EdTrYStep", 0.4, F::kF42, U::kZero);
    s.Step("EdTrZStep", 0.4, F::kF42, U::kZero);
    s.Step("EdTrScale", 0.1, F::kF42, U::kZero);
    for (const char* name : {"EdUpFactor", "EdRotZAmount", "EdSpindleAmount"}) {
      s.Step(name, 10, F::kF3, U::kZero);
    }
  }
  if (s.IsOn("ChkAnemoneOn")) {
    s.Step("EdANumber", 10, F::kF3);
    s.Step("EdAScaleFactor", 0.1, F::kF42, U::kZero);
    s.Step("EdMajorRad", 1, F::kF42);
    s.Step("EdRadFactor", 0.5, F::kF42, U::kZero);
    s.Step("EdTurns", 10, F::kF3, U::k360);
    s.Flip("ChkXTrans");
    s.Step("EdXTransFactor", 2, F::kF42);
    s.Step("EdMinorRad", 0.5, F::kF42);
    s.Step("EdRevolutions", 0.5, F::kF42);
  }
  if (s.IsOn("chkHornOn")) {
    s.Step("EdFinAng", 10, F::kF3);
    for (const char* name : {"EdRx", "EdRy", "EdStartScale", "EdEndScale"}) s.Step(name, 0.5, F::kF42);
    s.Step("EdHRotXInc", 1, F::kF42);
    s.Step("EdHRotYInc", 1, F::kF42);
    if (!s.IsOn("chkAutoRotZ")) s.Step("EdHRotZInc", 1, F::kF42);
    s.Step("EdTurns", 0.5, F::kF42, U::kZero);
  }
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

}  // namespace

EngineResult RunMutate(ParameterSet& set, const EngineOptions& options) {
  return RunEngine(set, options, [](EngineRun& run) {
    if (Status parent = StartFromKeptParent(run, kMutateFile); !parent.ok()) return parent;
    run.random.ReseedFromClock(run.clock);
    Steps s(run.set, run.random, run.diagnostics);
    s.set_factor(s.Number("EdMutFactor"));
    const bool large = s.factor() > 4;
    if (s.IsOn("ChkMutWorm")) WormBlock(s, large);
    if (s.IsOn("ChkMutThing")) ThingBlock(s, large);
    ThingPostSteps(s, F::kF3);
    return Status::Ok();
  });
}

}  // namespace vermora
