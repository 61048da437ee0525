#pragma once

#include <span>

#include "params/param_def.h"

namespace vermora {

// The one declarative list of every parameter, in the settings-file order
// ("chkAnim" first, then the window's component order). Pages, file order and
// defaults are all generated from it: a new parameter is one new row.
std::span<const ParamDef> ParamTable();

// The per-page pieces the table is assembled from, each in its own file.
std::span<const ParamDef> MainParams();
std::span<const ParamDef> GeneralParams();
std::span<const ParamDef> SpiralWormParams();
std::span<const ParamDef> OtherWormParams();
std::span<const ParamDef> PostprocParams();
std::span<const ParamDef> ThingParams();
std::span<const ParamDef> TextureParams();
std::span<const ParamDef> FeatureParams();
std::span<const ParamDef> BackgroundParams();
std::span<const ParamDef> PovrayParams();

}  // namespace vermora
