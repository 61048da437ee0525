#include "params/param_table.h"

#include <vector>

#include "params/animated_params.h"

namespace vermora {

bool IsEntryField(ParamKind kind) {
  return kind == ParamKind::kNumber || kind == ParamKind::kInteger || kind == ParamKind::kText;
}

bool IsCommandButton(const ParamDef& def) {
  static constexpr std::string_view kFinishToggles[] = {
      "sbAmbient",   "sbDiffuse",  "sbBrilliance", "sbPhong", "sbSpecular",
      "sbRoughness", "sbMetallic", "sbReflection", "sbCrand"};
  if (def.kind != ParamKind::kToggle) return false;
  for (std::string_view name : kFinishToggles) {
    if (def.name == name) return false;
  }
  return true;
}

std::span<const ParamDef> ParamTable() {
  static const std::vector<ParamDef> table = [] {
    std::vector<ParamDef> all;
    for (auto part : {FeatureParams().first(1), MainParams(), GeneralParams(), SpiralWormParams(),
                      OtherWormParams(), PostprocParams(), ThingParams(), TextureParams(),
                      FeatureParams().subspan(1), BackgroundParams(), PovrayParams()}) {
      for (const ParamDef& def : part) {
        all.push_back(def);
        // Each animated parameter's end twin sits right after it, on its page.
        if (const AnimatedParam* animated = FindAnimated(def.name)) {
          ParamDef twin = def;
          twin.name = animated->twin;
          twin.end_twin = true;
          all.push_back(twin);
        }
      }
    }
    return all;
  }();
  return table;
}

}  // namespace vermora
