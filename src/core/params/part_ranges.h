#pragma once

#include <string>
#include <utility>
#include <vector>

#include "params/parameter_set.h"

namespace vermora {

// A part switched on whose range lies outside its worm, so that it changes
// nothing: bubbles from segment 100 on a worm of 30 segments, a side object
// every 500 segments on one of 400.
struct PartRangeProblem {
  std::string field;    // the start or step field that lies outside
  std::string message;  // "Bubbles from segment 100: this worm has 30 segments"
  std::vector<std::pair<std::string, std::string>> fit;  // values that bring the range inside
};

// The parts of the worms in use whose range lies outside; defaults stay as
// they are, the user chooses whether to fit them.
std::vector<PartRangeProblem> PartRangeProblems(const ParameterSet& set);

// Puts the fitting values of `problem` into the set.
void FitPartRange(ParameterSet& set, const PartRangeProblem& problem);

}  // namespace vermora
