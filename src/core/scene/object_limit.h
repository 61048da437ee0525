#pragma once

#include <string>

#include "params/parameter_set.h"

namespace vermora {

// Empty when the estimate of the set's objects stays within `limit`, or cannot
// be read (composing names that fault). Otherwise what the user reads: how many
// objects, the limit, and the field whose value adds the most of them.
std::string ObjectLimitProblem(const ParameterSet& set, double limit);

// The label and page of the number field or switch whose own value, put back
// to its default, takes the most objects away; empty when none does.
std::string LargestObjectShare(const ParameterSet& set);

}  // namespace vermora
