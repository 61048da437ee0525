#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vermora {

// A colour as the colour lists, swatches and map cells hold it: 8-bit red,
// green and blue packed as red + 256 * green + 65536 * blue.
struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const Rgb&) const = default;
};

int PackRgb(Rgb colour);
// Any integer gives a valid colour: only its low 24 bits count, so a negative or
// oversized number read from a file cannot produce components outside 0..255.
Rgb UnpackRgb(std::int64_t packed);

struct NamedColour {
  std::string_view name;  // the list item, display blanks included
  Rgb rgb;
};

inline constexpr int kNamedColourCount = 125;
inline constexpr int kCustomColourIndex = 125;  // "Custom Color", the last list item

// The 125 named colours in list order.
std::span<const NamedColour> NamedColourTable();

// The 126 list items: the colour names, then "Custom Color".
std::span<const std::string_view> ColourListItems();

// The index of the named colour whose item equals `text` as a whole, letter case
// ignored, or -1. "Custom Color" names no colour and is not found.
int FindNamedColour(std::string_view text);

// A component as a fraction of 255 with four decimals ("0.3294"), as the
// colour rows' component fields show it.
std::string ComponentText(std::uint8_t component);

}  // namespace vermora
