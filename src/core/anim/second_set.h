#pragma once

#include <string>
#include <vector>

#include "params/number_reading.h"
#include "params/parameter_set.h"

namespace vermora {

// Whether a second set can be the end of an animation from the first: the
// message to ask about ("Worms not of the same family." ...), or empty.
std::string FamilyProblem(const ParameterSet& first, const ParameterSet& second);
// Every failing family test, in the order they are asked: worm, alternate worm, thing.
std::vector<std::string> FamilyProblems(const ParameterSet& first, const ParameterSet& second);

// The set an animation from `first` to `second` runs on: the first set's
// numbers in the fields, the second set's in the end twins, features that only
// one set has made to grow in or shrink away, and `chkAnim` on. Bad number
// texts of the first set are reported through `diagnostics`.
ParameterSet MixForAnimation(const ParameterSet& first, const ParameterSet& second,
                             Diagnostics& diagnostics);

// Switching the animation on starts every end twin at its parameter's text.
void CopyFieldsToTwins(ParameterSet& set);

}  // namespace vermora
