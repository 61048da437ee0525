#pragma once

#include <vector>

#include "common/status.h"
#include "params/number_reading.h"
#include "params/parameter_set.h"
#include "texture/texture_page.h"

namespace vermora {

// The start map: white at 0 and black at 1.
Grid StartColourMap();

// The position rule, run when the slider moves: the label shows the position
// (two significant digits, "0.120" for 123), and cbColor4, its swatch and the
// filter and transmit fields take the entry at or before that position.
// Fails with "Could not find position!" when no entry lies there, or with the
// integer reading's message for a colour cell that is no colour.
Status PositionChange(ParameterSet& set, TexturePage& page, Diagnostics& diagnostics);
// Moves the slider (clamped to 0..1000), then runs the position rule.
Status MoveSlider(ParameterSet& set, TexturePage& page, int position, Diagnostics& diagnostics);

// "Add Color": the swatch colour of colour 4 at the label's position, replacing the
// entry there or inserting one (which keeps the filter and transmit of the entry
// after it). Refuses a map that already holds as many entries as POV-Ray takes.
Status AddColour(ParameterSet& set, const TexturePage& page, Diagnostics& diagnostics);

// "Delete Color": removes the entry at or before the label's position; the
// entries at 0 and 1 stay. Its refusals are shown in an information box.
Status DeleteColour(ParameterSet& set, const TexturePage& page, Diagnostics& diagnostics);

// "Dflt": the start map, slider at 0, a white swatch of colour 4, label "0.000".
void DefaultColourMap(ParameterSet& set, TexturePage& page);

// The strip of the map as `width` pixel columns of packed colours, each pair of
// neighbouring entries blended linearly; columns no pair covers are -1.
Status ColourMapStrip(const Grid& grid, int width, std::vector<int>& columns,
                      Diagnostics& diagnostics);

}  // namespace vermora
