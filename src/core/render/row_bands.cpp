#include "render/row_bands.h"

#include <algorithm>

namespace vermora {

std::vector<RowBand> SplitIntoBands(int height, int parts) {
  const int blocks = (height + kRenderBlock - 1) / kRenderBlock;
  const int count = std::clamp(parts, 1, blocks);
  std::vector<RowBand> bands;
  for (int i = 0; i < count; ++i) {
    // Band i takes blocks [i * blocks / count, (i + 1) * blocks / count).
    const int first_block = i * blocks / count;
    const int end_block = (i + 1) * blocks / count;
    bands.push_back({first_block * kRenderBlock + 1, std::min(height, end_block * kRenderBlock)});
  }
  return bands;
}

std::vector<std::string> BandOptions(const RowBand& band) {
  if (band.whole()) return {};
  return {"+SR" + std::to_string(band.first), "+ER" + std::to_string(band.last),
          "+BS" + std::to_string(kRenderBlock)};
}

}  // namespace vermora
