#include "texture/named_colours.h"

#include <array>
#include <vector>

#include "common/fixed.h"
#include "params/colour_list_items.h"
#include "params/parameter_set.h"

namespace vermora {
namespace {

// clang-format off
constexpr Rgb kRgb[kNamedColourCount] = {
    /*   0 */ {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}, {0, 255, 255},
    /*   5 */ {255, 0, 255}, {255, 255, 255}, {0, 0, 0}, {84, 84, 84}, {192, 192, 192},
    /*  10 */ {168, 168, 168}, {255, 84, 84}, {112, 219, 147}, {227, 207, 87}, {159, 95, 159},
    /*  15 */ {165, 42, 42}, {255, 102, 0}, {204, 84, 0}, {138, 51, 36}, {95, 159, 159},
    /*  20 */ {5, 184, 204}, {255, 127, 0}, {66, 66, 111}, {47, 79, 47}, {79, 79, 47},
    /*  25 */ {153, 50, 204}, {107, 35, 142}, {47, 79, 79}, {47, 79, 79}, {112, 147, 219},
    /*  30 */ {252, 230, 201}, {142, 35, 35}, {35, 142, 35}, {204, 127, 50}, {219, 219, 112},
    /*  35 */ {147, 219, 112}, {79, 47, 47}, {159, 159, 95}, {204, 135, 204}, {191, 216, 216},
    /*  40 */ {143, 143, 188}, {50, 204, 50}, {142, 35, 107}, {50, 204, 153}, {50, 50, 204},
    /*  45 */ {107, 142, 35}, {234, 234, 173}, {147, 112, 219}, {66, 111, 66}, {127, 0, 255},
    /*  50 */ {127, 255, 0}, {112, 219, 219}, {219, 112, 147}, {255, 120, 102}, {47, 47, 79},
    /*  55 */ {35, 35, 142}, {35, 35, 142}, {115, 61, 26}, {255, 87, 33}, {199, 120, 38},
    /*  60 */ {135, 120, 0}, {255, 128, 0}, {255, 64, 0}, {219, 112, 219}, {143, 188, 143},
    /*  65 */ {255, 153, 102}, {188, 143, 143}, {234, 173, 234}, {153, 102, 18}, {120, 69, 0},
    /*  70 */ {111, 66, 66}, {35, 142, 107}, {120, 69, 0}, {142, 107, 35}, {50, 153, 204},
    /*  75 */ {0, 127, 255}, {0, 255, 127}, {35, 107, 142}, {219, 147, 112}, {216, 191, 216},
    /*  80 */ {173, 234, 234}, {79, 47, 79}, {204, 50, 153}, {216, 216, 191}, {153, 204, 50},
    /*  85 */ {56, 176, 222}, {89, 89, 171}, {181, 166, 66}, {184, 115, 51}, {140, 120, 36},
    /*  90 */ {166, 125, 61}, {230, 232, 250}, {217, 217, 26}, {207, 181, 59}, {209, 145, 117},
    /*  95 */ {217, 217, 242}, {0, 0, 0}, {255, 110, 199}, {135, 31, 120}, {76, 76, 255},
    /* 100 */ {217, 135, 26}, {227, 120, 51}, {232, 194, 166}, {166, 128, 99}, {133, 94, 66},
    /* 105 */ {255, 28, 173}, {107, 66, 38}, {92, 51, 23}, {245, 204, 176}, {235, 199, 158},
    /* 110 */ {0, 0, 156}, {89, 41, 36}, {92, 64, 51}, {150, 105, 79}, {82, 125, 117},
    /* 115 */ {74, 117, 110}, {133, 99, 99}, {33, 94, 79}, {140, 23, 23}, {186, 41, 245},
    /* 120 */ {222, 148, 250}, {240, 207, 252}, {120, 120, 120}, {186, 69, 0}, {237, 153, 0},
};
// clang-format on

std::vector<std::string_view> SplitItems() {
  std::vector<std::string_view> items;
  std::string_view rest = kColourListItems;
  for (;;) {
    const size_t bar = rest.find('|');
    items.push_back(rest.substr(0, bar));
    if (bar == std::string_view::npos) break;
    rest.remove_prefix(bar + 1);
  }
  return items;
}

}  // namespace

int PackRgb(Rgb colour) { return colour.red + 256 * colour.green + 65536 * colour.blue; }

Rgb UnpackRgb(std::int64_t packed) {
  const auto bits = static_cast<std::uint32_t>(packed);
  return {static_cast<std::uint8_t>(bits & 0xff), static_cast<std::uint8_t>((bits >> 8) & 0xff),
          static_cast<std::uint8_t>((bits >> 16) & 0xff)};
}

std::span<const std::string_view> ColourListItems() {
  static const std::vector<std::string_view> items = SplitItems();
  return items;
}

std::span<const NamedColour> NamedColourTable() {
  static const std::vector<NamedColour> table = [] {
    std::vector<NamedColour> out;
    out.reserve(kNamedColourCount);
    const auto items = ColourListItems();
    for (int i = 0; i < kNamedColourCount; ++i) out.push_back({items[i], kRgb[i]});
    return out;
  }();
  return table;
}

int FindNamedColour(std::string_view text) {
  const std::string key = LowerAscii(text);
  const auto table = NamedColourTable();
  for (int i = 0; i < kNamedColourCount; ++i) {
    if (LowerAscii(table[i].name) == key) return i;
  }
  return -1;
}

std::string ComponentText(std::uint8_t component) { return Fixed(component / 255.0, 5, 4); }

}  // namespace vermora
