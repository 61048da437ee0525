#include "render/row_bands.h"

#include <gtest/gtest.h>

namespace vermora {
namespace {

// Bands take whole 32-row blocks, as evenly as the blocks allow, and never
// more bands than blocks.
TEST(RowBandsTest, SplitsIntoWholeBlocksTopToBottom) {
  struct Case {
    int height, parts;
    std::vector<RowBand> bands;
  };
  const Case cases[] = {
      {120, 3, {{1, 32}, {33, 64}, {65, 120}}},
      {128, 4, {{1, 32}, {33, 64}, {65, 96}, {97, 128}}},
      {100, 2, {{1, 64}, {65, 100}}},
      {33, 2, {{1, 32}, {33, 33}}},
      {24, 4, {{1, 24}}},
      {960, 1, {{1, 960}}},
      // 68 blocks (the last half full) in 7: 9 or 10 blocks a band.
      {2160,
       7,
       {{1, 288}, {289, 608}, {609, 928}, {929, 1216}, {1217, 1536}, {1537, 1856}, {1857, 2160}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SplitIntoBands(c.height, c.parts), c.bands) << c.height << " rows, " << c.parts;
  }
}

}  // namespace
}  // namespace vermora
