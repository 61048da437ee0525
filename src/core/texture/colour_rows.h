#pragma once

#include <string_view>

#include "params/number_reading.h"
#include "params/parameter_set.h"
#include "texture/texture_page.h"

namespace vermora {

// The colour change rule of cbColor1 to cbColor4 (any other name does nothing):
// the list's swatch takes the named colour, or the custom colour in the list's
// tag for "Custom Color" or no item; then the component fields of rows 1 to 3
// are refreshed from their swatches, whichever list changed.
void ColourChange(ParameterSet& set, TexturePage& page, std::string_view list);

// editRed/Green/Blue of rows 1 to 3 := swatch component / 255, four decimals.
void RefreshComponentFields(ParameterSet& set, const TexturePage& page);
void RefreshComponentFields(ParameterSet& set, const TexturePage& page, int row);

// The colour dialog of row 1 to 4: BeginChooseColour refreshes the row's fields
// and gives the dialog's starting colour; ChooseColour applies the colour the
// user confirmed (the list's tag, "Custom Color", the change rule).
int BeginChooseColour(ParameterSet& set, const TexturePage& page, int row);
void ChooseColour(ParameterSet& set, TexturePage& page, int row, int packed_colour);

// "Upd" of row 1 to 3: the typed component fractions become the swatch colour
// and the list shows "Custom Color" (its tag is kept). Bad text warns and
// reads as 0; fractions outside 0..1 are held to the nearest valid component.
void UpdateColourRow(ParameterSet& set, TexturePage& page, int row, Diagnostics& diagnostics);

// The list name of colour row 1 to 4 ("cbColor1").
std::string ColourListName(int row);

}  // namespace vermora
