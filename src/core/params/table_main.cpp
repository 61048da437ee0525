#include "params/param_table.h"

namespace vermora {
namespace {

using K = ParamKind;

constexpr ParamDef kRows[] = {
    {"EdInc1", K::kText, "#include \"vmxpred.inc\"", "Main", "first include line"},
    {"EdInc2", K::kText, "", "Main", "second include line"},
    {"EdInc3", K::kText, "", "Main", "third include line"},
    {"edCamLocX", K::kText, "0.0", "Main", "camera location"},
    {"edCamLocY", K::kText, "0.0", "Main", "camera location"},
    {"edCamLocZ", K::kText, "-30", "Main", "camera location"},
    {"edCamDirX", K::kText, "0.0", "Main", "camera direction"},
    {"edCamDirY", K::kText, "0.0", "Main", "camera direction"},
    {"edCamDirZ", K::kText, "1.2", "Main", "camera direction"},
    {"edCamRX", K::kText, "1.3", "Main", "camera right vector"},
    {"edCamRY", K::kText, "0.0", "Main", "camera right vector"},
    {"edCamRZ", K::kText, "0.0", "Main", "camera right vector"},
    {"edCamLookX", K::kText, "0.0", "Main", "camera look_at point"},
    {"edCamLookY", K::kText, "0.0", "Main", "camera look_at point"},
    {"edCamLookZ", K::kText, "0.0", "Main", "camera look_at point"},
};

}  // namespace

std::span<const ParamDef> MainParams() { return kRows; }

}  // namespace vermora
