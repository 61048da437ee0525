#pragma once

#include <string>

#include "common/status.h"
#include "params/parameter_set.h"

namespace vermora {

// Index of the pigment and normal type lists.
inline constexpr int kPigmentSolid = 0;
inline constexpr int kPigmentAgate = 4;
inline constexpr int kPigmentImageMap = 20;
inline constexpr int kNormalNone = 0;
inline constexpr int kNormalBumpMap = 20;

// Whether the pigment type paints with the colour map (Agate to Wrinkles).
bool UsesColourMap(int pigment_type);

// The texture text of the Textures pages: pigment, normal, finish and the
// texture transform, one POV-Ray texture statement. Entry fields are copied as
// they stand; only the colour map's packed colours are formatted here.
// `depth_shown` is whether the normal depth field is visible: a hidden depth is
// written as a single blank. Fails, writing nothing, for a colour cell that is
// neither a colour name nor an integer, or a map POV-Ray cannot take.
Status BuildTexture(const ParameterSet& set, bool depth_shown, std::string& text);
// The same with the depth shown as the normal type's change rule shows it.
Status BuildTexture(const ParameterSet& set, std::string& text);

// The pieces, for tests and the window's own previews.
Status PigmentPart(const ParameterSet& set, std::string& text);
std::string NormalPart(const ParameterSet& set, bool depth_shown);
std::string FinishPart(const ParameterSet& set);
std::string ImageMapText(const ParameterSet& set);

}  // namespace vermora
