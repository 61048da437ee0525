#include <gtest/gtest.h>
#pragma once

#include <string>

#include "params/parameter_set.h"

namespace vermora::test {

// Compares `actual` with tests/golden/<name>; with VERMORA_UPDATE_GOLDEN=1 set,
// rewrites the golden file instead (review the diff before committing it).
::testing::AssertionResult MatchesGolden(const std::string& name, const std::string& actual);

// The default set with the Wheel off: the SpiralWorm alone.
ParameterSet SpiralOnly();

// A fresh folder under /tmp, removed by the caller when wanted.
std::string MakeTempFolder();

// True when the real renderer is installed (tests that need it skip otherwise).
bool HavePovray();
inline constexpr const char* kPovray = "/usr/bin/povray";

}  // namespace vermora::test
