#pragma once

#include <string>
#include <string_view>

#include "params/param_def.h"

namespace vermora {

// A picture side as the command line takes it: a whole number of pixels from 1
// to kLargestPictureSide, in digits alone. Nothing else may stand where a size
// goes, or a set could add options of its own ("24 +O/home/me/x.png").
inline constexpr int kLargestPictureSide = 16384;
bool ValidPictureSide(std::string_view text);

// What is wrong with the text of an entry field, in the user's words, or empty:
// a number field holds a number, a whole-number field a whole number, the
// picture's width and height a whole number of pixels from 1 to 16384.
std::string EntryProblem(const ParamDef& def, std::string_view text);

class ParameterSet;

// The first entry field of the set whose text is unusable, named where the user
// finds it, with its text and what is needed; empty when every one is fine.
std::string FirstEntryProblem(const ParameterSet& set);

}  // namespace vermora
