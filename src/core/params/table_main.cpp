#include "params/param_table.h"

namespace vermora {
namespace {

using K = ParamKind;

// One row a line: the table reads as a table.
// clang-format off
constexpr ParamDef kRows[] = {
    {"EdInc1", K::kText, "#include \"vmxpred.inc\"", "Main", "Include line 1", "first include line written at the top of every scene"},
    {"EdInc2", K::kText, "", "Main", "Include line 2", "second include line written at the top of every scene"},
    {"EdInc3", K::kText, "", "Main", "Include line 3", "third include line written at the top of every scene"},
    {"edCamLocX", K::kText, "0.0", "Main", "Camera location", "where the camera stands"},
    {"edCamLocY", K::kText, "0.0", "Main", "Camera location", "where the camera stands"},
    {"edCamLocZ", K::kText, "-30", "Main", "Camera location", "where the camera stands"},
    {"edCamDirX", K::kText, "0.0", "Main", "Camera direction", "direction the camera points in; its length sets the zoom"},
    {"edCamDirY", K::kText, "0.0", "Main", "Camera direction", "direction the camera points in; its length sets the zoom"},
    {"edCamDirZ", K::kText, "1.2", "Main", "Camera direction", "direction the camera points in; its length sets the zoom"},
    {"edCamRX", K::kText, "1.3", "Main", "Camera right vector", "camera right vector; its length sets the picture's aspect ratio"},
    {"edCamRY", K::kText, "0.0", "Main", "Camera right vector", "camera right vector; its length sets the picture's aspect ratio"},
    {"edCamRZ", K::kText, "0.0", "Main", "Camera right vector", "camera right vector; its length sets the picture's aspect ratio"},
    {"edCamLookX", K::kText, "0.0", "Main", "Camera looks at", "point the camera looks at"},
    {"edCamLookY", K::kText, "0.0", "Main", "Camera looks at", "point the camera looks at"},
    {"edCamLookZ", K::kText, "0.0", "Main", "Camera looks at", "point the camera looks at"},
    {"SBOpen", K::kToggle, "N", "Main", "Open settings", "command button, stored as up: open settings"},
    {"SBSave", K::kToggle, "N", "Main", "Save settings", "command button, stored as up: save settings"},
    {"SpeedButton1", K::kToggle, "N", "Main", "Load my default", "command button, stored as up: load my default"},
    {"SBGo", K::kToggle, "N", "Main", "Render", "command button, stored as up: render"},
    {"SBExport", K::kToggle, "N", "Main", "Export for POV-Ray 3.1", "command button, stored as up: export for POV-Ray 3.1"},
    {"sbPov22", K::kToggle, "N", "Main", "Export for POV-Ray 2.2", "command button, stored as up: export for POV-Ray 2.2"},
    {"SbTP", K::kToggle, "N", "Main", "Texture preview", "command button, stored as up: texture preview"},
    {"sbBackPrev", K::kToggle, "N", "Main", "Background preview", "command button, stored as up: background preview"},
};
// clang-format on

}  // namespace

std::span<const ParamDef> MainParams() { return kRows; }

}  // namespace vermora
