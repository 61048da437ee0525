#include "variation/shared_steps.h"

namespace vermora {

using F = Form;
using U = Unless;

void DoubleSpiralShapeSteps(Steps& s) {
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

void WormPlacementSteps(Steps& s, Form translate_form) {
  for (const char* name : {"EdPostScaleX", "EdPostScaleY", "EdPostScaleZ"}) {
    s.Step(name, 0.05, F::kF42, U::kOne);
  }
  for (const char* name : {"EdPostRotateX", "EdPostRotateY", "EdPostRotateZ"}) {
    s.Step(name, 10, F::kF3, U::kZero);
  }
  for (const char* name : {"EdPostTranslateX", "EdPostTranslateY", "EdPostTranslateZ"}) {
    s.Step(name, 1, translate_form, U::kZero);
  }
}

}  // namespace vermora
