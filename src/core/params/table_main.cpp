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
    {"SBOpen", K::kToggle, "N", "Main", "Open settings"},
    {"SBSave", K::kToggle, "N", "Main", "Save settings"},
    {"SpeedButton1", K::kToggle, "N", "Main", "Load my default"},
    {"SBGo", K::kToggle, "N", "Main", "Render"},
    {"SBExport", K::kToggle, "N", "Main", "Export for POV-Ray 3.1"},
    {"sbPov22", K::kToggle, "N", "Main", "Export for POV-Ray 2.2"},
    {"SbTP", K::kToggle, "N", "Main", "Texture preview"},
    {"sbBackPrev", K::kToggle, "N", "Main", "Background preview"},
};

}  // namespace

std::span<const ParamDef> MainParams() { return kRows; }

}  // namespace vermora
