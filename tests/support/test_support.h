#include <gtest/gtest.h>
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "compose/composer.h"
#include "model/include_library.h"
#include "params/parameter_set.h"
#include "render/renderer.h"

namespace vermora::test {

// Compares `actual` with tests/golden/<name>; with VERMORA_UPDATE_GOLDEN=1 set,
// rewrites the golden file instead (review the diff before committing it).
::testing::AssertionResult MatchesGolden(const std::string& name, const std::string& actual);

// The default set with the Wheel off: the SpiralWorm alone.
ParameterSet SpiralOnly();

// A fresh folder under /tmp, removed by the caller when wanted.
std::string MakeTempFolder();
// A test in a fresh folder `dir_` (ending in "/"), removed after the test.
class InTempFolder : public ::testing::Test {
 protected:
  ~InTempFolder() override { std::filesystem::remove_all(dir_); }
  const std::string dir_ = MakeTempFolder();
};

// True when the real renderer is installed. The setup script installs it, so
// tests that render fail without it rather than skip.
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
// Success when `run` ended with `code` and printed `text` (the output is shown otherwise).
::testing::AssertionResult Says(const ShellRun& run, int code, const std::string& text);

// Whether `part` stands anywhere in `text`.
inline bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// The whole content of a file ("" when it cannot be read).
std::string ReadFile(const std::string& path);

// The scene text of `set`, expecting it to compose without error.
std::string Scene(const ParameterSet& set);

// The include files a scene reads: our data folder's, then POV-Ray's installed ones.
IncludeLibrary& Includes();

// How often `line` occurs as a whole line of `scene`.
size_t CountLines(const std::string& scene, const std::string& line);
// The lines of a text without their CR LF, expecting every line to end in CR LF.
std::vector<std::string> Lines(const std::string& text);

// A rendered picture, its pixels row by row from the top, each 0xRRGGBB.
struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
  // How many pixels differ from the top left corner's colour by more than a little.
  int Differing() const;
  // The mean position of those pixels, as fractions of the width and height.
  std::pair<double, double> CentreOfDiffering() const;
  // The mean of all colour channels, 0 to 255.
  double MeanLevel() const;
};
// Reads a 24- or 32-bit BMP (empty when it is not one).
Picture ReadBmp(const std::string& path);

// A 32x24 render of a scene text in a folder of its own (removed again).
struct Rendered {
  RenderOutcome outcome;
  Picture picture;
  std::vector<std::string> files_left;  // what stayed in the folder, sorted
};
Rendered RenderScene(const std::string& scene, const std::string& width = "32",
                     const std::string& height = "24", bool antialias = false);
Rendered RenderSet(ParameterSet set);  // composed at 32x24 and a fixed clock
// The scene of `set` composed at a fixed clock, expecting no error.
ComposeResult ComposeAtFixedClock(const ParameterSet& set);

// Where a creature must show in its picture.
enum class InView { kSomewhere, kNearTheMiddle };
// Renders `set` at 32x24, from a camera twice as near when it stands where it
// starts, and expects no error and a picture in which at least 10 of the 768
// pixels show the creature, for kNearTheMiddle with their centre off the edges
// (in the middle four fifths each way).
void ExpectRenders(ParameterSet set, InView view = InView::kNearTheMiddle);

// A set as one user makes it, edit by edit through the setters with the form
// rules installed: switches flipped, worms chosen, numbers typed between -1
// and 3 times their default. Object fields, texture texts and file names stay.
ParameterSet UserSet(std::uint32_t seed);

}  // namespace vermora::test
