#include "params/param_table.h"

#include <vector>

namespace vermora {

bool IsEntryField(ParamKind kind) {
  return kind == ParamKind::kNumber || kind == ParamKind::kInteger || kind == ParamKind::kText;
}

std::span<const ParamDef> ParamTable() {
  static const std::vector<ParamDef> table = [] {
    std::vector<ParamDef> all;
    for (auto part : {FeatureParams().first(1), MainParams(), GeneralParams(), SpiralWormParams(),
                      OtherWormParams(), PostprocParams(), ThingParams(), TextureParams(),
                      FeatureParams().subspan(1), BackgroundParams(), PovrayParams()}) {
      all.insert(all.end(), part.begin(), part.end());
    }
    return all;
  }();
  return table;
}

}  // namespace vermora
