#pragma once

#include <array>
#include <string>

namespace vermora {

// What the Textures pages hold beside the parameter set: the colour swatches,
// the colour position slider with its label, and the last texture text built.
// None of it is stored in files; the window keeps one and hands it to the rules.
struct TexturePage {
  std::array<int, 4> swatch{};           // the swatches of colours 1 to 4, packed
  int position = 0;                      // the colour map position x 1000, 0 to 1000
  std::string position_label = "0.000";  // the position as shown, read by add and delete
  std::string current_texture;           // empty until the first build
};

}  // namespace vermora
