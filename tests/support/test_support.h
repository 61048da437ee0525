#include <gtest/gtest.h>
#pragma once

#include <cstdint>
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

// A command's exit code and what it printed (stderr joined to stdout).
struct ShellRun {
  int code;
  std::string output;
};
ShellRun Shell(const std::string& command);
// Runs vermora-cli with `args`, already quoted for the shell.
ShellRun Cli(const std::string& args);

// The whole content of a file ("" when it cannot be read).
std::string ReadFile(const std::string& path);

// The scene text of `set`, expecting it to compose without error.
std::string Scene(const ParameterSet& set);

// How often `line` occurs as a whole line of `scene`.
size_t CountLines(const std::string& scene, const std::string& line);

// Renders `set` at 32x24 with the real renderer and expects no error line
// (skips when POV-Ray is not installed).
void ExpectRenders(ParameterSet set);

// A set as one user makes it, edit by edit through the setters with the form
// rules installed: switches flipped, worms chosen, numbers typed between -1
// and 3 times their default. Object fields, texture texts and file names stay.
ParameterSet UserSet(std::uint32_t seed);

}  // namespace vermora::test
