#pragma once

#include <span>
#include <string>
#include <string_view>

#include "common/status.h"
#include "params/number_reading.h"
#include "params/parameter_set.h"
#include "texture/texture_page.h"

namespace vermora {

// The keys of a texture file (".vtr"), in file order.
std::span<const std::string_view> TextureFileKeys();

// The format mark and one line per key; the lists of colour rows 1 to 3 are
// written without their custom colour.
std::string TextureFileText(const ParameterSet& set);
Status SaveTextureFile(const std::string& path, const ParameterSet& set);

// Loads a texture file with the settings loader, applying only the texture keys
// (other lines, as in a hand-edited file, are ignored), then refreshes the page.
// Its failures are the loader's: a wrong mark changes nothing; a line without
// "|", a bad grid or a bad integer stop the load with earlier lines applied.
Status LoadTextureText(const std::string& text, ParameterSet& set, TexturePage& page,
                       Diagnostics& diagnostics);
Status LoadTextureFile(const std::string& path, ParameterSet& set, TexturePage& page,
                       Diagnostics& diagnostics);

// The texture part of the refresh after any load: the swatches of rows 1 to 3
// follow the loaded component texts (which are kept as they stand), and the
// position rule sets cbColor4 from the loaded map.
Status TextureLoadRefresh(ParameterSet& set, TexturePage& page, Diagnostics& diagnostics);

// "Export texture ...": the texture text as the one line of an include file.
// The page's current texture is set; no texture field is written.
Status ExportTextureInclude(const std::string& path, ParameterSet& set, TexturePage& page);

}  // namespace vermora
