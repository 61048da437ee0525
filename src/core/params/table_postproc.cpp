#include "params/param_table.h"

namespace vermora {
namespace {

using K = ParamKind;

// One row a line: the table reads as a table.
// clang-format off
constexpr ParamDef kRows[] = {
    {"EdPostScaleX", K::kNumber, "1", "Worms/Postproc", "Final scale", "final scale of the worm"},
    {"EdPostScaleY", K::kNumber, "1", "Worms/Postproc", "Final scale", "final scale of the worm"},
    {"EdPostScaleZ", K::kNumber, "1", "Worms/Postproc", "Final scale", "final scale of the worm"},
    {"EdPostRotateX", K::kNumber, "0", "Worms/Postproc", "Final rotation (\xB0)", "final rotation of the worm, degrees"},
    {"EdPostRotateY", K::kNumber, "0", "Worms/Postproc", "Final rotation (\xB0)", "final rotation of the worm, degrees"},
    {"EdPostRotateZ", K::kNumber, "0", "Worms/Postproc", "Final rotation (\xB0)", "final rotation of the worm, degrees"},
    {"EdPostTranslateX", K::kNumber, "0", "Worms/Postproc", "Final translation", "final translation of the worm"},
    {"EdPostTranslateY", K::kNumber, "0", "Worms/Postproc", "Final translation", "final translation of the worm"},
    {"EdPostTranslateZ", K::kNumber, "0", "Worms/Postproc", "Final translation", "final translation of the worm"},
};
// clang-format on

}  // namespace

std::span<const ParamDef> PostprocParams() { return kRows; }

}  // namespace vermora
