#pragma once

#include <string>

#include "common/status.h"
#include "params/parameter_set.h"
#include "texture/named_colours.h"

namespace vermora {

// POV-Ray refuses a color_map with more entries than this ("Blend_Map too long").
inline constexpr int kMaxColourMapEntries = 256;

// The colour of a map cell: a colour name of the lists (letter case ignored) or
// the packed integer. Fails with the integer reading's message otherwise.
Status ColourFromText(const std::string& text, Rgb& colour);

// The map cell at (col, row), or "0" where a grid loaded from a file has fewer
// columns than the editor writes (filter and transmit then mean none).
const std::string& MapCell(const Grid& grid, int col, int row);

// The entries of the colour map as color_map text: " [pos color ... ]" per row.
// A map POV-Ray cannot parse (no entries, too many, no colour column) fails with
// a message instead of producing scene text that would stop the render.
Status ColourMapText(const Grid& grid, std::string& text);

}  // namespace vermora
