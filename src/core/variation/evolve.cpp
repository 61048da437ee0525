#include "variation/evolve.h"

#include "params/working_files.h"
#include "variation/kept_parent.h"
#include "variation/shared_steps.h"
#include "variation/steps.h"

namespace vermora {
namespace {

using F = Form;
using U = Unless;

void WormBlock(Steps& s) {
  const double c = s.CountStep("EdNumber");
  s.SpacingStep("EdSpace", c);
  s.Step("EdOmw", 0.05, F::kF42);
  s.Step("EdLegTrig", 4, F::kF3);
  for (const char* name : {"EdXMoveF", "EdYMoveF", "EdZMoveF"}) s.Step(name, 0.1, F::kF42);
  if (!s.IsOn("ChkARot")) {
    for (const char* name : {"EdRotFacX", "EdRotFacY", "EdRotFacZ"}) s.Step(name, 360, F::kF3);
  }
  for (const char* name : {"EdShFX", "EdShFY", "EdShFZ"}) s.Step(name, 0.1, F::kF42);
  s.Step("EdShTrig", 4, F::kF3);
  const double b = s.Number("EdBBScaleSt") + s.R() * 4 * s.factor();
  s.F3("EdBBScaleSt", b);
  double e = s.Number("EdBBScEnd") + s.R() * 4 * s.factor();
  if (e < b) e = b + 5;
  s.F3("EdBBScEnd", e);
  s.Step("EdBBScNr", 2, F::kF3);
  s.Step("EdBBScSW", 1, F::kF42);
  s.Step("EdBBScCenter", 1, F::kF42);
  if (s.IsOn("chkEvBranch")) {
    s.ScaleStep("EdBranchScale", 0.05);
    s.Step("EdBranchRot", 10, F::kF3);
    s.Step("EdBranchTrigger", 1, F::kF3);
  }
  s.Step("EdBaseNumber", 1, F::kF3);
  s.ScaleStep("EdBaseScale", 0.05);
  s.Step("EdBaseRot", 10, F::kF3);
  s.Step("EdTopNumber", 1, F::kF3);
  s.ScaleStep("EdTopScale", 0.05);
  s.Step("EdTopRot", 10, F::kF3);
  s.Step("EdTopVNumber", 2.0f / 3.0f, F::kF3);
  s.Step("EdTopVScaleF", 1, F::kF42);
  s.Step("EdTopVRot", 45, F::kF3);
  s.Step("EdTopVMoveF", 1, F::kF42);
  s.ScaleStep("edTHScale", 0.05);
  s.Step("edCoatST", 4, F::kF3);
  s.Step("edCoatET", 4, F::kF3);

  s.Step("EdRNumber", 4, F::kF3);
  s.Step("EdScaleFactor", 0.05, F::kF42);
  s.Step("EdMajorTurn", 1, F::kF42);
  s.Step("EdTurnFctr", 0.1, F::kF42);
  s.Step("EdMajorDegr", 10, F::kF3);
  if (s.IsOn("ChkXOffset")) s.Step("EdXOffsetFactor", 1, F::kF42);
  s.Step("EdMinorTurn", 0.5, F::kF42);
  s.Step("EdRevs", 1, F::kF3);
  s.ScaleStep("edCTHScale", 0.05);
  s.Step("edCHuskST", 4, F::kF3);
  s.Step("edCHuskET", 4, F::kF3);

  s.Step("edDSNumber", 10, F::kF3);
  DoubleSpiralShapeSteps(s);
  s.Step("edSideTrigger", 10, F::kF3);
  s.Step("edSOScale", 0.05, F::kF42);

  FormAndTwoDSteps(s);

  WormPlacementSteps(s, F::kF42);
}

void ThingBlock(Steps& s) {
  if (s.IsOn("ChkFanOn") || s.IsOn("ChkWheelOn")) {
    s.F3("EdTNumber", s.Number("EdTNumber") + s.R() * 5 * s.factor());
    s.Step("EdTSpread", 20, F::kF3);
    for (const char* name : {"EdTScaleFactorX", "EdTScaleFactorY", "EdTScaleFactorZ"}) {
      s.Step(name, 0.2, F::kF42, U::kZero);
    }
    if (s.IsOn("ChkSymScale")) {
      s.Step("EdSymScaleNumber", 2, F::kF3);
      s.Step("EdSymScaleValue", 0.4, F::kF42);
    }
    for (const char* name : {"EdTOffsetX", "EdTOffsetY", "EdTOffsetZ"}) s.Step(name, 1, F::kF42, U::kZero);
    if (s.IsOn("chkSpiralWay")) {
      s.Step("edTOmwBasis", 0.05, F::kF42);
      s.SpacingStep("edTNumberSpace", s.Number("EdTNumber"));
      for (const char* name : {"edTMoveX", "edTMoveY", "edTMoveZ"}) s.Step(name, 0.1, F::kF42);
    }
    s.Step("EdKropDegrees", 10, F::kF3);
    s.Step("EdWaveNumber", 2, F::kF3);
    if (s.IsOn("ChkTentacle")) {
      s.Step("EdTentStart", 2, F::kF3);
      s.Step("EdTentNumber", 1, F::kF3);
      s.Step("EdTentRot", 10, F::kF3);
      s.ScaleStep("EdTentScale", 0.1);
      s.Step("EdTentGrow", 0.1, F::kF42);
    }
  }
  if (s.IsOn("ChkTrilobyt")) {
    s.Step("EdTwistBase", 0.05, F::kF42);
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
    s.Step("EdXTransFactor", 2, F::kF42);
    s.Step("EdMinorRad", 0.5, F::kF42);
    s.Step("EdRevolutions", 0.5, F::kF42);
  }
  if (s.IsOn("chkHornOn")) {
    s.Step("EdFinAng", 10, F::kF3);
    s.Step("EdRy", 2, F::kF42);
    s.ScaleStep("EdStartScale", 0.1);
    s.ScaleStep("EdEndScale", 0.1);
    s.Step("EdSmoothness", 2, F::kF3);
    const double d = s.R() * 10 * s.factor();
    for (const char* name : {"EdHRotXInc", "EdHRotYInc", "EdHRotZInc"}) s.F3(name, s.Number(name) + d);
    s.Step("EdZTransInc", 1, F::kF42);
  }
  if (s.IsOn("chkHullOn")) {
    s.Step("edHullNumber", 5, F::kF3);
    s.Step("edHullAngle", 10, F::kF3);
  }
  if (s.IsOn("chkTSerie")) {
    s.Step("edSWTrig", 4, F::kF3);
    s.Step("edSWETrig", 4, F::kF3);
  }
  if (s.IsOn("chkTInterval")) s.Step("IntTrigger", 4, F::kF3);
}

}  // namespace

EngineResult RunEvolve(ParameterSet& set, const EngineOptions& options) {
  return RunEngine(set, options, [](EngineRun& run) {
    if (Status parent = StartFromKeptParent(run, kEvolveFile); !parent.ok()) return parent;
    run.random.ReseedFromClock(run.clock);
    Steps s(run.set, run.random, run.diagnostics);
    s.set_factor(s.Number("EdEvFactor"));
    if (s.IsOn("ChkEvWorm")) WormBlock(s);
    if (s.IsOn("ChkEvThing")) ThingBlock(s);
    ThingPostSteps(s, F::kF42);
    return Status::Ok();
  });
}

}  // namespace vermora
