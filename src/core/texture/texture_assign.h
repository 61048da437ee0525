#pragma once

#include <span>
#include <string_view>

#include "common/status.h"
#include "params/parameter_set.h"
#include "texture/texture_page.h"

namespace vermora {

// One assign button of Textures/General and the texture field(s) it fills.
struct AssignTarget {
  std::string_view button;   // control name, e.g. "sbAssignThing"
  std::string_view caption;  // "Worm/Thing"
  std::string_view field;
  std::string_view second_field = {};  // TopHart and Husk fill two fields
};

std::span<const AssignTarget> AssignTargets();

// Builds the texture text, keeps it as the page's current texture and writes it
// into the fields of `sender`'s row (none for a sender without a row, as the
// texture export uses it). A failed build writes nothing and keeps the previous
// current texture.
Status AssignTexture(ParameterSet& set, TexturePage& page, std::string_view sender);

}  // namespace vermora
