#include "params/param_table.h"

namespace vermora {
namespace {

using K = ParamKind;

constexpr ParamDef kRows[] = {
    {"chkL_1", K::kSwitch, "Y", "Povray", "light 1 present"},
    {"edL_1R", K::kText, "1.000", "Povray", "light 1 colour"},
    {"edL_1G", K::kText, "1.000", "Povray", "light 1 colour"},
    {"edL_1B", K::kText, "1.000", "Povray", "light 1 colour"},
    {"edL_1X", K::kText, "-10", "Povray", "light 1 position"},
    {"edL_1Y", K::kText, "10", "Povray", "light 1 position"},
    {"edL_1Z", K::kText, "-30", "Povray", "light 1 position"},
    {"chkL_2", K::kSwitch, "Y", "Povray", "light 2 present"},
    {"edL_2R", K::kText, "0.600", "Povray", "light 2 colour"},
    {"edL_2G", K::kText, "0.600", "Povray", "light 2 colour"},
    {"edL_2B", K::kText, "0.600", "Povray", "light 2 colour"},
    {"edL_2X", K::kText, "40", "Povray", "light 2 position"},
    {"edL_2Y", K::kText, "60", "Povray", "light 2 position"},
    {"edL_2Z", K::kText, "-60", "Povray", "light 2 position"},
    {"chkReference", K::kSwitch, "N", "Povray", "write the reference axes and frame"},
    {"chkNoShadow", K::kSwitch, "N", "Povray", "the creature casts no shadow"},
    {"edImageW", K::kText, "209", "Povray", "picture width in pixels, passed to POV-Ray"},
    {"edImageH", K::kText, "163", "Povray", "picture height in pixels, passed to POV-Ray"},
    {"chkAntiA", K::kSwitch, "N", "Povray", "anti-aliasing"},
    {"edExtra2", K::kText, "", "Povray", "extra"},
    {"sbL_1", K::kToggle, "N", "Povray", "Choose colour"},
    {"sbUpL_1", K::kToggle, "N", "Povray", "Update colour"},
    {"sbL_2", K::kToggle, "N", "Povray", "Choose colour"},
    {"sbUpL_2", K::kToggle, "N", "Povray", "Update colour"},
};

}  // namespace

std::span<const ParamDef> PovrayParams() { return kRows; }

}  // namespace vermora
