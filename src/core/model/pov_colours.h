#pragma once

#include <array>
#include <string_view>

namespace vermora {

// The colour a scene names: POV-Ray's colors.inc names and those our
// vmxpred.inc adds, letter case as written. Sets red, green, blue, filter,
// transmit and gives true when `name` is one of them.
bool FindPovColour(std::string_view name, std::array<double, 5>& rgbft);

}  // namespace vermora
