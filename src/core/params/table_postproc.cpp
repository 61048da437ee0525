#include "params/param_table.h"

namespace vermora {
namespace {

using K = ParamKind;

constexpr ParamDef kRows[] = {
    {"EdPostScaleX", K::kNumber, "1", "Worms/Postproc", "final scale of JWorm"},
    {"EdPostScaleY", K::kNumber, "1", "Worms/Postproc", "final scale of JWorm"},
    {"EdPostScaleZ", K::kNumber, "1", "Worms/Postproc", "final scale of JWorm"},
    {"EdPostRotateX", K::kNumber, "0", "Worms/Postproc", "final rotation of JWorm, degrees"},
    {"EdPostRotateY", K::kNumber, "0", "Worms/Postproc", "final rotation of JWorm, degrees"},
    {"EdPostRotateZ", K::kNumber, "0", "Worms/Postproc", "final rotation of JWorm, degrees"},
    {"EdPostTranslateX", K::kNumber, "0", "Worms/Postproc", "final translation of JWorm"},
    {"EdPostTranslateY", K::kNumber, "0", "Worms/Postproc", "final translation of JWorm"},
    {"EdPostTranslateZ", K::kNumber, "0", "Worms/Postproc", "final translation of JWorm"},
};

}  // namespace

std::span<const ParamDef> PostprocParams() { return kRows; }

}  // namespace vermora
