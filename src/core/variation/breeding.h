#pragma once

#include <string>

#include "params/parameter_set.h"
#include "variation/engine.h"

namespace vermora {

// Breeding: `set` is the own parent; the partner is what the set holds once the
// partner's file is loaded onto it. The child, left in `set`, takes every bred
// switch and text from one parent, and every bred number from one parent
// (`chkSelection`) or from between the two (`chkTweening`); it keeps the own
// parent's camera. Everything not bred keeps the partner's value.
EngineResult Breed(ParameterSet& set, const ParameterSet& partner,
                   const EngineOptions& options = {});

// Loads the partner from `partner_path` onto a copy of `set` and breeds. A file
// that cannot be read or loaded fails with its message and changes nothing.
EngineResult BreedWithFile(ParameterSet& set, const std::string& partner_path,
                           const EngineOptions& options = {});

// The value a tweened number takes at `fraction` of the way from the smaller
// of `a` and `b` to the larger. The engine uses the fractions 0, 0.1 ... 0.9.
double TweenValue(double a, double b, double fraction);

}  // namespace vermora
