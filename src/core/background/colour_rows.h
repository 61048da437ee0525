#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "params/number_reading.h"
#include "params/parameter_set.h"

namespace vermora {

// An 8-bit colour as a swatch shows it.
struct Rgb8 {
  int red = 0;
  int green = 0;
  int blue = 0;
  bool operator==(const Rgb8&) const = default;
};

// One colour row of the Backgrd and Povray pages: three fields holding the red,
// green and blue fractions, the swatch that displays them, the button opening
// the colour dialog and the "Update" button that applies typed values.
struct ColourRow {
  std::string_view red, green, blue;
  std::string_view swatch;
  std::string_view dialog_button;
  std::string_view update_button;
  Rgb8 start;  // the swatch's colour before anything updates it
};

std::span<const ColourRow> BackgroundColourRows();

// The row that owns `name` (a field, swatch or button), or null. Clicking one of
// a row's fields shows its update button.
const ColourRow* FindColourRow(std::string_view name);

// The colour dialog's OK: each field receives its component / 255 as fixed(4,3)
// (a red of 166 gives "0.651"). Returns the swatch's new colour.
Rgb8 ApplyChosenColour(ParameterSet& set, const ColourRow& row, Rgb8 chosen);

// "Update": the fields read as numbers (bad text warns and counts as 0), times
// 255, rounded halves to even. The fields are not rewritten. A component beyond
// 0 to 255 shows as the nearest of the two.
Rgb8 SwatchFromFields(const ParameterSet& set, const ColourRow& row, Diagnostics& diagnostics);

// The swatch refresh after a load: every row's swatch from its fields.
struct SwatchColour {
  std::string_view swatch;
  Rgb8 colour;
};
std::vector<SwatchColour> RefreshSwatches(const ParameterSet& set, Diagnostics& diagnostics);

}  // namespace vermora
