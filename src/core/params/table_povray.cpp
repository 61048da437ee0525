#include "params/param_table.h"

namespace vermora {
namespace {

using K = ParamKind;

// One row a line: the table reads as a table.
// clang-format off
constexpr ParamDef kRows[] = {
    {"chkL_1", K::kSwitch, "Y", "Povray", "Light 1 on", "write light 1"},
    {"edL_1R", K::kText, "1.000", "Povray", "Light 1 colour", "colour of light 1"},
    {"edL_1G", K::kText, "1.000", "Povray", "Light 1 colour", "colour of light 1"},
    {"edL_1B", K::kText, "1.000", "Povray", "Light 1 colour", "colour of light 1"},
    {"edL_1X", K::kText, "-10", "Povray", "Light 1 position", "position of light 1"},
    {"edL_1Y", K::kText, "10", "Povray", "Light 1 position", "position of light 1"},
    {"edL_1Z", K::kText, "-30", "Povray", "Light 1 position", "position of light 1"},
    {"chkL_2", K::kSwitch, "Y", "Povray", "Light 2 on", "write light 2"},
    {"edL_2R", K::kText, "0.600", "Povray", "Light 2 colour", "colour of light 2"},
    {"edL_2G", K::kText, "0.600", "Povray", "Light 2 colour", "colour of light 2"},
    {"edL_2B", K::kText, "0.600", "Povray", "Light 2 colour", "colour of light 2"},
    {"edL_2X", K::kText, "40", "Povray", "Light 2 position", "position of light 2"},
    {"edL_2Y", K::kText, "60", "Povray", "Light 2 position", "position of light 2"},
    {"edL_2Z", K::kText, "-60", "Povray", "Light 2 position", "position of light 2"},
    {"chkReference", K::kSwitch, "N", "Povray", "Reference axes", "write the reference axes and frame"},
    {"chkNoShadow", K::kSwitch, "N", "Povray", "No creature shadow", "the creature casts no shadow"},
    {"edImageW", K::kText, "209", "Povray", "Picture width (px)", "picture width in pixels, a whole number from 1 to 16384"},
    {"edImageH", K::kText, "163", "Povray", "Picture height (px)", "picture height in pixels, a whole number from 1 to 16384"},
    {"chkAntiA", K::kSwitch, "N", "Povray", "Anti-aliasing", "render with anti-aliasing"},
    {"edExtra2", K::kText, "", "Povray", "Extra text", "extra text kept with the set"},
    {"sbL_1", K::kToggle, "N", "Povray", "Choose colour", "command button, stored as up: choose colour"},
    {"sbUpL_1", K::kToggle, "N", "Povray", "Update colour", "command button, stored as up: update colour"},
    {"sbL_2", K::kToggle, "N", "Povray", "Choose colour", "command button, stored as up: choose colour"},
    {"sbUpL_2", K::kToggle, "N", "Povray", "Update colour", "command button, stored as up: update colour"},
};
// clang-format on

}  // namespace

std::span<const ParamDef> PovrayParams() { return kRows; }

}  // namespace vermora
